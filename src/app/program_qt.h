// The program's windows and state, created in the order the game needs: the
// main window first (its creation sets up the first game), then the help
// pop-up, then the winner window. Shared by the program entry and the tests.
#pragma once

#include <memory>

#include "app/form1_qt.h"
#include "app/form4_qt.h"
#include "ui/form3_qt.h"

namespace sky {

// A double-buffered RGBA compatibility context with a depth buffer, and native
// windows only where the 3D view needs them; called before the application object exists.
void UseGameSurfaceFormat();

struct Program {
    explicit Program(const GlApi& gl);
    ~Program();  // the main window goes first: a running shot still uses the others
    std::unique_ptr<GameState> State;
    std::unique_ptr<TForm1> Form1;
    std::unique_ptr<TForm3> Form3;
    std::unique_ptr<TForm4> Form4;
};

}  // namespace sky
