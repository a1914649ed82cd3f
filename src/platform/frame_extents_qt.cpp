#include "platform/frame_extents.h"

#include <QGuiApplication>

#include <cstdlib>
#include <cstring>
#include <optional>

#include "platform/x11_connection.h"

namespace sky {

namespace {

// What an X11 window manager has set in _NET_FRAME_EXTENTS on the window
// (left, right, top, bottom, in the screen's pixels), in the window's own
// pixels; nothing where it has not, or off X11.
std::optional<QMargins> ReportedFrameExtents(WId id, qreal scale) {
    xcb_connection_t* const c = X11Connection();
    if (!c) return std::nullopt;
    const char name[] = "_NET_FRAME_EXTENTS";
    xcb_intern_atom_reply_t* atom =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 1, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    if (!atom) return std::nullopt;
    const xcb_atom_t extents = atom->atom;
    std::free(atom);
    if (extents == XCB_ATOM_NONE) return std::nullopt;
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        c, xcb_get_property(c, 0, static_cast<xcb_window_t>(id), extents, XCB_ATOM_CARDINAL, 0, 4), nullptr);
    std::optional<QMargins> told;
    if (reply && reply->format == 32 && xcb_get_property_value_length(reply) == 16) {
        const auto* v = static_cast<const uint32_t*>(xcb_get_property_value(reply));
        const auto own = [scale](uint32_t device) { return qRound(device / scale); };
        told = QMargins(own(v[0]), own(v[2]), own(v[1]), own(v[3]));
    }
    std::free(reply);
    return told;
}

}  // namespace

QMargins FrameMargins(const QWidget& window) {
    const bool created = window.testAttribute(Qt::WA_WState_Created);
    // The window manager's own word, read afresh: the toolkit measures the
    // frame once per configure event and keeps the measure, so one taken
    // while a busy window manager was still making the frame can stand for good.
    if (created)
        if (const std::optional<QMargins> told = ReportedFrameExtents(window.winId(), window.devicePixelRatioF())) return *told;
    const QMargins measured = ToolkitFrameMargins(window);
    // No frame is narrower than nothing: the toolkit has measured a frame
    // window the window manager has not sized yet. The frame is not known.
    if (measured.left() < 0 || measured.top() < 0 || measured.right() < 0 || measured.bottom() < 0) return {};
    if (measured.isNull() || !created || !X11Connection()) return measured;
    return {1, 24, 1, 1};
}

QMargins ToolkitFrameMargins(const QWidget& window) {
    const QRect outer = window.frameGeometry(), inner = window.geometry();
    return {inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
            outer.bottom() - inner.bottom()};
}

bool PlacesOwnWindows() { return !QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

}  // namespace sky
