// A network game in the window.
#include "app/form1_qt.h"

using namespace sky;

void TForm1::StartNetworkGame(const PlayChoice&) {}
