// A new game on the window: the match sets it up, the window shows it.
#include "app/form1_qt.h"
#include "ui/wind_arrow.h"
#include "view/camera.h"

using namespace sky;

void TForm1::NewGame() { Game.NewGame(); }

void TForm1::ShowNewGame() {
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

void TForm1::SpeedButton13Click() { NewMatch(); }
