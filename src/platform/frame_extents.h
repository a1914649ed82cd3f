// How wide the window manager's frame around a window is, and who places windows.
#pragma once

#include <QMargins>
#include <QWidget>

namespace sky {

// The frame of a top-level window: caption bar and borders. On X11 what the
// window manager says (_NET_FRAME_EXTENTS), elsewhere the toolkit's own
// measure. Some X11 window managers (weston's, framing
// XWayland windows) do not say how wide their frame is; the toolkit then
// measures the frame window, drop shadow included, which would make the
// window's outer size mean a client area far smaller than usual. For those
// a 1-pixel border and a 24-pixel caption bar are taken instead. Null while
// the window is not framed, or its frame is not measured yet.
QMargins FrameMargins(const QWidget& window);

// The frame as the toolkit has measured it, the one a move of the window goes
// by; it follows the window manager's only at the next configure event.
QMargins ToolkitFrameMargins(const QWidget& window);

// Whether the program places its own top-level windows on the screen, as on
// X11. On Wayland the compositor places them, and a window that must lie
// beside a control is a pop-up placed relative to the window it belongs to.
bool PlacesOwnWindows();

}  // namespace sky
