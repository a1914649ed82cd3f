// Skyburst 3D: program entry. Binds OpenGL, creates the three windows and runs
// the event loop until the main window closes.
#include <QApplication>
#include <QMessageBox>

#include <cstdio>

#include "app/program_qt.h"

int main(int argc, char** argv) {
    sky::UseGameSurfaceFormat();
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Skyburst 3D"));

    sky::GlApi gl;
    std::string error;
    if (!gl.Load(error)) {
        std::fprintf(stderr, "%s\n", error.c_str());
        QMessageBox::critical(nullptr, QStringLiteral("Skyburst 3D"), QString::fromStdString(error));
        return 1;
    }

    sky::Program program(gl);
    program.Form1->show();
    return app.exec();
}
