// X11 sends an Expose event after every resize of the 3D view's window, and
// usually one more when a window is mapped. The view has often drawn the new
// size already by then: the resize handler's frame follows the resize on the
// same X connection, so the server paints it after it has cleared the window.
// Such an Expose asks for nothing, and a frame at the finest detail costs a
// tenth of a second. This filter drops an Expose of the view's window that the
// server generated before the last frame reached it (X events carry the
// sequence number of the last request processed); a later one still draws.
#pragma once

#include <QAbstractNativeEventFilter>
#include <QPointer>
#include <QWindow>

#include <cstdint>

namespace sky {

class StaleExposeFilter : public QAbstractNativeEventFilter {
public:
    explicit StaleExposeFilter(QWindow* surface);
    ~StaleExposeFilter() override;
    StaleExposeFilter(const StaleExposeFilter&) = delete;
    StaleExposeFilter& operator=(const StaleExposeFilter&) = delete;

    // Right after a frame was swapped onto the surface.
    void FramePresented();

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override;

private:
    QPointer<QWindow> surface_;
    uint16_t presented_ = 0;  // the first request after the last frame
    bool anyPresented_ = false;
};

}  // namespace sky
