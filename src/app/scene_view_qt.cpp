// The OpenGL surface of the main window, and the frames drawn on it.
#include "app/scene_view_qt.h"

#include <QKeyEvent>
#include <QMouseEvent>

#include <mutex>

#include "app/form1_qt.h"
#include "core/number_text.h"
#include "view/models.h"
#include "view/renderer.h"

namespace sky {

namespace {
// The native window the frames are drawn into and swapped on.
class GlSurface : public QWindow {
public:
    // The keyboard stays with the main window, whose focus chain has the view as a stop.
    explicit GlSurface(SceneView* view) : view_(view) {
        setSurfaceType(QSurface::OpenGLSurface);
        setFlag(Qt::WindowDoesNotAcceptFocus);
    }

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

SceneView::SceneView(QWidget* parent)
    : QWidget(parent), surface_(new GlSurface(this)), exposeFilter_(surface_) {
    container_ = QWidget::createWindowContainer(surface_, this);
    container_->setAttribute(Qt::WA_TransparentForMouseEvents);
    container_->setFocusPolicy(Qt::NoFocus);
}

void SceneView::keyPressEvent(QKeyEvent* e) {
    if (!(OnKeyDown && OnKeyDown(e->key()))) QWidget::keyPressEvent(e);
}

void SceneView::resizeEvent(QResizeEvent*) { container_->setGeometry(rect()); }

void SceneView::Mouse(QMouseEvent* e) {
    const QPoint p = e->position().toPoint();
    switch (e->type()) {
        case QEvent::MouseButtonPress:
            // The press lands on the native surface, past the toolkit's click-to-focus.
            if (focusPolicy() & Qt::ClickFocus) setFocus(Qt::MouseFocusReason);
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

using namespace sky;

// The view's native window and its context; a failure leaves glReady_ false
// and every frame request stops before OpenGL.
void TForm1::CreateRenderContext() {
    DeviceContext->setGeometry(rect());
    winId();
    RenderContext = new QOpenGLContext(this);
    RenderContext->setFormat(QSurfaceFormat::defaultFormat());
    DeviceContext->Surface()->create();
    if (RenderContext->create() && RenderContext->makeCurrent(DeviceContext->Surface())) {
        InitGlState(Gl);
        glReady_ = true;
    }
}

// One frame: drawn with the shared state held still, then swapped. A window
// not on the screen yet (the first frame of start-up) has nothing to swap.
void TForm1::PaintFrame(bool swap) {
    FrameView view;
    view.RotX = RotX;
    view.RotY = RotY;
    view.Look = radiogr->ItemIndex();
    RenderContext->makeCurrent(DeviceContext->Surface());
    Gl.glViewport(0, 0, viewportW_, viewportH_);
    bool missile;
    Point3 velocity;
    {
        std::lock_guard<std::mutex> lock(S.SharedLock);
        sky::DrawScene(Gl, S, view);
        missile = S.ShotInFlight && S.TrailLength > 0;
        velocity = S.MissileVelocity;
    }
    ++framesDrawn_;
    if (swap) {
        RenderContext->swapBuffers(DeviceContext->Surface());
        DeviceContext->FramePresented();
    }
    // A frame with the missile leaves its heading and pitch in the hidden memo,
    // written here rather than while the frame holds the worker back.
    if (missile) {
        const MissileAttitude a = AttitudeOf(velocity);
        Memo1->SetLines({FloatToText(a.heading, decimalSeparator_), FloatToText(a.pitch, decimalSeparator_)});
    }
}

void TForm1::DrawScene() {
    if (!glReady_) return;
    if (!NativeWindowExists(DeviceContext->Surface()->winId())) {
        WindowLost();
        return;
    }
    const bool onScreen = DeviceContext->Surface()->isExposed();
    PaintFrame(onScreen);
    if (!onScreen) Gl.glFinish();
}

// What the view shows now, read back without drawing anew: a swap copies the
// frame to the window and leaves it in the back buffer.
QImage TForm1::GrabFrame() {
    if (!glReady_) return {};
    RenderContext->makeCurrent(DeviceContext->Surface());
    const qreal scale = DeviceContext->Surface()->devicePixelRatio();
    const int w = qRound(DeviceContext->width() * scale), h = qRound(DeviceContext->height() * scale);
    QImage image(w, h, QImage::Format_RGBA8888);
    Gl.glPixelStorei(GL_PACK_ALIGNMENT, 4);
    Gl.glReadBuffer(GL_BACK);
    Gl.glReadPixels(0, 0, w, h, GL_RGBA, GL_UNSIGNED_BYTE, image.bits());
    return image.mirrored();
}

void TForm1::FormPaint() { DrawScene(); }
