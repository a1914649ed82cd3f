#include "platform/window_loss.h"

#include <QCoreApplication>
#include <QTimer>

#include <cstdlib>

#include "platform/x11_connection.h"

namespace sky {

bool NativeWindowExists(WId id) {
    xcb_connection_t* const c = X11Connection();
    if (!c) return true;
    xcb_generic_error_t* error = nullptr;
    xcb_get_window_attributes_reply_t* reply =
        xcb_get_window_attributes_reply(c, xcb_get_window_attributes(c, static_cast<xcb_window_t>(id)), &error);
    const bool exists = reply != nullptr;
    std::free(reply);
    std::free(error);
    return exists;
}

WindowLossWatch::WindowLossWatch(QWidget* window, std::function<void()> onLost)
    : window_(window), onLost_(std::move(onLost)) {
    QCoreApplication::instance()->installNativeEventFilter(this);
}

WindowLossWatch::~WindowLossWatch() {
    if (QCoreApplication::instance()) QCoreApplication::instance()->removeNativeEventFilter(this);
}

bool WindowLossWatch::nativeEventFilter(const QByteArray& eventType, void* message, qintptr*) {
    if (lost_ || !window_ || eventType != "xcb_generic_event_t") return false;
    const auto* event = static_cast<const xcb_generic_event_t*>(message);
    if ((event->response_type & 0x7f) != XCB_DESTROY_NOTIFY) return false;
    const auto* destroyed = static_cast<const xcb_destroy_notify_event_t*>(message);
    if (!window_->testAttribute(Qt::WA_WState_Created) || destroyed->window != window_->winId()) return false;
    lost_ = true;
    // Not from inside the toolkit's event handling: from the event loop, next.
    QTimer::singleShot(0, window_, [this] {
        if (onLost_) onLost_();
    });
    return false;
}

}  // namespace sky
