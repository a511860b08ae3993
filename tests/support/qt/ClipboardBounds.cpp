#include "ClipboardBounds.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

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

} // namespace testing
