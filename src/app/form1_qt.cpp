#include "app/form1_qt.h"

#include <QCloseEvent>
#include <QSocketNotifier>

#include <sys/eventfd.h>
#include <unistd.h>
#include <QDesktopServices>
#include <QUrl>
#include <QSurfaceFormat>
#include <QGuiApplication>
#include <QLocale>
#include <QMessageBox>
#include <QPushButton>
#include <QMouseEvent>
#include <QRadioButton>
#include <QResource>
#include <QScreen>
#include <QTimer>

#include <array>

#include "app/form4_qt.h"
#include "app/number_text.h"
#include "app/numeric.h"
#include "app/wind_arrow.h"
#include "platform/language.h"
#include "terrain/colours.h"
#include "terrain/overview_map.h"
#include "terrain/terrain.h"
#include "ui/form3_qt.h"
#include "ui/status_labels.h"
#include "ui/strings.h"
#include "view/camera.h"
#include "view/renderer.h"

using namespace sky;

namespace sky {

namespace {
// The native window the frames are drawn into and swapped on.
class GlSurface : public QWindow {
public:
    explicit GlSurface(SceneView* view) : view_(view) { setSurfaceType(QSurface::OpenGLSurface); }

protected:
    void exposeEvent(QExposeEvent*) override {
        if (isExposed() && view_->OnExpose) view_->OnExpose();
    }
    void mousePressEvent(QMouseEvent* e) override { view_->Mouse(e); }
    void mouseMoveEvent(QMouseEvent* e) override { view_->Mouse(e); }
    void mouseReleaseEvent(QMouseEvent* e) override { view_->Mouse(e); }

private:
    SceneView* view_;
};
}  // namespace

SceneView::SceneView(QWidget* parent) : QWidget(parent), surface_(new GlSurface(this)) {
    container_ = QWidget::createWindowContainer(surface_, this);
    container_->setAttribute(Qt::WA_TransparentForMouseEvents);
}

void SceneView::resizeEvent(QResizeEvent*) { container_->setGeometry(rect()); }

void SceneView::Mouse(QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    switch (e->type()) {
        case QEvent::MouseButtonPress:
            if (OnMouseDown) OnMouseDown(e->button(), p.x(), p.y());
            break;
        case QEvent::MouseMove:
            if (OnMouseMove) OnMouseMove(e->button(), p.x(), p.y());
            break;
        case QEvent::MouseButtonRelease:
            if (OnMouseUp) OnMouseUp(e->button(), p.x(), p.y());
            break;
        default:
            break;
    }
}

}  // namespace sky

const char* TForm1::NoticeTitle = "Hinweis";
const char* TForm1::NoticeText =
    "Dieses Spiel ist kein Ballerspiel und soll auch keinesfalls gewaltverherrlichend sein. Es ist vielmehr "
    "dazu gedacht, mit einem Freund oder dem Computer in einen Wettstreit zu treten, der Intelligenz und "
    "physikalisches Vorstellungsvermögen fordert!";

namespace {

constexpr std::array<int32_t, 5> DetailSteps{2, 5, 10, 20, 50};

// The panels lie over the native OpenGL window, so they are native windows too.
TPanel* NativePanel(QWidget* parent) {
    auto* p = new TPanel(parent);
    p->setAttribute(Qt::WA_NativeWindow);
    return p;
}

TFlatButton* Button(QWidget* parent, int l, int t, int w, int h, const char* caption) {
    auto* b = new TFlatButton(parent);
    Place(b, l, t, w, h);
    if (caption) b->SetCaption(caption);
    return b;
}

TFlatButton* GlyphButton(QWidget* parent, int l, int t, int w, int h, const char* bitmap) {
    auto* b = Button(parent, l, t, w, h, nullptr);
    b->SetGlyph(QPixmap(QString(":/bitmap/") + bitmap));
    return b;
}

TRadioGroup* Radio(QWidget* parent, int l, int t, int w, int h, const char* caption, const char* items, int index) {
    auto* r = new TRadioGroup(parent);
    Place(r, l, t, w, h);
    r->SetCaption(caption);
    r->SetItems(items);
    r->SetItemIndex(index);
    return r;
}

TImage* Image(QWidget* parent, int l, int t, int w, int h) {
    auto* i = new TImage(parent, w, h);
    i->move(l, t);
    return i;
}

TLabel* Label(QWidget* parent, int l, int t, int w, int h, const char* caption, QColor colour = QColor(77, 77, 77)) {
    auto* lab = new TLabel(parent);
    Place(lab, l, t, w, h);
    lab->SetFontColour(colour);
    lab->SetCaption(caption);
    return lab;
}

TPicture* Picture(QWidget* parent, int l, int t, int w, int h, const char* bitmap) {
    auto* p = new TPicture(parent);
    Place(p, l, t, w, h);
    p->setPixmap(QPixmap(QString(":/bitmap/") + bitmap));
    return p;
}

}  // namespace

TForm1::TForm1(GameState& state, const GlApi& gl)
    : S(state), Gl(gl), Sync([this] { WakeWindowThread(); }) {
    // The worker wakes the event loop through an eventfd: a plain system
    // call, with the procedures themselves handed over under SyncCaller's mutex.
    wakeFd_ = eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    if (wakeFd_ >= 0) {
        auto* notifier = new QSocketNotifier(wakeFd_, QSocketNotifier::Read, this);
        connect(notifier, &QSocketNotifier::activated, this, [this] {
            uint64_t count = 0;
            while (read(wakeFd_, &count, sizeof count) > 0) {
            }
            Sync.Serve();
        });
    }
    BuildLayout();
    FormCreate();
}

TForm1::~TForm1() {
    FormDestroy();
    if (wakeFd_ >= 0) ::close(wakeFd_);
}

void TForm1::WakeWindowThread() {
    const uint64_t one = 1;
    if (wakeFd_ >= 0 && write(wakeFd_, &one, sizeof one) < 0) {
        // A full counter still wakes the window thread; nothing is lost.
    }
}

void TForm1::BuildLayout() {
    setWindowTitle(QStringLiteral("Skyburst 3D"));
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(PanelGrey));
    setPalette(pal);

    DeviceContext = new SceneView(this);
    DeviceContext->OnExpose = [this] { FormPaint(); };
    DeviceContext->OnGrab = [this] { return GrabFrame(); };
    DeviceContext->OnMouseDown = [this](Qt::MouseButton b, int x, int y) { FormMouseDown(b, x, y); };
    DeviceContext->OnMouseMove = [this](Qt::MouseButton, int x, int y) { FormMouseMove(x, y); };
    DeviceContext->OnMouseUp = [this](Qt::MouseButton, int, int) { FormMouseUp(); };

    Panel1 = NativePanel(this);
    Place(Panel1, 5, 5, 326, 204);
    imLand = Image(Panel1, 7, 7, 166, 166);
    imPfeil = Image(Panel1, 179, 7, 140, 140);
    SpeedButton2 = Button(Panel1, 136, 176, 35, 22, "[<<]");
    Label1 = Label(Panel1, 280, 128, 34, 13, "Vento");
    Label1->hide();

    Panel2 = NativePanel(this);
    Place(Panel2, 750 - 161 - 5, 5, 161, 335);
    im3 = Image(Panel2, 5, 5, 25, 188);
    pb = Image(Panel2, 35, 5, 120, 120);
    im2 = Image(Panel2, 51, 132, 60, 60);
    imOben = Picture(Panel2, 128, 136, 17, 11, "fold_up");
    imOben->hide();
    imUnten = Picture(Panel2, 128, 160, 17, 11, "fold_down");
    imUnten->hide();
    SpeedButton15 = GlyphButton(Panel2, 8, 201, 23, 22, "fold_up");
    SpeedButton3 = Button(Panel2, 40, 200, 73, 22, "[Schuss]");
    SpeedButton4 = Button(Panel2, 125, 200, 26, 22, "[i]");
    Bevel1 = new TBevel(Panel2);
    Place(Bevel1, 16, 232, 129, 9);
    sbComp = Button(Panel2, 40, 240, 81, 22, "[Computer]");
    SpeedButton14 = Button(Panel2, 125, 240, 26, 22, "[i]");
    radComp = Radio(Panel2, 8, 264, 145, 65, " Computer-Intelligenz ", "niedrig\nmittel\nhoch", 1);

    Panel3 = NativePanel(this);
    Place(Panel3, 5, 650 - 287 - 5, 205, 287);
    SpeedButton1 = Button(Panel3, 5, 5, 30, 22, "[>>]");
    imFarben = Image(Panel3, 5, 32, 30, 250);
    radSprache = Radio(Panel3, 45, 12, 153, 63, " Language - Língua ", "Deutsch\nEnglish\nPortuguês", 0);
    radiogr = Radio(Panel3, 45, 75, 153, 63, " Aussehen ", "Linien\nLinien mit Flächen\nFlächen", 1);
    radSize = Radio(Panel3, 45, 139, 67, 94, " Details ", "1+\n2\n3\n4\n5-", 2);
    radFarben = Radio(Panel3, 117, 139, 82, 143, " Farben ", "Bunt\nGrau\nRot\nGrün\nBlau\nBraun", 0);
    radSound = Radio(Panel3, 45, 233, 67, 49, " Sound ", "An\nAus", 0);

    Panel4 = NativePanel(this);
    Place(Panel4, 750 - 153 - 5, 650 - 209 - 5, 153, 209);
    Shape1 = new TShape(Panel4);
    Place(Shape1, 7, 7, 140, 76);
    Shape2 = new TShape(Panel4);
    Place(Shape2, 7, 90, 140, 85);
    SpeedButton7 = GlyphButton(Panel4, 33, 13, 21, 20, "cam_up");
    SpeedButton5 = GlyphButton(Panel4, 82, 18, 20, 20, "cam_plus");
    SpeedButton9 = GlyphButton(Panel4, 13, 33, 20, 20, "cam_left");
    SpeedButton11 = GlyphButton(Panel4, 33, 33, 21, 20, "cam_reset");
    SpeedButton10 = GlyphButton(Panel4, 54, 33, 20, 20, "cam_right");
    SpeedButton6 = GlyphButton(Panel4, 82, 48, 20, 20, "cam_minus");
    SpeedButton8 = GlyphButton(Panel4, 33, 53, 21, 20, "cam_down");
    SpeedButton12 = Button(Panel4, 112, 32, 26, 22, "[i]");
    laSpieler = Label(Panel4, 10, 94, 40, 13, "Spieler");
    laEnergie1 = Label(Panel4, 10, 110, 16, 13, "E1", QColor(85, 85, 85));
    laEnergie2 = Label(Panel4, 10, 126, 16, 13, "E2", QColor(85, 85, 85));
    laPunkte1 = Label(Panel4, 10, 142, 16, 13, "P1", QColor(0, 0, 255));
    laPunkte2 = Label(Panel4, 10, 158, 16, 13, "P2", QColor(255, 0, 0));
    SpeedButton13 = Button(Panel4, 28, 181, 97, 22, "[Neues Spiel]");

    Panel5 = NativePanel(this);
    Place(Panel5, 5, 216, 120, 90);
    Image1 = Picture(Panel5, 0, 0, 120, 90, "banner");
    Image1->OnClick = [this] { Image1Click(); };
    Image1->setCursor(Qt::PointingHandCursor);

    Memo1 = new TMemo(this);
    Place(Memo1, 144, 234, 129, 57);
    Memo1->SetLines({"RotX", "RotY", "Zoom"});
    Memo1->hide();

    radFarben->OnClick = [this] { radFarbenClick(); };
    radSize->OnClick = [this] { radSizeClick(); };
    radiogr->OnClick = [this] { radiogrClick(); };
    radSprache->OnClick = [this] { radSpracheClick(); };
    SpeedButton13->OnClick = [this] { SpeedButton13Click(); };
    SpeedButton5->OnClick = [this] { SpeedButton5Click(); };
    SpeedButton6->OnClick = [this] { SpeedButton6Click(); };
    SpeedButton7->OnClick = [this] { SpeedButton7Click(); };
    SpeedButton8->OnClick = [this] { SpeedButton8Click(); };
    SpeedButton9->OnClick = [this] { SpeedButton9Click(); };
    SpeedButton10->OnClick = [this] { SpeedButton10Click(); };
    SpeedButton11->OnClick = [this] { SpeedButton11Click(); };
    SpeedButton1->OnClick = [this] { SpeedButton1Click(); };
    SpeedButton2->OnClick = [this] { SpeedButton2Click(); };
    SpeedButton15->OnClick = [this] { SpeedButton15Click(); };
    SpeedButton4->OnClick = [this] { SpeedButton4Click(); };
    SpeedButton12->OnClick = [this] { SpeedButton12Click(); };
    SpeedButton14->OnClick = [this] { SpeedButton14Click(); };
    radSound->OnClick = [this] { radSoundClick(); };
    OpenUrl = [](const QString& address) { QDesktopServices::openUrl(QUrl(address)); };
    SpeedButton3->OnClick = [this] { SpeedButton3Click(); };
    sbComp->OnClick = [this] { sbCompClick(); };

    AimWidgets::Hooks hooks;
    hooks.DrawScene = [this] { DrawScene(); };
    hooks.SetMemoLines = [this](const std::vector<std::string>& lines) { Memo1->SetLines(lines); };
    hooks.UpdateStatusLabels = [this] { UpdateStatusLabels(); };
    decimalSeparator_ = QLocale::system().decimalPoint().at(0).toLatin1();
    aim_ = std::make_unique<AimWidgets>(S, pb->Canvas(), im2->Canvas(), im3->Canvas(), hooks, decimalSeparator_);
    pb->OnMouseDown = [this](int x, int y) { aim_->pbMouseDown(x, y); };
    pb->OnMouseMove = [this](int x, int y) { aim_->pbMouseMove(x, y); };
    pb->OnMouseUp = [this](int x, int y) { aim_->pbMouseUp(x, y); };
    im2->OnMouseDown = [this](int x, int y) { aim_->im2MouseDown(x, y); };
    im2->OnMouseMove = [this](int x, int y) { aim_->im2MouseMove(x, y); };
    im2->OnMouseUp = [this](int x, int y) { aim_->im2MouseUp(x, y); };
    im3->OnMouseDown = [this](int x, int y) { aim_->im3MouseDown(x, y); };
    im3->OnMouseMove = [this](int x, int y) { aim_->im3MouseMove(x, y); };
    im3->OnMouseUp = [this](int x, int y) { aim_->im3MouseUp(x, y); };

    ShowNotice = [this](const QString& title, const QString& text) {
        QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, this);
        box.button(QMessageBox::Ok)->setIcon(QIcon());
        box.exec();
    };
}

void TForm1::FormCreate() {
    Panel3->resize(40, Panel3->height());
    SetOuterSize(750, 650);
    DragMode = 0;
    RotX = 0.0;
    RotY = 0.0;
    // The view's native window and its context exist from here on; a failure
    // leaves glReady_ false and every frame request stops before OpenGL.
    DeviceContext->setGeometry(rect());
    winId();
    RenderContext = new QOpenGLContext(this);
    RenderContext->setFormat(QSurfaceFormat::defaultFormat());
    DeviceContext->Surface()->create();
    if (RenderContext->create() && RenderContext->makeCurrent(DeviceContext->Surface())) {
        InitGlState(Gl);
        glReady_ = true;
    }
    for (int k = 1; k <= 3; ++k) {
        const QResource wav(QStringLiteral(":/sound/klang%1").arg(k));
        S.SoundData[k] = {wav.data(), static_cast<std::size_t>(wav.size())};
    }
    S.Language = LanguageIdFromLocale(QLocale::system().name().toStdString());
    radSprache->SetItemIndex(S.Language / 1000 - 1);
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
    if (RenderContext) {
        RenderContext->doneCurrent();
        delete RenderContext;
        RenderContext = nullptr;
    }
}

void TForm1::closeEvent(QCloseEvent* e) {
    if (Form3) Form3->close();
    QWidget::closeEvent(e);
}

int TForm1::OuterWidth() const { return frameGeometry().width(); }
int TForm1::OuterHeight() const { return frameGeometry().height(); }

// The size is the outer size, frame included. The frame is known only once a
// window manager has framed the window, so the client size follows then.
void TForm1::SetOuterSize(int width, int height) {
    wantOuterW_ = width;
    wantOuterH_ = height;
    const QSize frame = frameGeometry().size() - geometry().size();
    resize(width - frame.width(), height - frame.height());
}

void TForm1::showEvent(QShowEvent* e) {
    QWidget::showEvent(e);
    if (e->spontaneous()) return;
    // The view's native window must lie under the panels' native windows.
    DeviceContext->Surface()->lower();
    if (const QScreen* desktop = screen() ? screen() : QGuiApplication::primaryScreen())
        move(desktop->availableGeometry().center() - QPoint(wantOuterW_ / 2, wantOuterH_ / 2));
    FitOuterSize();
}

void TForm1::FitOuterSize() {
    auto tries = std::make_shared<int>(0);
    auto* timer = new QTimer(this);
    timer->setInterval(20);
    QObject::connect(timer, &QTimer::timeout, this, [this, timer, tries] {
        const QSize frame = frameGeometry().size() - geometry().size();
        if (!frame.isEmpty() || ++*tries > 50) {
            timer->deleteLater();
            if (frame.isEmpty()) return;
            const QPoint topLeft = frameGeometry().topLeft();
            resize(wantOuterW_ - frame.width(), wantOuterH_ - frame.height());
            move(topLeft);
        }
    });
    timer->start();
}

bool TForm1::event(QEvent* e) {
    if (e->type() == QEvent::WindowActivate) {
        const bool handled = QWidget::event(e);
        FormActivate();
        return handled;
    }
    return QWidget::event(e);
}

void TForm1::resizeEvent(QResizeEvent* e) {
    QWidget::resizeEvent(e);
    if (DeviceContext) DeviceContext->setGeometry(rect());
    if (RenderContext) FormResize();
}

// One frame: drawn with the shared state held still, then swapped. A window
// not on the screen yet (the first frame of start-up) has nothing to swap.
void TForm1::PaintFrame(bool swap) {
    FrameView view;
    view.RotX = RotX;
    view.RotY = RotY;
    view.Look = radiogr->ItemIndex();
    view.Memo = [this](const std::vector<std::string>& lines) { Memo1->SetLines(lines); };
    view.DecimalSeparator = decimalSeparator_;
    RenderContext->makeCurrent(DeviceContext->Surface());
    Gl.glViewport(0, 0, viewportW_, viewportH_);
    {
        std::lock_guard<std::mutex> lock(S.SharedLock);
        sky::DrawScene(Gl, S, view);
    }
    ++framesDrawn_;
    if (swap) RenderContext->swapBuffers(DeviceContext->Surface());
}

void TForm1::DrawScene() {
    if (!glReady_) return;
    const bool onScreen = DeviceContext->Surface()->isExposed();
    PaintFrame(onScreen);
    if (!onScreen) Gl.glFinish();
}

// What the view shows now, read back without drawing anew: a swap copies the
// frame to the window and leaves it in the back buffer.
QImage TForm1::GrabFrame() {
    if (!glReady_) return {};
    RenderContext->makeCurrent(DeviceContext->Surface());
    const int w = DeviceContext->width(), h = DeviceContext->height();
    QImage image(w, h, QImage::Format_RGBA8888);
    Gl.glPixelStorei(GL_PACK_ALIGNMENT, 4);
    Gl.glReadBuffer(GL_BACK);
    Gl.glReadPixels(0, 0, w, h, GL_RGBA, GL_UNSIGNED_BYTE, image.bits());
    return image.mirrored();
}

void TForm1::FormPaint() { DrawScene(); }

void TForm1::FormResize() {
    if (glReady_) {
        RenderContext->makeCurrent(DeviceContext->Surface());
        viewportW_ = OuterWidth();
        viewportH_ = OuterHeight();
        SetProjection(Gl, viewportW_, viewportH_);
    }
    const int cw = width(), ch = height();
    Panel2->move(cw - Panel2->width() - 5, Panel2->y());
    Panel3->move(Panel3->x(), ch - Panel3->height() - 5);
    Panel4->move(cw - Panel4->width() - 5, ch - Panel4->height() - 5);
    DrawScene();
}

void TForm1::FormMouseDown(Qt::MouseButton button, int x, int y) {
    if (button == Qt::LeftButton) {
        DragMode = 1;
        DragLastX = x;
        DragLastY = y;
    } else if (button == Qt::RightButton) {
        DragMode = 2;
        ZoomLastY = y;
    }
}

void TForm1::FormMouseMove(int x, int y) {
    if (DragMode == 1) {
        const CameraAngles a = RotateByDrag({RotX, RotY}, x - DragLastX, y - DragLastY);
        RotX = a.RotX;
        RotY = a.RotY;
        DragLastX = x;
        DragLastY = y;
        DrawScene();
    } else if (DragMode == 2) {
        S.Zoom = ZoomByDrag(S.Zoom, y - ZoomLastY);
        ZoomLastY = y;
        ShowCameraValues();
        DrawScene();
    }
}

void TForm1::FormMouseUp() { DragMode = 0; }

void TForm1::SpeedButton7Click() { RotX -= CameraStepDegrees; DrawScene(); }
void TForm1::SpeedButton8Click() { RotX += CameraStepDegrees; DrawScene(); }
void TForm1::SpeedButton9Click() { RotY -= CameraStepDegrees; DrawScene(); }
void TForm1::SpeedButton10Click() { RotY += CameraStepDegrees; DrawScene(); }
void TForm1::SpeedButton5Click() { S.Zoom += CameraStepZoom; DrawScene(); }
void TForm1::SpeedButton6Click() { S.Zoom -= CameraStepZoom; DrawScene(); }
void TForm1::SpeedButton11Click() {
    RotX = HomeRotX;
    RotY = HomeRotY;
    S.Zoom = HomeZoom;
    DrawScene();
}

void TForm1::ShowCameraValues() {
    Memo1->SetLines({"RotX: " + FloatToText(RotX, decimalSeparator_), "RotY: " + FloatToText(RotY, decimalSeparator_),
                     "Zoom: " + FloatToText(S.Zoom, decimalSeparator_)});
}

void TForm1::NewGame() {
    GenerateTerrain(S, imLand->Canvas());
    imLand->Changed();
    S.DebrisVisible = 0;
    S.TrailLength = 0;
    RotX = HomeRotX;
    RotY = HomeRotY;
    S.Zoom = HomeZoom;
    S.WindDirection = S.Rng.Unit() * 2 * Pi;
    DrawWindArrow();
    S.Energy[1] = 100;
    S.Energy[2] = 100;
    S.CurrentPlayer = Trunc(S.Rng.Unit() * 2) + 1;
    S.PlayerAim[1] = StartAim;
    S.PlayerAim[2] = StartAim;
    RefreshAimWidgets();
    ShowCameraValues();
    DrawScene();
}

void TForm1::DrawWindArrow() {
    sky::DrawWindArrow(imPfeil->Canvas(), S.WindDirection);
    imPfeil->Changed();
}

void TForm1::RefreshAimWidgets() {
    aim_->RefreshAimWidgets();
    pb->Changed();
    im2->Changed();
    im3->Changed();
}

void TForm1::SpeedButton13Click() {
    S.Score[1] = 0;
    S.Score[2] = 0;
    NewGame();
}

void TForm1::BuildColourTable() {
    {
        std::lock_guard<std::mutex> lock(S.SharedLock);
        sky::BuildColourTable(S, radFarben->ItemIndex(), imFarben->Canvas());
    }
    imFarben->Changed();
}

void TForm1::DrawOverviewMap() {
    {
        std::lock_guard<std::mutex> lock(S.SharedLock);
        sky::DrawOverviewMap(S, imLand->Canvas());
    }
    imLand->Changed();
}

void TForm1::radFarbenClick() {
    const int index = radFarben->ItemIndex();
    if (index >= 1 && index <= 5) S.BaseColour = SchemeBaseColour(index);
    BuildColourTable();
    DrawScene();
    DrawOverviewMap();
}

void TForm1::radSizeClick() {
    const int index = radSize->ItemIndex();
    if (index >= 0 && index < static_cast<int>(DetailSteps.size()))
        S.DetailStep = DetailSteps[static_cast<std::size_t>(index)];
    DrawScene();
}

void TForm1::radiogrClick() { DrawScene(); }

void TForm1::ApplyLanguage() {
    const auto str = [this](int k) { return LoadStr(S.Language + k); };
    SpeedButton3->SetCaption(str(0));
    radFarben->SetCaption(str(3));
    radFarben->SetItems(str(4));
    radSize->SetCaption(str(5));
    radiogr->SetCaption(str(6));
    radiogr->SetItems(str(7));
    radSprache->SetCaption(str(8));
    Label1->setVisible(S.Language == 3000);
    SpeedButton13->SetCaption(str(11));
    radSound->SetCaption(str(15));
    radSound->SetItems(str(16));
    sbComp->SetCaption(str(17));
    radComp->SetCaption(str(18));
    radComp->SetItems(str(19));
}

void TForm1::UpdateStatusLabels() {
    const StatusLabels labels = ComputeStatusLabels(S);
    const auto apply = [](TLabel* label, const StatusLabel& l) {
        label->SetCaption(l.text);
        label->SetFontColour(QColor(l.colour.r & 255, l.colour.g & 255, l.colour.b & 255));
    };
    apply(laSpieler, labels.laSpieler);
    apply(laEnergie1, labels.laEnergie1);
    apply(laEnergie2, labels.laEnergie2);
    apply(laPunkte1, labels.laPunkte1);
    apply(laPunkte2, labels.laPunkte2);
}

void TForm1::radSpracheClick() {
    S.Language = radSprache->ItemIndex() * 1000 + 1000;
    ApplyLanguage();
    UpdateStatusLabels();
}
