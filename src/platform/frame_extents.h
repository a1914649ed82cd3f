// How wide the window manager's frame around a window is.
#pragma once

#include <QMargins>
#include <QWidget>

namespace sky {

// The frame of a top-level window: caption bar and borders. Normally the
// toolkit's own measure. Some X11 window managers (weston's, framing
// XWayland windows) do not say how wide their frame is; the toolkit then
// measures the frame window, drop shadow included, which would make the
// window's outer size mean a client area far smaller than usual. For those
// a 1-pixel border and a 24-pixel caption bar are taken instead.
QMargins FrameMargins(const QWidget& window);

}  // namespace sky
