// The program's start: what comes before the windows, and the windows and
// state themselves, created in the order the game needs: the main window
// first (its creation sets up the first game), then the help pop-up, then the
// winner window. Shared by the program entry, the window tests and the benchmarks.
#pragma once

#include <QApplication>

#include <memory>
#include <string>

#include "app/form1_qt.h"
#include "app/form3_qt.h"
#include "app/form4_qt.h"

namespace sky {

// Everything before the windows: an RGBA compatibility context with a depth
// buffer as the default surface format (chosen before the application object
// exists), the application object with the game's name and icon, and OpenGL
// bound. Ok() is false when OpenGL could not be loaded; Error() then says
// from where. The windowing platform is the toolkit's choice: Wayland in a
// Wayland session, X11 otherwise, or what QT_QPA_PLATFORM names.
class ProgramStart {
public:
    ProgramStart(int& argc, char** argv);
    bool Ok() const { return error_.empty(); }
    const std::string& Error() const { return error_; }
    const GlApi& Gl() const { return gl_; }

private:
    struct BeforeApplication {
        BeforeApplication();
    } before_;
    QApplication app_;
    GlApi gl_;
    std::string error_;
};

struct Program {
    explicit Program(const GlApi& gl);
    ~Program();  // the main window goes first: a running shot still uses the others
    std::unique_ptr<GameState> State;
    std::unique_ptr<TForm1> Form1;
    std::unique_ptr<TForm3> Form3;
    std::unique_ptr<TForm4> Form4;
};

}  // namespace sky
