#pragma once

// Drives the real calculator window the way a user does: mouse clicks delivered through the
// window's handle (so hit-testing is real and a widget covering a button would be caught),
// typing into the display, and the Enter key. Natively on Wayland they go through the compositor
// (CompositorInput), since Wayland refuses a clipboard write that no real input led to; every
// call returns once the window has handled it.

#include <QString>
#include <chrono>
#include <functional>
#include <memory>
#include <optional>

#include "CompositorInput.h"

namespace app::qt {
class Form1;
}
class QMessageBox;
class QWidget;
namespace platform::qt {
class WidgetButton;
}

namespace testing {

using app::qt::Form1;
using Clock = std::chrono::steady_clock;

// A test class derived from this starts as the program does: QtTest calls initMain() before it
// makes the QApplication, which then has the display server the program chooses and takes
// nothing from the desktop's settings.
struct StartsAsTheProgram {
    static void initMain();
};

// Makes the running QApplication look as it does for users (style, fonts, translations). Once.
void prepareTestApplication();

// Waits, with the event loop running, for the next modal message box; hands it to `inspect`
// while it is open, then closes it with its OK button. Returns at once: call it before the click
// that opens the box, which returns when the box is closed. Fails the test run if no box opens.
void answerNextMessageBox(std::function<void(QMessageBox&)> inspect);

class WindowDriver {
public:
    // A fresh Form1, shown, active and focused as at start; the clipboard emptied first.
    WindowDriver();
    ~WindowDriver();

    Form1& form() { return *m_form; }

    void click(platform::qt::WidgetButton& button);
    void click(QWidget& widget, Qt::MouseButton mouseButton = Qt::LeftButton);
    // Keys by caption, separated by blanks, as in the engine tests: "1 2 + 3 =". 'text types
    // text into the display (after a click on it that selects what is there), Enter presses the
    // Enter key wherever the focus is.
    void press(const QString& keys);
    void typeIntoDisplay(const QString& text);
    void pressEnter();
    // A key by its xkb name ("c", "End") and Qt code, with `modifiers` held, into the control that
    // has the focus; returns once the window has handled it.
    void pressKey(const QString& name, Qt::Key key, Qt::KeyboardModifiers modifiers = {});
    // Opens the display's menu after its text and chooses `entry`, in Qt's own words ("&Copy");
    // returns once the menu has gone.
    void chooseFromDisplayMenu(const char* entry);

    // When the last key or mouse button reached the window: what a click costs the program is
    // counted from there, without the time its input took to come on a loaded machine.
    Clock::time_point lastInput() const;

    platform::qt::WidgetButton& buttonWithCaption(const QString& caption);
    QString display() const;
    QString indicator() const;
    // The digit list's items joined.
    QString digitList() const;
    // The caption of the button holding the default-button property, or "" for none.
    QString defaultButton();

private:
    std::unique_ptr<Form1> m_form;
    std::optional<CompositorInput> m_compositor;
    bool m_nudge = false;
};

} // namespace testing
