#pragma once

// The calculator's window on Qt, Form1: built from its description (Form1Design.h) as a
// fixed-size teal window holding the display, the 2ndF indicator, the hidden digit list and 24
// buttons, each wired to its click handler. Controls are found by their design names; the engine
// sees them through controls(), and a click's failure is reported through the window's message
// box.

#include <QWidget>
#include <memory>
#include <optional>
#include <string_view>

#include "ControlsByName.h"
#include "engine/Controls.h"
#include "platform/Announcer.h"
#include "platform/DefaultButtonRule.h"
#include "platform/DialogMessageBox.h"
#include "platform/EnterKeyFilter.h"
#include "platform/SystemClipboard.h"
#include "platform/WidgetButton.h"
#include "platform/WidgetListBox.h"
#include "platform/WidgetTextBox.h"

struct ControlDesign;

class Form1 final : public QWidget {
public:
    Form1();
    ~Form1() override;

    engine::Controls& controls() { return *m_controls; }
    platform::MessageBox& messages() { return m_messages; }

    // The control with that design name ("Command1", "Text1", "List1"); the program stops on a
    // name the window has not.
    platform::WidgetButton& button(std::string_view name) const;
    platform::WidgetTextBox& textBox(std::string_view name) const;
    platform::WidgetListBox& listBox(std::string_view name) const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void addButton(const ControlDesign& design);
    void addTextBox(const ControlDesign& design);
    void addListBox(const ControlDesign& design);
    void setTabOrder();
    void wireClicks();

    // What a screen reader is told of after a click.
    struct Spoken {
        QString display;
        bool secondFunction;
    };
    Spoken spokenState() const;
    void announceChanges(const Spoken& before);

    // Declared before the buttons, which hold on to it until they are gone.
    platform::DefaultButtonRule m_defaultButton;
    ControlsByName<platform::WidgetButton> m_buttons;
    ControlsByName<platform::WidgetTextBox> m_textBoxes;
    ControlsByName<platform::WidgetListBox> m_listBoxes;
    platform::SystemClipboard m_clipboard;
    platform::DialogMessageBox m_messages;
    platform::EnterKeyFilter m_enterKey;
    platform::Announcer m_announcer;
    std::optional<engine::Controls> m_controls;
};
