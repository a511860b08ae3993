#include "X11Clipboard.h"

#include <QGuiApplication>
#include <QScreen>
#include <qpa/qplatformnativeinterface.h>
#include <xcb/xcb.h>

#include "X11SelectionReader.h"
#include "platform/qt/QtText.h"

namespace platform::qt {

namespace {

using Clock = Deadline::clock;

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

} // namespace

X11Clipboard::X11Clipboard() {
    QObject::connect(&qtClipboard(), &QClipboard::changed, &m_connections,
                     [this](QClipboard::Mode mode) {
                         if (mode == QClipboard::Clipboard && !m_writing)
                             m_written.reset();
                     });
}

X11Clipboard::~X11Clipboard() = default;

// Runs `work` with the reader, made now if there is none; a failure drops the reader, so
// whatever an owner sends too late goes to a connection that is gone.
template <class Work> auto X11Clipboard::withReader(Work work) const {
    const auto deadline = Clock::now() + kDeadline;
    try {
        if (!m_reader)
            m_reader = std::make_unique<X11SelectionReader>(deadline);
        auto result = work(*m_reader, deadline);
        if (m_reader->wornOut())
            m_reader.reset();
        return result;
    } catch (...) {
        m_reader.reset();
        throw;
    }
}

std::string X11Clipboard::read(Selection selection, ReadLimit limit) const {
    const std::optional<std::string> foreign =
        withReader([&](X11SelectionReader& reader, Deadline deadline) {
            return reader.text(selection, deadline, limit, ownWindow);
        });
    if (foreign)
        return *foreign;
    if (selection == Selection::Clipboard && m_written)
        return limit.within(*m_written);
    // Qt asks the X server once more who holds the selection: its five-second wait can only come
    // of a program that takes the selection in the instant between the two questions.
    return qtText(selection, limit);
}

void X11Clipboard::setText(std::string_view text) {
    QClipboard& clipboard = qtClipboard();
    const QString wanted = fromUtf8(text);
    m_written.reset();
    const bool owned = withReader([&](X11SelectionReader& reader, Deadline deadline) {
        advanceQtTime(reader.serverTime(deadline));
        m_writing = true;
        clipboard.setText(wanted, QClipboard::Clipboard);
        m_writing = false;
        // Asked of the server, not of another program, so a hung one cannot stall the check.
        return ownWindow(reader.owner(Selection::Clipboard, deadline));
    });
    if (!owned)
        throw ClipboardError("clipboard not written");
    m_written = std::string(text);
}

bool X11Clipboard::mayHold(Selection selection) const {
    try {
        return withReader([&](X11SelectionReader& reader, Deadline deadline) {
            return reader.owner(selection, deadline) != 0;
        });
    } catch (const ClipboardError&) {
        return true; // the paste itself will tell
    }
}

} // namespace platform::qt
