#include "platform/stale_expose.h"

#include <QCoreApplication>

#include "platform/x11_connection.h"

namespace sky {

StaleExposeFilter::StaleExposeFilter(QWindow* surface) : surface_(surface) {
    if (X11Connection()) QCoreApplication::instance()->installNativeEventFilter(this);
}

StaleExposeFilter::~StaleExposeFilter() {
    if (QCoreApplication::instance()) QCoreApplication::instance()->removeNativeEventFilter(this);
}

void StaleExposeFilter::FramePresented() {
    xcb_connection_t* const c = X11Connection();
    if (!c) return;
    // A request of no effect, issued after the frame's own: its number marks the frame.
    presented_ = static_cast<uint16_t>(xcb_no_operation(c).sequence);
    anyPresented_ = true;
}

bool StaleExposeFilter::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (!anyPresented_ || !surface_ || eventType != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_EXPOSE) return false;
    const auto* expose = static_cast<const xcb_expose_event_t*>(message);
    // Only a window that is on the screen already; the first Expose of a map
    // is what makes the toolkit count it as exposed.
    if (!surface_->isExposed() || expose->window != surface_->winId()) return false;
    const bool beforeFrame = static_cast<int16_t>(static_cast<uint16_t>(expose->sequence - presented_)) < 0;
    return beforeFrame;
}

}  // namespace sky
