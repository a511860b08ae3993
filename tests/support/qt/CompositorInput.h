#pragma once

// Clicks and keys through a Wayland compositor (sway), as a user's come: the seat's pointer is
// moved and clicked with swaymsg, keys are typed with wtype. A click simulated inside the program
// carries no input serial, and Wayland refuses the clipboard writes it makes. The window's place
// on the output is asked of sway, since a Wayland client is never told it.

#include <QPoint>
#include <QString>
#include <Qt>

namespace testing {

class CompositorInput {
public:
    // For the window of this program whose title is `title`.
    explicit CompositorInput(const QString& title);

    // Moves the pointer over `point` of the window's client area, where sway has the window now:
    // sway may move a new window once more as it settles its decorations.
    void moveTo(QPoint point);
    // Presses and releases `button` where the pointer is.
    void click(Qt::MouseButton button = Qt::LeftButton);
    void type(const QString& text);
    // A key by its xkb name ("Return"), with Ctrl and Shift held as `modifiers` say.
    void key(const QString& name, Qt::KeyboardModifiers modifiers = {});

private:
    QString m_title;
};

} // namespace testing
