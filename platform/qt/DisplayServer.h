#pragma once

#include <QGuiApplication>
#include <memory>

namespace platform::qt {

class DesktopClipboard;

// The display server Qt runs this program on: X11 (Qt's "xcb", Xwayland included), or natively
// Wayland (Qt's "wayland" and "wayland-egl"). Needs a running QGuiApplication.
inline bool onX11() {
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

inline bool onWayland() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

// The clipboard for this display server, chosen once, at start-up: X11Clipboard on X11,
// WaylandClipboard natively on Wayland where the compositor offers this program a clipboard, and
// Qt's own (QtClipboard) elsewhere.
std::unique_ptr<DesktopClipboard> clipboardForThisDisplay();

} // namespace platform::qt
