#include "WaylandClipboard.h"

#include <QAbstractEventDispatcher>
#include <QMimeData>
#include <QPointer>
#include <unistd.h>

#include "WaylandClipboardReader.h"
#include "platform/qt/QtText.h"

namespace platform::qt {

namespace {

using Clock = std::chrono::steady_clock;

// The latest write of this process, whichever object made it: the selection is the process's.
struct LatestWrite {
    std::uint64_t number = 0;
    std::string text;
};

LatestWrite& latestWrite() {
    static LatestWrite write;
    return write;
}

std::string writeMark(std::uint64_t write) {
    return "application/x-brenoldi-write;pid=" + std::to_string(getpid()) +
           ";n=" + std::to_string(write);
}

// Qt 6.4's Wayland clipboard never frees the data it is given: neither this program's writes nor
// the primary selection a text box writes itself as text is selected. Whatever Qt holds no more,
// replaced by a newer write or dropped for another program's, is freed here, unless Qt freed it.
void freeDataQtDropped(QClipboard::Mode mode) {
    static QPointer<QMimeData> held[2];
    QClipboard& clipboard = desktopClipboard();
    const bool ours = mode == QClipboard::Selection ? clipboard.ownsSelection()
                                                    : clipboard.ownsClipboard();
    auto* now = ours ? const_cast<QMimeData*>(clipboard.mimeData(mode)) : nullptr;
    QPointer<QMimeData>& last = held[mode == QClipboard::Selection ? 1 : 0];
    if (last == now)
        return;
    delete last.data();
    last = now;
}

WaylandClipboardReader::Selection waylandSelection(QClipboard::Mode mode) {
    return mode == QClipboard::Selection ? WaylandClipboardReader::Selection::Primary
                                         : WaylandClipboardReader::Selection::Clipboard;
}

} // namespace

WaylandClipboard::WaylandClipboard(wl_display& display)
    : m_reader(std::make_unique<WaylandClipboardReader>(&display, Clock::now() + kDeadline)) {
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
                     &m_idle, [this] { m_reader->handlePending(); });
    QObject::connect(&desktopClipboard(), &QClipboard::changed, &m_idle, freeDataQtDropped);
}

WaylandClipboard::~WaylandClipboard() = default;

std::string WaylandClipboard::text() const {
    return read(QClipboard::Clipboard, TooLong::Fail);
}

std::string WaylandClipboard::pasteText(QClipboard::Mode mode) const {
    return read(mode, TooLong::Cut);
}

std::string WaylandClipboard::read(QClipboard::Mode mode, TooLong tooLong) const {
    const auto selection = waylandSelection(mode);
    QClipboard& clipboard = desktopClipboard();
    if (mode == QClipboard::Selection && !m_reader->hasPrimary())
        return withinLimit(toUtf8(clipboard.text(mode)), kMaxTextBytes, tooLong);
    const auto deadline = Clock::now() + kDeadline;
    m_reader->catchUp(deadline);
    if (!m_reader->focused())
        throw ClipboardError("Wayland shows the clipboard to the focused program only");
    const LatestWrite& latest = latestWrite();
    if (mode == QClipboard::Clipboard && m_reader->offers(selection, writeMark(latest.number)))
        return withinLimit(latest.text, kMaxTextBytes, tooLong);
    // Qt holds its own primary selection as it wrote it: asked of Qt, it answers at once.
    if (mode == QClipboard::Selection && clipboard.ownsSelection())
        return withinLimit(toUtf8(clipboard.text(mode)), kMaxTextBytes, tooLong);
    return m_reader->text(selection, deadline, kMaxTextBytes, tooLong);
}

void WaylandClipboard::setText(std::string_view text) {
    const auto deadline = Clock::now() + kDeadline;
    // Without the focus the compositor would not tell whether the write took, either.
    m_reader->catchUp(deadline);
    if (!m_reader->focused())
        throw ClipboardError("Wayland shows the clipboard to the focused program only");
    auto* data = new QMimeData;
    data->setText(fromUtf8(text));
    LatestWrite& latest = latestWrite();
    const std::string mark = writeMark(++latest.number);
    data->setData(QString::fromStdString(mark), QByteArray());
    desktopClipboard().setMimeData(data, QClipboard::Clipboard);
    // The compositor offers the new selection back before it answers what follows: a write it
    // refused (an old input serial, a superseded one) comes back as someone else's offer.
    m_reader->catchUp(deadline);
    if (!m_reader->offers(WaylandClipboardReader::Selection::Clipboard, mark))
        throw ClipboardError("the compositor did not take the clipboard");
    latest.text = std::string(text);
}

bool WaylandClipboard::mayHoldText(QClipboard::Mode mode) const {
    if (mode == QClipboard::Selection && !m_reader->hasPrimary()) {
        const QMimeData* data = desktopClipboard().mimeData(mode);
        return data && data->hasText();
    }
    return m_reader->offersText(waylandSelection(mode));
}

} // namespace platform::qt
