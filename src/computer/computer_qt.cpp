// The computer player's button: search an aim for the current player, show
// it on the widgets and in the view, and fire it.
#include "app/form1_qt.h"
#include "computer/computer_aim.h"

void TForm1::sbCompClick() {
    sky::ComputerAim(S, radComp->ItemIndex());
    sky::AimWidgets& aim = Aiming();
    aim.DrawAimBackgrounds();
    S.AimDragFlags[0] = 1;
    aim.pbMouseMove(sky::AimWidgets::RefreshX, 0);
    S.AimDragFlags[0] = 0;
    S.AimDragFlags[1] = 1;
    aim.im2MouseMove(sky::AimWidgets::RefreshX, 0);
    S.AimDragFlags[1] = 0;
    aim.im3MouseMove(sky::AimWidgets::RefreshX, 0);
    pb->Changed();
    im2->Changed();
    im3->Changed();
    DrawScene();
    SpeedButton3Click();
}
