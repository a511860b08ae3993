#pragma once

#include <QObject>
#include <QTimer>
#include <chrono>
#include <functional>

class QWidget;

namespace platform::qt {

// Hides a top-level window (a window, a dialog, a menu) on Wayland the one way Qt before 6.8
// survives (Qt 6.4, as Debian 12 and Ubuntu 24.04 ship it). Its Wayland window frees the frame
// callback of the last frame drawn both when the compositor answers it (on Qt's frame thread) and
// when the window is hidden or closed: a hide that meets the answer frees it twice and aborts the
// program. So the window first stops drawing, which stops new frame callbacks, and asks Qt for an
// update twice in turn: Qt delivers the second only once no frame callback is left, and none can
// come after. Then it hides. Elsewhere, and with Qt 6.8 and later, it hides at once.
//
// Every close comes through here and is held back until then: from the title bar, the compositor,
// close() and a dialog's answer alike (an accepted close destroys the Wayland window at once). A
// hide() the window's class forwards from setVisible(false) waits the same way.
class SettledHide final : public QObject {
public:
    // The compositor answers a frame within a refresh; where it has not after this long, Qt has
    // already stopped waiting for it (after 100 ms) and the window hides regardless.
    static constexpr std::chrono::milliseconds kPatience{500};

    // Watches `window`, which outlives this; `closeAgain` repeats a close that was held back.
    SettledHide(QWidget& window, std::function<void()> closeAgain);

    // Whether the window may be hidden now: it is not shown on Wayland, or has settled.
    bool readyToHide() const;
    // Stops the window's drawing and runs `next` once it has settled, from the event loop. While
    // it settles, a further call only replaces `next`.
    void settleThen(std::function<void()> next);
    // For a window about to go while shown: waits here until it may be hidden, with the event
    // loop running for everything but user input.
    void settleNow();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void settled();

    enum class State { Drawing, Settling, Settled };
    QWidget& m_window;
    std::function<void()> m_closeAgain;
    State m_state = State::Drawing;
    int m_updates = 0;
    QTimer m_patience;
    std::function<void()> m_next;
};

} // namespace platform::qt
