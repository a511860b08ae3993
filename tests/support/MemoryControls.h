#pragma once

// In-memory stand-ins for the window's controls and the clipboard, for fast engine tests and for
// failures the real parts cannot produce on demand. The default-button rule is the real one.

#include <functional>
#include <string>
#include <vector>

#include "form/ControlsByName.h"
#include "form/Form1Wiring.h"
#include "platform/Announcer.h"
#include "platform/Button.h"
#include "platform/Clipboard.h"
#include "platform/DefaultButtonRule.h"
#include "platform/ListBox.h"
#include "platform/MessageBox.h"
#include "platform/TextBox.h"

namespace testing {

class MemoryTextBox final : public platform::TextBox {
public:
    std::string text() const override { return value; }
    void setText(std::string_view text) override { value = text; }
    std::string value;
};

class MemoryListBox final : public platform::ListBox {
public:
    void addItem(std::string_view item) override { items.emplace_back(item); }
    std::string item(std::size_t index) const override {
        return index < items.size() ? items[index] : std::string();
    }
    std::size_t count() const override { return items.size(); }
    void clear() override { items.clear(); }
    std::vector<std::string> items;
};

class MemoryButton final : public platform::Button {
public:
    using Button::Button;
    // As a real button's click reaches its window: whatever the form wired to it.
    void click() override {
        if (clicked)
            clicked();
    }
    std::function<void()> clicked;
    bool emphasised = false;

protected:
    void showDefaultEmphasis(bool on) override { emphasised = on; }
};

// A clipboard that can be told to fail its next reads or writes, as one held open by another
// program would.
class MemoryClipboard final : public platform::Clipboard {
public:
    std::string text() const override {
        if (failReads)
            throw platform::ClipboardError("held by another program");
        return value;
    }
    void setText(std::string_view text) override {
        if (failWrites)
            throw platform::ClipboardError("held by another program");
        value = text;
    }
    std::string value;
    bool failReads = false;
    bool failWrites = false;
};

class RecordingMessageBox final : public platform::MessageBox {
public:
    void show(std::string_view text, Icon icon) override {
        shown.emplace_back(text);
        icons.push_back(icon);
    }
    std::vector<std::string> shown;
    std::vector<Icon> icons;
};

class RecordingAnnouncer final : public platform::Announcer {
public:
    void announce(const platform::News& news) override { heard.push_back(news); }
    std::vector<platform::News> heard;
};

// Splits "1 2 + 3 =" into its key captions.
std::vector<std::string> captions(std::string_view keys);

// The calculator's state in memory: every control of the design table, wired by the same wiring
// as the real windows, and driven key by key through it.
class MemoryForm final : public form::ControlLookup {
public:
    MemoryForm();

    // Presses keys named by their captions and separated by blanks ("1 2 + 3 ="): "0".."9", "+",
    // "-", "x", "/", "yX", "%", "=", "C", "2ndF", "log", "ln", "Rad", "1/x". Aborts on an unknown
    // caption, so a typo in a table cannot pass as a key that did nothing. 'text stands for typing
    // text into the display (replacing it), @text for another program copying text, Enter for the
    // Enter key with the focus in the display, !write and !read for a clipboard that fails from
    // then on, and !ok for one that works again.
    void press(std::string_view keys);

    // The caption of the button holding the default-button property, or "" for none.
    std::string defaultButton() const;
    // The digit list's items joined.
    std::string digitList() const;

    MemoryButton& button(std::string_view name) const override;
    MemoryTextBox& textBox(std::string_view name) const override;
    MemoryListBox& listBox(std::string_view name) const override;

    platform::DefaultButtonRule rule;
    form::ControlsByName<MemoryButton> buttons;
    form::ControlsByName<MemoryTextBox> textBoxes;
    form::ControlsByName<MemoryListBox> listBoxes;
    MemoryTextBox& Text1; // the display
    MemoryTextBox& Text2; // the 2ndF indicator
    MemoryListBox& List1; // the digit list
    MemoryClipboard clipboard;
    RecordingMessageBox messages;
    RecordingAnnouncer announcer;
    form::Form1Wiring wiring;
};

} // namespace testing
