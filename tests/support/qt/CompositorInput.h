#pragma once

// Clicks and keys through a Wayland compositor (sway), as a user's come: the seat's pointer is
// moved and clicked with swaymsg, keys are typed with wtype. A click simulated inside the program
// carries no input serial, and Wayland refuses the clipboard writes it makes. The window's place
// on the output is asked of sway, since a Wayland client is never told it.

#include <QPoint>
#include <QString>

namespace testing {

class CompositorInput {
public:
    // For the window of this program whose title is `title`.
    explicit CompositorInput(const QString& title);

    // Moves the pointer over `point` of the window's client area, where sway has the window now:
    // sway may move a new window once more as it settles its decorations.
    void moveTo(QPoint point);
    // Presses and releases the left button where the pointer is.
    void click();
    void type(const QString& text);
    // A key by its xkb name ("Return"), with Ctrl held when `control`.
    void key(const QString& name, bool control = false);

private:
    QString m_title;
};

} // namespace testing
