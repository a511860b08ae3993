#pragma once

#include <chrono>

struct wl_display;

namespace platform::qt {

// Whether the compositor offers to draw the windows' decorations itself (the xdg-decoration
// protocol: sway, KDE Plasma and most wlroots compositors do; GNOME does not). Asks the compositor
// once, on a queue of its own; one that has not answered by `deadline` is taken to offer nothing.
bool compositorDecoratesWindows(wl_display* display,
                                std::chrono::steady_clock::time_point deadline);

} // namespace platform::qt
