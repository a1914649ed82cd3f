// The toolkit's own connection to the X server, for the few things it does
// not tell; null on Wayland and other platforms.
#pragma once

#include <QGuiApplication>

#include <xcb/xcb.h>

namespace sky {

inline xcb_connection_t* X11Connection() {
    const auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

}  // namespace sky
