// A new game on the window: the rules set it up, the window shows it.
#include "app/form1_qt.h"
#include "terrain/game_setup.h"
#include "ui/wind_arrow.h"
#include "view/camera.h"

using namespace sky;

void TForm1::NewGame() {
    SetUpGame(S, imLand->Canvas());
    imLand->Changed();
    RotX = HomeRotX;
    RotY = HomeRotY;
    S.Zoom = HomeZoom;
    DrawWindArrow();
    RefreshAimWidgets();
    ShowCameraValues();
    DrawScene();
}

void TForm1::DrawWindArrow() {
    sky::DrawWindArrow(imPfeil->Canvas(), S.WindDirection);
    imPfeil->Changed();
}

void TForm1::RefreshAimWidgets() {
    aim_->RefreshAimWidgets();
    pb->Changed();
    im2->Changed();
    im3->Changed();
}

void TForm1::SpeedButton13Click() {
    S.Score[1] = 0;
    S.Score[2] = 0;
    NewGame();
}
