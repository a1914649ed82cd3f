// The 3D view of the main window. Its frames are drawn with OpenGL into an
// offscreen framebuffer of the view's size in device pixels, read back, and
// shown as an image under the panels, which are ordinary child widgets: the
// toolkit composes the window in software on every platform. The window thus
// holds no native OpenGL surface, which Qt's Wayland client cannot stack
// child windows over, and no frame waits for a compositor. The view keeps
// its last frame, so an exposure shows it again without drawing the scene.
// It forwards its mouse and, as a focus stop of the window, its keys.
#pragma once

#include <QImage>
#include <QWidget>

#include <functional>
#include <memory>

#include "view/gl_api.h"

class QOffscreenSurface;
class QOpenGLContext;
class QOpenGLFramebufferObject;

namespace sky {

class SceneView : public QWidget {
public:
    explicit SceneView(QWidget* parent);
    ~SceneView() override;

    // The context on its offscreen surface; false when OpenGL cannot be had.
    bool CreateContext();
    QOpenGLContext* Context() const { return context_; }
    void MakeCurrent();
    // Deletes the context; frames stop.
    void ReleaseContext();
    // Makes the context current with a framebuffer of the view's size bound.
    void BeginFrame();
    // The frame drawn since BeginFrame becomes what the view shows; on the
    // screen before this returns when the window is shown.
    void PresentFrame(const GlApi& gl);
    // The view's size in device pixels (a HiDPI screen has two or more per logical pixel).
    QSize DeviceSize() const;
    // The window the frames appear in.
    QWindow* Surface() const;
    // What the view shows now.
    QImage grabFramebuffer() const { return frame_; }

    std::function<void(Qt::MouseButton, int, int)> OnMouseDown, OnMouseMove, OnMouseUp;
    // A key pressed while the view has the focus; answers whether it was used.
    std::function<bool(int key)> OnKeyDown;

protected:
    void paintEvent(QPaintEvent* e) override;
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override { Mouse(e); }
    void mouseMoveEvent(QMouseEvent* e) override { Mouse(e); }
    void mouseReleaseEvent(QMouseEvent* e) override { Mouse(e); }

private:
    void Mouse(QMouseEvent* e);
    QRegion Uncovered() const;

    std::unique_ptr<QOffscreenSurface> surface_;
    QOpenGLContext* context_ = nullptr;
    std::unique_ptr<QOpenGLFramebufferObject> target_;
    bool readsTopDown_ = false;
    QImage frame_;
};

}  // namespace sky
