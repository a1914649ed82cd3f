#include "platform/frame_extents.h"

#include <QGuiApplication>

#include <cstdlib>
#include <cstring>

#include "platform/x11_connection.h"

namespace sky {

namespace {

// Whether an X11 window manager has set _NET_FRAME_EXTENTS on the window;
// true everywhere else, where the toolkit's measure stands.
bool FrameExtentsReported(WId id) {
    xcb_connection_t* const c = X11Connection();
    if (!c) return true;
    const char name[] = "_NET_FRAME_EXTENTS";
    xcb_intern_atom_reply_t* atom =
        xcb_intern_atom_reply(c, xcb_intern_atom(c, 1, static_cast<uint16_t>(std::strlen(name)), name), nullptr);
    if (!atom) return false;
    const xcb_atom_t extents = atom->atom;
    std::free(atom);
    if (extents == XCB_ATOM_NONE) return false;
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        c, xcb_get_property(c, 0, static_cast<xcb_window_t>(id), extents, XCB_ATOM_CARDINAL, 0, 4), nullptr);
    const bool reported = reply && xcb_get_property_value_length(reply) == 16;
    std::free(reply);
    return reported;
}

}  // namespace

QMargins FrameMargins(const QWidget& window) {
    const QRect outer = window.frameGeometry(), inner = window.geometry();
    const QMargins measured(inner.left() - outer.left(), inner.top() - outer.top(), outer.right() - inner.right(),
                            outer.bottom() - inner.bottom());
    // No frame is narrower than nothing: the toolkit has measured a frame
    // window the window manager has not sized yet. The frame is not known.
    if (measured.left() < 0 || measured.top() < 0 || measured.right() < 0 || measured.bottom() < 0) return {};
    if (measured.isNull() || !window.testAttribute(Qt::WA_WState_Created) || FrameExtentsReported(window.winId()))
        return measured;
    return {1, 24, 1, 1};
}

bool PlacesOwnWindows() { return !QGuiApplication::platformName().startsWith(QLatin1String("wayland")); }

}  // namespace sky
