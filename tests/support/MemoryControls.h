#pragma once

// In-memory stand-ins for the window's controls and the clipboard, for fast engine tests and for
// failures the real parts cannot produce on demand. The default-button rule is the real one.

#include <optional>
#include <string>
#include <vector>

#include "engine/Controls.h"
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
    void click() override { ++clicks; }
    int clicks = 0;
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

// Splits "1 2 + 3 =" into its key captions.
std::vector<std::string> captions(std::string_view keys);

// The calculator's state in memory, driven key by key through the same dispatcher as a real click.
class MemoryForm {
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

    platform::DefaultButtonRule rule;
    MemoryTextBox Text1, Text2;
    MemoryListBox List1;
    MemoryButton Somma{rule}, Differenza{rule}, Prodotto{rule}, Divisione{rule}, Potenza{rule},
        Percentuale{rule}, FunzioneInversa{rule}, Risultato{rule};
    MemoryClipboard clipboard;
    RecordingMessageBox messages;
    engine::Controls controls;

private:
    std::string captionOf(const platform::Button& button) const;
};

} // namespace testing
