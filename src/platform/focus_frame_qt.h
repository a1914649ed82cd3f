// The frame around the control that has the keyboard focus. It shows from the
// moment the player moves the focus with Tab until the next mouse press, and
// only while the window is active, so a player who uses the mouse never sees
// one and the window's look is the same as without it. It is drawn just
// outside the control, over its neighbours, never into the control itself.
#pragma once

#include <QFocusFrame>
#include <QObject>
#include <QPointer>
#include <QWidget>

#include <vector>

namespace sky {

class FocusFrame : public QObject {
public:
    explicit FocusFrame(QWidget* window);
    // A control that covers the whole window under the panels (the 3D view):
    // its frame runs along its inner edge.
    void FrameInside(QWidget* control);
    // The control framed now, or none.
    QWidget* Framed() const { return framed_; }

protected:
    bool eventFilter(QObject* watched, QEvent* e) override;

private:
    // A ring: the frame's colour over its whole rectangle, cut down to the
    // border by a mask, so it hides nothing inside. The toolkit leaves focus
    // frames out of what a screen reader sees.
    class Ring : public QFocusFrame {
    public:
        explicit Ring(QWidget* parent);
        void Surround(QWidget* parent, const QRect& outer, int width);

    protected:
        void paintEvent(QPaintEvent*) override;
    };

    bool InWindow(QObject* o) const;
    void Follow();

    // The rings live in the framed controls' parents and may go before this
    // object does, when the window closes; hence the guarded pointers.
    QWidget* window_;
    std::vector<QWidget*> inside_;
    bool keyboard_ = false;
    QPointer<QWidget> framed_;
    QPointer<Ring> around_, along_;  // made when first needed
};

}  // namespace sky
