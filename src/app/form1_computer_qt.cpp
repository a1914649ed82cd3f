// The computer player's button: search an aim for the current player, show
// it on the widgets and in the view, and fire it.
#include "app/form1_qt.h"
#include "computer/computer_aim.h"

void TForm1::sbCompClick() {
    sky::ComputerAim(S, radComp->ItemIndex());
    Aiming().ShowStoredAim();
    pb->Changed();
    im2->Changed();
    im3->Changed();
    DrawScene();
    SpeedButton3Click();
}
