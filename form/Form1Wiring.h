#pragma once

// What every front-end does alike with the controls it built from the design table: the controls
// the engine sees, the initial state, the focus at start and the tab order, which button the Enter
// key clicks, and what a click runs and then tells a screen reader. The Qt window, the Win32 window
// and the tests' in-memory form all go through here, so one edit changes all three. Knows no
// toolkit.

#include <span>
#include <string>
#include <string_view>

#include "engine/Controls.h"
#include "platform/Announcer.h"

namespace platform {
class Button;
class Clipboard;
class DefaultButtonRule;
class ListBox;
class MessageBox;
class TextBox;
} // namespace platform

namespace form {

struct ControlDesign;

// A front-end's controls, found by their design names. Each front-end makes them from the table
// and stops the program on a name it has not.
class ControlLookup {
public:
    virtual platform::Button& button(std::string_view name) const = 0;
    virtual platform::TextBox& textBox(std::string_view name) const = 0;
    virtual platform::ListBox& listBox(std::string_view name) const = 0;

protected:
    ~ControlLookup() = default;
};

// The window's shared parts, handed over by the front-end, which owns them.
struct Form1Parts {
    const ControlLookup& controls;
    platform::DefaultButtonRule& defaultButton;
    platform::Clipboard& clipboard;
    platform::MessageBox& messages;
    platform::Announcer& announcer;
};

class Form1Wiring {
public:
    explicit Form1Wiring(const Form1Parts& parts);
    Form1Wiring(const Form1Wiring&) = delete;
    Form1Wiring& operator=(const Form1Wiring&) = delete;

    engine::Controls& engineControls() { return m_engine; }

    // The whole initial state, besides the empty texts and list every front-end starts with:
    // Risultato the default button.
    void setInitialState();
    // The control that takes the focus at start: the first in tab order that can.
    static const ControlDesign& firstFocus();
    // The controls Tab visits, in order: every visible one but the digit list, which never takes
    // the focus.
    static std::span<const ControlDesign* const> tabOrder();

    // A click on `button`: its handler through the one click dispatcher, then what changed is
    // announced (a new display text, the 2ndF state, the operation taken).
    void click(const ControlDesign& button);
    // The Enter key, with the focus on `focused` (nullptr: on no control of the table).
    void pressEnter(const ControlDesign* focused);

private:
    // What a screen reader is told of after a click.
    struct Spoken {
        std::string display;
        bool secondFunction;
    };
    Spoken spokenState() const;
    bool isOperatorKey(const platform::Button& button) const;
    platform::News news(const Spoken& before, const ControlDesign& clicked) const;

    const ControlLookup& m_controls;
    platform::DefaultButtonRule& m_defaultButton;
    platform::MessageBox& m_messages;
    platform::Announcer& m_announcer;
    engine::Controls m_engine;
};

} // namespace form
