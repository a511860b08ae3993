#include "QtClipboard.h"

#include <QClipboard>
#include <QGuiApplication>

#include "QtText.h"

#if BRENOLDI_X11_CLIPBOARD
#include <QScreen>
#include <qpa/qplatformnativeinterface.h>
#include <xcb/xcb.h>

#include "x11/X11SelectionReader.h"
#endif

namespace platform::qt {

namespace {

QClipboard& desktopClipboard() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        throw ClipboardError("no clipboard");
    return *clipboard;
}

#if BRENOLDI_X11_CLIPBOARD
X11SelectionReader::Deadline deadlineFromNow() {
    return std::chrono::steady_clock::now() + QtClipboard::kDeadline;
}

// Whether `window` was made by this program's own X connection (Qt's), told by the resource id
// range the server gave that connection.
bool ownWindow(std::uint32_t window) {
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    if (!x11 || window == 0)
        return false;
    const xcb_setup_t* setup = xcb_get_setup(x11->connection());
    return (window & ~setup->resource_id_mask) == setup->resource_id_base;
}

// Qt claims the clipboard with the time of the last X event it saw. After a click that came with
// no X event of its own (a screen reader's "press", a test's synthetic click) that time can be
// older than another program's claim, and the server then ignores ours without a word. The
// server's present time is never older.
void advanceQtTime(std::uint32_t serverTime) {
    using SetAppTime = void (*)(QScreen*, std::uint32_t);
    QPlatformNativeInterface* native = QGuiApplication::platformNativeInterface();
    if (!native)
        return;
    const auto setAppTime = reinterpret_cast<SetAppTime>(
        reinterpret_cast<void (*)()>(native->nativeResourceFunctionForScreen("setapptime")));
    if (setAppTime)
        setAppTime(QGuiApplication::primaryScreen(), serverTime);
}
#endif

} // namespace

QtClipboard::QtClipboard() {
#if BRENOLDI_X11_CLIPBOARD
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    try {
        m_x11 = std::make_unique<X11SelectionReader>();
    } catch (const ClipboardError&) {
        // A second connection to the display failed: Qt's own clipboard is still there.
    }
#endif
}

QtClipboard::~QtClipboard() = default;

std::string QtClipboard::text() const {
    QClipboard& clipboard = desktopClipboard();
#if BRENOLDI_X11_CLIPBOARD
    if (m_x11) {
        const auto deadline = deadlineFromNow();
        const std::uint32_t owner = m_x11->owner();
        if (owner == 0)
            return {};
        if (!ownWindow(owner))
            return m_x11->text(m_x11->serverTime(deadline), deadline);
        // Our own text: Qt answers it at once, without a round trip through the server.
    }
#endif
    return toUtf8(clipboard.text(QClipboard::Clipboard));
}

void QtClipboard::setText(std::string_view text) {
    QClipboard& clipboard = desktopClipboard();
    const QString wanted = fromUtf8(text);
    bool owned = true;
#if BRENOLDI_X11_CLIPBOARD
    if (m_x11)
        advanceQtTime(m_x11->serverTime(deadlineFromNow()));
    clipboard.setText(wanted, QClipboard::Clipboard);
    // Asked of the server, not of another program, so a hung one cannot stall the check.
    if (m_x11)
        owned = ownWindow(m_x11->owner());
#else
    clipboard.setText(wanted, QClipboard::Clipboard);
#endif
    if (!owned || clipboard.text(QClipboard::Clipboard) != wanted)
        throw ClipboardError("clipboard not written");
}

} // namespace platform::qt
