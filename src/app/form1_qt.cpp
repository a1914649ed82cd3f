// The life of the main window: creation, activation, closing and destruction,
// and its size and place on the screen.
#include "app/form1_qt.h"
#include "app/network_play_qt.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QLocale>
#include <QResource>
#include <QScreen>
#include <QTimer>

#include "app/form3_qt.h"
#include "app/form4_qt.h"
#include "platform/frame_extents.h"
#include "ui/language.h"
#include "ui/strings.h"
#include "ui/window_layout.h"
#include "view/renderer.h"

using namespace sky;

const char* TForm1::NoticeTitle = "Hinweis";
const char* TForm1::NoticeText =
    "Dieses Spiel ist kein Ballerspiel und soll auch keinesfalls gewaltverherrlichend sein. Es ist vielmehr "
    "dazu gedacht, mit einem Freund oder dem Computer in einen Wettstreit zu treten, der Intelligenz und "
    "physikalisches Vorstellungsvermögen fordert!";

TForm1::TForm1(GameState& state, const GlApi& gl)
    : S(state),
      Gl(gl),
      Sync([this] { waker_.Wake(); }),
      waker_([this] { Sync.Serve(); }),
      lossWatch_(this, [this] { WindowLost(); }) {
    BuildLayout();
    ConnectHandlers();
    ConnectMatch();
    ConnectPlay();
    FormCreate();
}

TForm1::~TForm1() { FormDestroy(); }

void TForm1::FormCreate() {
    Panel3->resize(layout::At("Panel3").folded.width, Panel3->height());
    settingsFolded_ = true;
    SetOuterSize(layout::WindowWidth, layout::WindowHeight);
    DragMode = 0;
    RotX = 0.0;
    RotY = 0.0;
    CreateRenderContext();
    for (int k = 1; k <= 3; ++k) {
        const QResource wav(QStringLiteral(":/sound/klang%1").arg(k));
        S.SoundData[k] = {wav.data(), static_cast<std::size_t>(wav.size())};
        sound_.Prepare(S.SoundData[k].data, S.SoundData[k].size);
    }
    S.Language = LanguageIdFromLocale(QLocale::system().name().toStdString());
    radSprache->SetItemIndex(ItemOfLanguage(S.Language));
    S.CurrentPlayer = 1;
    ApplyLanguage();
    S.Rng.SeedFromClock();
    BuildColourTable();
    NewGame();
    FormResize();
}

void TForm1::FormActivate() {
    if (Form3) Form3->close();
    if (S.NoticePending) {
        // Cleared before the box opens: its closing re-activates this window.
        S.NoticePending = 0;
        ShowNotice(QString::fromUtf8(NoticeTitle), QString::fromUtf8(NoticeText));
    }
}

void TForm1::FormDestroy() {
    if (destroyed_) return;
    destroyed_ = true;
    if (ShotThread && !ShotThread->Finished()) {
        // The worker still needs the window thread for its hand-over.
        ShotThread->Terminate();
        ShotThread->WaitFor();
    }
    ShotThread.reset();
    if (S.SoundOn) sound_.Stop();
    glReady_ = false;
    DeviceContext->ReleaseContext();
    RenderContext = nullptr;
}

void TForm1::closeEvent(QCloseEvent* e) {
    QWidget::closeEvent(e);
    BeginClosing();
}

// The window was destroyed by someone else, its view with it: no frame may
// touch it again, and the program ends as after a close.
void TForm1::WindowLost() {
    glReady_ = false;
    close();
}

// Closing the main window ends the program, also during a shot: the worker
// draws no more frames and finishes at once, and its hand-over is still
// served (now, or by FormDestroy's wait). A winner window that is open goes
// with the main window.
void TForm1::BeginClosing() {
    if (closing_) return;
    closing_ = true;
    computerTurn_.stop();
    winnerClose_.stop();
    if (Form3) Form3->close();
    if (Form4 && Form4->isVisible()) Form4->reject();
    if (ShotThread && !ShotThread->Finished()) ShotThread->Terminate();
    if (S.SoundOn) sound_.Stop();
    if (OnClosing) OnClosing();
}

bool TForm1::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) {
        const bool handled = QWidget::event(e);
        FormActivate();
        return handled;
    }
    return QWidget::event(e);
}

// The docked panels keep their distance to the right and bottom edges.
void TForm1::FormResize() {
    if (glReady_) {
        DeviceContext->MakeCurrent();
        // The viewport is in the view's device pixels (a HiDPI screen has two
        // or more per logical pixel); the aspect stays that of the window.
        const qreal scale = DeviceContext->devicePixelRatioF();
        const QSize outer = OuterSize();
        viewportW_ = qRound(outer.width() * scale);
        viewportH_ = qRound(outer.height() * scale);
        SetProjection(Gl, viewportW_, viewportH_);
    }
    for (const layout::Control& c : layout::MainWindow) {
        if (c.dock == layout::Dock::None) continue;
        QWidget* panel = Named(c.name);
        const layout::Point at = layout::DockedAt(c, width(), height(), panel->width(), panel->height());
        panel->move(at.x, at.y);
    }
    DrawScene();
}

void TForm1::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    if (DeviceContext) DeviceContext->setGeometry(rect());
    if (RenderContext) FormResize();
}

QSize TForm1::OuterSize() const { return size().grownBy(FrameMargins(*this)); }
int TForm1::OuterWidth() const { return OuterSize().width(); }
int TForm1::OuterHeight() const { return OuterSize().height(); }

// The size is the outer size, frame included. The frame is known only once a
// window manager has framed the window, so the client size follows then.
void TForm1::SetOuterSize(int width, int height) {
    wantOuterW_ = width;
    wantOuterH_ = height;
    resize(QSize(width, height).shrunkBy(FrameMargins(*this)));
}

void TForm1::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (e->spontaneous()) return;
    CentreOnDesktop();
    FitOuterSize();
}

// The outer frame, not the client area, is centred on the screen's
// available area; until the frame is known the client stands in for it.
void TForm1::CentreOnDesktop() {
    const QScreen* desktop = screen() ? screen() : QGuiApplication::primaryScreen();
    if (!desktop) return;
    const QRect area = desktop->availableGeometry();
    move(area.x() + (area.width() - wantOuterW_) / 2, area.y() + (area.height() - wantOuterH_) / 2);
}

// Once the window manager has framed the window: the outer size as wanted,
// centred. A busy desktop can take seconds to frame a new window, so the wait
// is long; it ends as soon as the frame is there. A move places the frame by
// the toolkit's own measure of it, which catches up with the window manager's
// only at the next configure event (the resize's): the window is centred then.
void TForm1::FitOuterSize() {
    auto tries = std::make_shared<int>(0);
    auto sized = std::make_shared<bool>(false);
    auto* timer = new QTimer(this);
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, this, [this, timer, tries, sized] {
        const QMargins frame = FrameMargins(*this);
        if (!*sized) {
            if (frame.isNull()) {
                if (++*tries > 500) {
                    timer->deleteLater();
                    placed_ = true;
                }
                return;
            }
            *sized = true;
            *tries = 0;
            SetOuterSize(wantOuterW_, wantOuterH_);
            return;
        }
        if (ToolkitFrameMargins(*this) != frame && ++*tries <= 100) return;
        timer->deleteLater();
        CentreOnDesktop();
        placed_ = true;
    });
    timer->start();
}
