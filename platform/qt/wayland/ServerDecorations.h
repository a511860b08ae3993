#pragma once

struct wl_display;

namespace platform::qt {

// Whether the compositor offers to draw the windows' decorations itself (the xdg-decoration
// protocol: sway, KDE Plasma and most wlroots compositors do; GNOME does not). Asks the compositor
// once, on a queue of its own.
bool compositorDecoratesWindows(wl_display* display);

} // namespace platform::qt
