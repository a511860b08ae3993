#include "ClipboardBounds.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>
#include <sys/resource.h>

#include "WindowDriver.h"

namespace testing {

BoxCloser::BoxCloser() {
    QObject::connect(&m_poll, &QTimer::timeout, &m_poll, [this] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        // An answered box stays up until it has settled (on Wayland): it is counted once.
        if (box && box->isVisible() && box != m_answered) {
            m_answered = box;
            boxes.append({box->text(), Clock::now()});
            box->button(QMessageBox::Ok)->click();
        }
    });
    m_poll.start(10);
}

long peakMemoryKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

qint64 programTime(const WindowDriver& driver, Clock::time_point start, const BoxCloser& closer,
                   qsizetype boxesBefore) {
    const Clock::time_point from = std::max(start, driver.lastInput());
    const Clock::time_point to =
        closer.boxes.size() > boxesBefore ? closer.boxes.at(boxesBefore).shownAt : Clock::now();
    return std::chrono::duration_cast<std::chrono::milliseconds>(to - from).count();
}

} // namespace testing
