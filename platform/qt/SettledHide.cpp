#include "SettledHide.h"

#include <QEvent>
#include <QEventLoop>
#include <QWidget>
#include <QWindow>
#include <utility>

#include "DisplayServer.h"

namespace platform::qt {

namespace {
// Qt 6.4 has the fault; 6.8 frees the callback under its lock in both places, and the one that
// comes second finds it gone.
bool settles() {
    return QT_VERSION < QT_VERSION_CHECK(6, 8, 0) && onWayland();
}
} // namespace

SettledHide::SettledHide(QWidget& window, std::function<void()> closeAgain)
    : m_window(window), m_closeAgain(std::move(closeAgain)) {
    m_patience.setSingleShot(true);
    m_patience.setInterval(kPatience);
    QObject::connect(&m_patience, &QTimer::timeout, this, [this] { settled(); });
    // Its Wayland window exists once it is shown.
    if (settles())
        m_window.installEventFilter(this);
}

bool SettledHide::readyToHide() const {
    const QWindow* handle = m_window.windowHandle();
    return m_state == State::Settled || !settles() || !m_window.isVisible() || !handle ||
           !handle->handle();
}

void SettledHide::settleNow() {
    if (readyToHide())
        return;
    QEventLoop loop;
    settleThen([&loop] { loop.quit(); });
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

bool SettledHide::eventFilter(QObject* watched, QEvent* event) {
    QWindow* handle = m_window.windowHandle();
    if (watched == &m_window) {
        if (event->type() == QEvent::Show && handle)
            handle->installEventFilter(this);
        return false;
    }
    if (watched != handle)
        return false;
    switch (event->type()) {
    case QEvent::Close:
        if (readyToHide())
            return false;
        event->ignore();
        settleThen(m_closeAgain);
        return true;
    case QEvent::UpdateRequest:
        if (m_state != State::Settling)
            return false;
        // The first may have been let through by the answer to a frame drawn just before the
        // drawing stopped; the second comes after every frame drawn has been answered.
        if (++m_updates == 2)
            settled();
        else
            handle->requestUpdate();
        return false;
    default:
        return false;
    }
}

void SettledHide::settleThen(std::function<void()> next) {
    m_next = std::move(next);
    if (m_state == State::Settling)
        return;
    if (readyToHide()) {
        settled();
        return;
    }
    m_state = State::Settling;
    m_updates = 0;
    // A window that draws nothing commits no frame, and so asks for no frame callback.
    m_window.setUpdatesEnabled(false);
    m_window.windowHandle()->requestUpdate();
    m_patience.start();
}

void SettledHide::settled() {
    m_state = State::Settled;
    m_patience.stop();
    // From the event loop rather than inside the window's own event: the hide may end the
    // program or a dialog's loop.
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (m_next)
                std::exchange(m_next, {})();
            // Hidden, it may be shown and drawn again; still shown, its owner hides it next.
            if (!m_window.isVisible()) {
                m_window.setUpdatesEnabled(true);
                m_state = State::Drawing;
            }
        },
        Qt::QueuedConnection);
}

} // namespace platform::qt
