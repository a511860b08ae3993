#pragma once

#include <QGuiApplication>

namespace platform::qt {

// The display server Qt runs this program on: X11 (Qt's "xcb", Xwayland included), or natively
// Wayland (Qt's "wayland" and "wayland-egl"). Needs a running QGuiApplication.
inline bool onX11() {
    return QGuiApplication::platformName() == QLatin1String("xcb");
}

inline bool onWayland() {
    return QGuiApplication::platformName().startsWith(QLatin1String("wayland"));
}

} // namespace platform::qt
