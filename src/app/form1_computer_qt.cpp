// The computer player's button: the match searches an aim for the current
// player, the window shows it on the widgets and in the view, and it is fired.
#include "app/form1_qt.h"

void TForm1::sbCompClick() { ComputerShot(radComp->ItemIndex()); }
