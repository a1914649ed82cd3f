// The 3D view of the main window: a native OpenGL window covering the client
// area, so that a frame is drawn and swapped the moment it is asked for. It
// forwards its exposure, its mouse and, as a focus stop of the window, its
// keys to the main window.
#pragma once

#include <QImage>
#include <QWidget>
#include <QWindow>

#include <functional>

#include "platform/stale_expose.h"

namespace sky {

class SceneView : public QWidget {
public:
    explicit SceneView(QWidget* parent);
    QWindow* Surface() const { return surface_; }
    // A frame was swapped onto the surface: exposures from before it need none.
    void FramePresented() { exposeFilter_.FramePresented(); }
    // Answers what the view shows now.
    QImage grabFramebuffer() { return OnGrab ? OnGrab() : QImage(); }

    std::function<void()> OnExpose;
    std::function<QImage()> OnGrab;
    std::function<void(Qt::MouseButton, int, int)> OnMouseDown, OnMouseMove, OnMouseUp;
    // A key pressed while the view has the focus; answers whether it was used.
    std::function<bool(int key)> OnKeyDown;
    void Mouse(QMouseEvent* e);

protected:
    void keyPressEvent(QKeyEvent* e) override;
    void mousePressEvent(QMouseEvent* e) override { Mouse(e); }
    void mouseMoveEvent(QMouseEvent* e) override { Mouse(e); }
    void mouseReleaseEvent(QMouseEvent* e) override { Mouse(e); }
    void resizeEvent(QResizeEvent* e) override;

private:
    QWindow* surface_;
    QWidget* container_;
    StaleExposeFilter exposeFilter_;
};

}  // namespace sky
