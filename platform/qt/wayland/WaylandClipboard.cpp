#include "WaylandClipboard.h"

#include <QAbstractEventDispatcher>
#include <QMimeData>
#include <QPointer>
#include <random>

#include "WaylandClipboardReader.h"
#include "platform/qt/QtText.h"

namespace platform::qt {

namespace {

using Clock = Deadline::clock;

// This process's writes, whichever object made them: the selection is the process's. A write
// counts as the latest only once the compositor is known to hold it; until then its mark is no
// one's, and an offer carrying it is read as anyone else's would be.
struct Writes {
    std::uint64_t issued = 0;
    std::string latestMark;
    std::string latestText;
};

Writes& writes() {
    static Writes all;
    return all;
}

// A mark no other process makes: a process id repeats across sandboxes, 128 random bits do not.
std::string writeMark(std::uint64_t write) {
    static const std::string process = [] {
        std::random_device random;
        std::string bits;
        for (int i = 0; i < 4; ++i)
            bits += std::to_string(random()) + ".";
        return bits;
    }();
    return "application/x-brenoldi-write;process=" + process + ";n=" + std::to_string(write);
}

#if QT_VERSION < QT_VERSION_CHECK(6, 6, 0)
// Qt's Wayland clipboard before 6.6 never frees the data it is given: neither this program's
// writes nor the primary selection a text box writes itself as text is selected. Whatever Qt holds
// no more, replaced by a newer write or dropped for another program's, is freed here, unless Qt
// freed it. From 6.6 Qt owns that data, keeps it after another program's copy and frees it itself.
void freeDataQtDropped(QClipboard::Mode mode) {
    static QPointer<QMimeData> held[2];
    QClipboard& clipboard = qtClipboard();
    const bool ours =
        mode == QClipboard::Selection ? clipboard.ownsSelection() : clipboard.ownsClipboard();
    auto* now = ours ? const_cast<QMimeData*>(clipboard.mimeData(mode)) : nullptr;
    QPointer<QMimeData>& last = held[mode == QClipboard::Selection ? 1 : 0];
    if (last == now)
        return;
    delete last.data();
    last = now;
}
#endif

} // namespace

WaylandClipboard::WaylandClipboard(wl_display& display)
    : m_reader(std::make_unique<WaylandClipboardReader>(&display, Clock::now() + kDeadline)) {
    QObject::connect(QAbstractEventDispatcher::instance(), &QAbstractEventDispatcher::aboutToBlock,
                     &m_connections, [this] { m_reader->handlePending(); });
#if QT_VERSION < QT_VERSION_CHECK(6, 6, 0)
    QObject::connect(&qtClipboard(), &QClipboard::changed, &m_connections, freeDataQtDropped);
#endif
}

WaylandClipboard::~WaylandClipboard() = default;

void WaylandClipboard::requireFocus(Deadline deadline) const {
    m_reader->catchUp(deadline);
    if (!m_reader->focused())
        throw ClipboardError("Wayland shows the clipboard to the focused program only");
}

std::string WaylandClipboard::read(Selection selection, ReadLimit limit) const {
    const auto deadline = Clock::now() + kDeadline;
    requireFocus(deadline);
    const Writes& ours = writes();
    if (selection == Selection::Clipboard && !ours.latestMark.empty() &&
        m_reader->offers(selection, ours.latestMark))
        return limit.within(ours.latestText);
    if (selection == Selection::Primary && qtClipboard().ownsSelection())
        return qtText(selection, limit);
    return m_reader->text(selection, deadline, limit);
}

void WaylandClipboard::setText(std::string_view text) {
    // Without the focus the compositor would not tell whether the write took, either.
    const auto deadline = Clock::now() + kDeadline;
    requireFocus(deadline);
    auto* data = new QMimeData;
    data->setText(fromUtf8(text));
    Writes& ours = writes();
    const std::string mark = writeMark(++ours.issued);
    data->setData(QString::fromStdString(mark), QByteArray());
    qtClipboard().setMimeData(data, QClipboard::Clipboard);
    // The compositor offers the new selection back before it answers what follows: a write it
    // refused (an old input serial, a superseded one) comes back as someone else's offer.
    m_reader->catchUp(deadline);
    if (!m_reader->offers(Selection::Clipboard, mark))
        throw ClipboardError("the compositor did not take the clipboard");
    ours.latestMark = mark;
    ours.latestText = std::string(text);
}

bool WaylandClipboard::mayHold(Selection selection) const {
    return m_reader->offersText(selection);
}

} // namespace platform::qt
