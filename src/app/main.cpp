// Skyburst 3D: program entry. Binds OpenGL, creates the three windows and runs
// the event loop until the main window closes.
#include <QMessageBox>

#include <cstdio>

#include "app/program_qt.h"

int main(int argc, char** argv) {
    sky::ProgramStart start(argc, argv);
    if (!start.Ok()) {
        std::fprintf(stderr, "%s\n", start.Error().c_str());
        QMessageBox::critical(nullptr, QStringLiteral("Skyburst 3D"), QString::fromStdString(start.Error()));
        return 1;
    }
    sky::Program program(start.Gl());
    program.Form1->show();
    return QApplication::exec();
}
