// Tells when a top-level window is destroyed by someone else, which the
// toolkit does not report: a window killed by the window manager or by a tool
// (xdotool windowclose) is simply gone, and a program that waits for its
// close would run on with no window. Only X11 can do this to a window.
#pragma once

#include <QAbstractNativeEventFilter>
#include <QPointer>
#include <QWidget>

#include <functional>

namespace sky {

// Whether a native window still exists on the display. A round trip to the
// X server (elsewhere always true): asked right before a frame, so that no
// frame is sent to a window that is gone.
bool NativeWindowExists(WId id);

class WindowLossWatch : public QAbstractNativeEventFilter {
public:
    // onLost runs on the window thread, from the event loop, once.
    WindowLossWatch(QWidget* window, std::function<void()> onLost);
    ~WindowLossWatch() override;
    WindowLossWatch(const WindowLossWatch&) = delete;
    WindowLossWatch& operator=(const WindowLossWatch&) = delete;

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    QPointer<QWidget> window_;
    std::function<void()> onLost_;
    bool lost_ = false;
};

}  // namespace sky
