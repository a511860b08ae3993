#include "DisplayServer.h"

#include <qpa/qplatformnativeinterface.h>
#include <stdexcept>

#include "QtClipboard.h"
#include "wayland/WaylandClipboard.h"
#include "x11/X11Clipboard.h"

namespace platform::qt {

namespace {

// Qt's own Wayland connection natively on Wayland, else nullptr.
wl_display* waylandDisplay() {
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    if (!onWayland() || !native)
        return nullptr;
    return static_cast<wl_display*>(native->nativeResourceForIntegration("wl_display"));
}

} // namespace

std::unique_ptr<DesktopClipboard> clipboardForThisDisplay() {
    if (onX11())
        return std::make_unique<X11Clipboard>();
    if (wl_display* display = waylandDisplay()) {
        try {
            return std::make_unique<WaylandClipboard>(*display);
        } catch (const std::runtime_error& error) {
            // A compositor without a clipboard for this program, or one that did not answer in
            // time: Qt's own is used, with no bound on a read, and the user is told why.
            qWarning("brenoldi: gli appunti di Wayland sono letti senza limite di tempo (%s)",
                     error.what());
        }
    }
    return std::make_unique<QtClipboard>();
}

} // namespace platform::qt
