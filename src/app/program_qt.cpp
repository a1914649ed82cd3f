#include "app/program_qt.h"

#include <QIcon>
#include <QSurfaceFormat>
#include <QWindow>

#include "platform/frame_extents.h"

namespace sky {

ProgramStart::BeforeApplication::BeforeApplication() {
    QSurfaceFormat format;
    format.setRenderableType(QSurfaceFormat::OpenGL);
    format.setProfile(QSurfaceFormat::CompatibilityProfile);
    format.setRedBufferSize(8);
    format.setGreenBufferSize(8);
    format.setBlueBufferSize(8);
    format.setDepthBufferSize(24);
    QSurfaceFormat::setDefaultFormat(format);
}

ProgramStart::ProgramStart(int& argc, char** argv) : app_(argc, argv) {
    QApplication::setApplicationName(QStringLiteral("Skyburst 3D"));
    // Docks and task switchers find the menu entry, and with it the icon, by this name.
    QGuiApplication::setDesktopFileName(QStringLiteral(SKY_APP_ID));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/bitmap/app_icon")));
    gl_.Load(error_);
}

Program::Program(const GlApi& gl) : State(std::make_unique<GameState>()) {
    Form1 = std::make_unique<TForm1>(*State, gl);
    Form3 = std::make_unique<TForm3>();
    Form4 = std::make_unique<TForm4>();
    Form1->Form3 = Form3.get();
    Form1->Form4 = Form4.get();
    // Where the compositor places the windows, these two are pop-ups placed
    // relative to the main window.
    if (!PlacesOwnWindows())
        for (QWidget* popup : {static_cast<QWidget*>(Form3.get()), static_cast<QWidget*>(Form4.get())}) {
            popup->winId();
            popup->windowHandle()->setTransientParent(Form1->windowHandle());
        }
}

Program::~Program() { Form1.reset(); }

}  // namespace sky
