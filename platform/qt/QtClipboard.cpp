#include "QtClipboard.h"

#include <QAbstractEventDispatcher>
#include <QGuiApplication>
#include <QMimeData>
#include <QPointer>
#include <unistd.h>

#include "DisplayServer.h"
#include "QtText.h"

#if BRENOLDI_WAYLAND_CLIPBOARD
#include <qpa/qplatformnativeinterface.h>

#include "wayland/WaylandClipboardReader.h"
#endif

#if BRENOLDI_X11_CLIPBOARD
#include <QScreen>
#include <qpa/qplatformnativeinterface.h>
#include <xcb/xcb.h>

#include "x11/X11SelectionReader.h"
#endif

namespace platform::qt {

namespace {

using Clock = std::chrono::steady_clock;

QClipboard& desktopClipboard() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        throw ClipboardError("no clipboard");
    return *clipboard;
}

#if BRENOLDI_X11_CLIPBOARD
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

X11SelectionReader::Selection x11Selection(QClipboard::Mode mode) {
    return mode == QClipboard::Selection ? X11SelectionReader::Selection::Primary
                                         : X11SelectionReader::Selection::Clipboard;
}
#endif

} // namespace

QtClipboard::QtClipboard() : m_x11(onX11()) {
#if !BRENOLDI_X11_CLIPBOARD
    m_x11 = false;
#endif
#if BRENOLDI_WAYLAND_CLIPBOARD
    if (onWayland()) {
        auto* display = static_cast<wl_display*>(
            QGuiApplication::platformNativeInterface()->nativeResourceForIntegration("wl_display"));
        try {
            if (display)
                m_wayland =
                    std::make_unique<WaylandClipboardReader>(display, Clock::now() + kDeadline);
        } catch (const ClipboardError&) {
            // A compositor without a clipboard for us: Qt's own is used, unbounded as it is.
        }
        if (m_wayland)
            QObject::connect(QAbstractEventDispatcher::instance(),
                             &QAbstractEventDispatcher::aboutToBlock, &m_idle,
                             [this] { m_wayland->handlePending(); });
    }
#endif
}

QtClipboard::~QtClipboard() = default;

// Runs `work` with the X11 reader, made now if there is none; a failure drops the reader, so
// whatever an owner sends too late goes to a connection that is gone.
template <class Work> auto QtClipboard::withX11Reader(Work work) const {
#if BRENOLDI_X11_CLIPBOARD
    const auto deadline = Clock::now() + kDeadline;
    try {
        if (!m_x11Reader)
            m_x11Reader = std::make_unique<X11SelectionReader>(deadline);
        auto result = work(*m_x11Reader, deadline);
        if (m_x11Reader->wornOut())
            m_x11Reader.reset();
        return result;
    } catch (...) {
        m_x11Reader.reset();
        throw;
    }
#else
    (void)work;
    throw ClipboardError("no X11 reader");
#endif
}

std::string QtClipboard::text() const {
    return read(QClipboard::Clipboard, TooLong::Fail);
}

std::string QtClipboard::pasteText(QClipboard::Mode mode) const {
    return read(mode, TooLong::Cut);
}

std::string QtClipboard::read(QClipboard::Mode mode, TooLong tooLong) const {
    QClipboard& clipboard = desktopClipboard();
    if (m_wayland) {
        if (std::optional<std::string> foreign = readWayland(mode, tooLong))
            return *foreign;
    }
#if BRENOLDI_X11_CLIPBOARD
    if (m_x11) {
        const std::optional<std::string> foreign =
            withX11Reader([&](X11SelectionReader& reader, Clock::time_point deadline) {
                return reader.text(x11Selection(mode), deadline, kMaxTextBytes,
                                   tooLong == TooLong::Fail ? X11SelectionReader::TooLong::Fail
                                                            : X11SelectionReader::TooLong::Cut,
                                   ownWindow);
            });
        if (foreign)
            return *foreign;
        // Our own text: Qt answers it at once, without a round trip through the server.
    }
#endif
    std::string text = toUtf8(clipboard.text(mode));
    if (text.size() > kMaxTextBytes) {
        if (tooLong == TooLong::Fail)
            throw ClipboardError("the clipboard's text is too long");
        text.resize(kMaxTextBytes);
    }
    return text;
}

std::string QtClipboard::writeMark(std::uint64_t write) const {
    return "application/x-brenoldi-write;pid=" + std::to_string(getpid()) +
           ";n=" + std::to_string(write);
}

void QtClipboard::catchUpWithFocus(Clock::time_point deadline) const {
#if BRENOLDI_WAYLAND_CLIPBOARD
    // Qt has handled the keyboard's focus events in order with the input that led here: a click
    // that came through the compositor finds the window focused.
    if (!QGuiApplication::focusWindow())
        throw ClipboardError("Wayland shows the clipboard to the focused program only");
    m_wayland->catchUp(deadline);
#else
    (void)deadline;
#endif
}

std::optional<std::string> QtClipboard::readWayland(QClipboard::Mode mode, TooLong tooLong) const {
#if BRENOLDI_WAYLAND_CLIPBOARD
    if (mode != QClipboard::Clipboard)
        return std::nullopt; // the primary selection: Qt's
    const auto deadline = Clock::now() + kDeadline;
    catchUpWithFocus(deadline);
    if (m_writes > 0 && m_wayland->selectionOffers(writeMark(m_writes)))
        return std::nullopt; // our own latest text: Qt has it
    return m_wayland->text(deadline, kMaxTextBytes,
                           tooLong == TooLong::Fail ? WaylandClipboardReader::TooLong::Fail
                                                    : WaylandClipboardReader::TooLong::Cut);
#else
    (void)mode, (void)tooLong;
    return std::nullopt;
#endif
}

void QtClipboard::writeWayland(const QString& text) {
#if BRENOLDI_WAYLAND_CLIPBOARD
    const auto deadline = Clock::now() + kDeadline;
    // Without the focus the compositor would not tell whether the write took, either.
    catchUpWithFocus(deadline);
    auto* data = new QMimeData;
    data->setText(text);
    const std::string mark = writeMark(++m_writes);
    data->setData(QString::fromStdString(mark), QByteArray());
    desktopClipboard().setMimeData(data, QClipboard::Clipboard);
    // Qt 6.4's Wayland clipboard never frees the data it is given. The last write's is freed
    // here, once the new one has replaced what held it: unless Qt freed it itself. The
    // clipboard is the process's, and so is the last write, whichever window made it.
    static QPointer<QMimeData> lastWrite;
    delete lastWrite.data();
    lastWrite = data;
    // The compositor offers the new selection back before it answers what follows: a write it
    // refused (an old input serial, a superseded one) comes back as someone else's offer.
    m_wayland->catchUp(deadline);
    if (!m_wayland->selectionOffers(mark))
        throw ClipboardError("the compositor did not take the clipboard");
#else
    (void)text;
#endif
}

bool QtClipboard::mayHoldText(QClipboard::Mode mode) const {
#if BRENOLDI_X11_CLIPBOARD
    if (m_x11) {
        try {
            return withX11Reader([&](X11SelectionReader& reader, Clock::time_point deadline) {
                return reader.owner(x11Selection(mode), deadline) != 0;
            });
        } catch (const ClipboardError&) {
            return true; // the paste itself will tell
        }
    }
#endif
    if (m_wayland && mode == QClipboard::Clipboard)
        return m_wayland->selectionOffersText();
    const QMimeData* data = desktopClipboard().mimeData(mode);
    return data && data->hasText();
}

void QtClipboard::setText(std::string_view text) {
    QClipboard& clipboard = desktopClipboard();
    const QString wanted = fromUtf8(text);
    bool owned = true;
    if (m_wayland) {
        writeWayland(wanted);
#if BRENOLDI_X11_CLIPBOARD
    } else if (m_x11) {
        owned = withX11Reader([&](X11SelectionReader& reader, Clock::time_point deadline) {
            advanceQtTime(reader.serverTime(deadline));
            clipboard.setText(wanted, QClipboard::Clipboard);
            // Asked of the server, not of another program, so a hung one cannot stall the check.
            return ownWindow(reader.owner(X11SelectionReader::Selection::Clipboard, deadline));
        });
#endif
    } else {
        clipboard.setText(wanted, QClipboard::Clipboard);
    }
    if (!owned || clipboard.text(QClipboard::Clipboard) != wanted)
        throw ClipboardError("clipboard not written");
}

} // namespace platform::qt
