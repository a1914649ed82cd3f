// The OpenGL view of the main window, and the frames drawn in it.
#include "app/scene_view_qt.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QOffscreenSurface>
#include <QOpenGLContext>
#include <QOpenGLFramebufferObject>
#include <QPaintEngine>
#include <QPainter>
#include <QWindow>

#include <algorithm>
#include <cstring>
#include <mutex>

#include "app/form1_qt.h"
#include "core/number_text.h"
#include "view/models.h"
#include "view/renderer.h"

namespace sky {

SceneView::SceneView(QWidget* parent) : QWidget(parent) {
    // Every pixel is the frame's: nothing under the view needs painting.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

SceneView::~SceneView() { ReleaseContext(); }

bool SceneView::CreateContext() {
    surface_ = std::make_unique<QOffscreenSurface>();
    surface_->setFormat(QSurfaceFormat::defaultFormat());
    surface_->create();
    context_ = new QOpenGLContext(this);
    context_->setFormat(QSurfaceFormat::defaultFormat());
    if (!context_->create() || !context_->makeCurrent(surface_.get())) return false;
    readsTopDown_ = context_->hasExtension("GL_MESA_pack_invert");
    return true;
}

void SceneView::MakeCurrent() { context_->makeCurrent(surface_.get()); }

void SceneView::ReleaseContext() {
    if (!context_) return;
    MakeCurrent();
    target_.reset();
    context_->doneCurrent();
    delete context_;
    context_ = nullptr;
    surface_.reset();
}

QSize SceneView::DeviceSize() const {
    const qreal scale = devicePixelRatioF();
    return {qRound(width() * scale), qRound(height() * scale)};
}

QWindow* SceneView::Surface() const { return window()->windowHandle(); }

void SceneView::BeginFrame() {
    MakeCurrent();
    // A view shrunk to nothing still has a pixel to draw into.
    const QSize size = DeviceSize().expandedTo(QSize(1, 1));
    if (!target_ || target_->size() != size)
        target_ = std::make_unique<QOpenGLFramebufferObject>(size, QOpenGLFramebufferObject::CombinedDepthStencil);
    target_->bind();
}

void SceneView::PresentFrame(const GlApi& gl) {
    const QSize size = target_->size();
    if (frame_.size() != size) frame_ = QImage(size, QImage::Format_RGB32);
    frame_.setDevicePixelRatio(devicePixelRatioF());
    // Read back in the image's own byte order, which waits for the frame to be
    // complete. OpenGL's rows run bottom up: Mesa hands them over top down on
    // request, elsewhere they are turned afterwards.
    gl.glPixelStorei(GL_PACK_ALIGNMENT, 4);
    if (readsTopDown_) gl.glPixelStorei(GL_PACK_INVERT_MESA, GL_TRUE);
    gl.glReadPixels(0, 0, size.width(), size.height(), GL_BGRA, GL_UNSIGNED_INT_8_8_8_8_REV, frame_.bits());
    if (readsTopDown_) gl.glPixelStorei(GL_PACK_INVERT_MESA, GL_FALSE);
    else frame_.mirror();
    // A window off the screen (minimised) shows the frame when it is back.
    const QWindow* shownIn = Surface();
    if (isVisible() && shownIn && shownIn->isExposed()) repaint(Uncovered());
    else update(Uncovered());
}

// The part of the view no opaque panel lies over: only there does a new frame change the window.
QRegion SceneView::Uncovered() const {
    QRegion region(rect());
    bool above = false;
    for (const QObject* o : parentWidget()->children()) {
        const auto* w = qobject_cast<const QWidget*>(o);
        if (w == this) above = true;
        else if (above && w && !w->isWindow() && w->isVisible() && w->autoFillBackground() && w->mask().isEmpty())
            region -= w->geometry();
    }
    return region;
}

// The frame's rows are copied straight into the window's buffer where that is
// an image of 32-bit pixels at the frame's scale: the toolkit would hand a
// blit of this size to its thread pool, which costs more than it saves here
// (and slows ThreadSanitizer, which cannot follow the pool, to a crawl).
void SceneView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    QPaintEngine* engine = painter.paintEngine();
    auto* buffer = dynamic_cast<QImage*>(engine->paintDevice());
    const QTransform place = painter.deviceTransform();
    if (!buffer || buffer->depth() != 32 || place.type() > QTransform::TxScale ||
        !qFuzzyCompare(place.m11(), frame_.devicePixelRatio())) {
        painter.fillRect(rect(), palette().window());
        painter.drawImage(0, 0, frame_);
        return;
    }
    const QPoint origin = place.map(QPointF(0, 0)).toPoint();
    const QRect frame = frame_.rect().translated(origin);
    const QRgb grey = palette().window().color().rgb();
    for (const QRect& r : engine->systemClip()) {
        const QRect area = r.intersected(buffer->rect()), shown = area.intersected(frame);
        for (int y = shown.top(); y <= shown.bottom(); ++y)
            std::memcpy(buffer->scanLine(y) + shown.left() * 4,
                        frame_.constScanLine(y - origin.y()) + (shown.left() - origin.x()) * 4,
                        static_cast<std::size_t>(shown.width()) * 4);
        // Until a frame of the view's present size is drawn, the window's grey fills the rest.
        for (const QRect& rest : QRegion(area).subtracted(shown))
            for (int y = rest.top(); y <= rest.bottom(); ++y) {
                QRgb* row = reinterpret_cast<QRgb*>(buffer->scanLine(y));
                std::fill(row + rest.left(), row + rest.right() + 1, grey);
            }
    }
}

void SceneView::keyPressEvent(QKeyEvent* e) {
    if (!(OnKeyDown && OnKeyDown(e->key()))) QWidget::keyPressEvent(e);
}

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

using namespace sky;

// The view's context; a failure leaves glReady_ false and every frame
// request stops before OpenGL.
void TForm1::CreateRenderContext() {
    DeviceContext->setGeometry(rect());
    winId();
    const bool made = DeviceContext->CreateContext();
    RenderContext = DeviceContext->Context();
    if (made) {
        InitGlState(Gl);
        glReady_ = true;
    }
}

// One frame: drawn with the shared state held still, then shown.
void TForm1::PaintFrame() {
    FrameView view;
    view.RotX = RotX;
    view.RotY = RotY;
    view.Look = radiogr->ItemIndex();
    DeviceContext->BeginFrame();
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
    DeviceContext->PresentFrame(Gl);
    // A frame with the missile leaves its heading and pitch in the hidden memo,
    // written here rather than while the frame holds the worker back.
    if (missile) {
        const MissileAttitude a = AttitudeOf(velocity);
        Memo1->SetLines({FloatToText(a.heading, decimalSeparator_), FloatToText(a.pitch, decimalSeparator_)});
    }
}

void TForm1::DrawScene() {
    if (!glReady_) return;
    if (!NativeWindowExists(winId())) {
        WindowLost();
        return;
    }
    PaintFrame();
}
