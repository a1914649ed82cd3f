// Skyburst 3D: program entry. Binds OpenGL, creates the three windows and runs
// the event loop until the main window closes, however that comes.
#include <QMessageBox>

#include <cstdio>
#include <memory>

#include "app/command_line_qt.h"
#include "app/program_qt.h"
#include "platform/quit_signals.h"

int main(int argc, char** argv) {
    // A logout or kill (SIGTERM) and Ctrl-C (SIGINT) close the window like its
    // close button; one that comes before the window exists waits for it.
    sky::QuitSignals::HoldBack();
    const sky::CommandLine line = sky::ParseCommandLine(argc, argv);
    if (!line.run) {
        std::fputs(line.output.c_str(), stdout);
        if (!line.error.empty()) std::fprintf(stderr, "%s\n", line.error.c_str());
        return line.exitCode;
    }
    sky::ProgramStart start(argc, argv);
    std::unique_ptr<sky::Program> program;
    const sky::QuitSignals quitSignals([&program] {
        if (program)
            program->Form1->close();
        else
            QCoreApplication::exit(1);  // the message box of a failed start
    });
    if (!start.Ok()) {
        std::fprintf(stderr, "%s\n", start.Error().c_str());
        QMessageBox::critical(nullptr, QStringLiteral("Skyburst 3D"), QString::fromStdString(start.Error()));
        return 1;
    }
    program = std::make_unique<sky::Program>(start.Gl());
    program->Form1->OnClosing = [] { QCoreApplication::quit(); };
    program->Form1->show();
    if (line.choice.kind != sky::PlayKind::HotSeat) program->Form1->Play(line.choice, false);
    const int rc = QApplication::exec();
    program.reset();  // the worker and the sound end before the application object
    return rc;
}
