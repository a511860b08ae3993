#pragma once

// The Qt front-end: start-up and options, the application's look, the program icon, and Form1.
//
// This file: the calculator's window on Qt, Form1, built from its design table (form/) as a
// fixed-size teal window holding the display, the 2ndF indicator, the hidden digit list and 24
// buttons. Its clicks, Enter key, focus and tab order go through the shared wiring.

#include <QWidget>
#include <memory>
#include <optional>
#include <string_view>

#include "TextBoxClipboard.h"
#include "form/ControlsByName.h"
#include "form/Form1Wiring.h"
#include "platform/DefaultButtonRule.h"
#include "platform/qt/DesktopClipboard.h"
#include "platform/qt/DialogMessageBox.h"
#include "platform/qt/EnterKeyFilter.h"
#include "platform/qt/QtAnnouncer.h"
#include "platform/qt/SettledHide.h"
#include "platform/qt/WidgetButton.h"
#include "platform/qt/WidgetListBox.h"
#include "platform/qt/WidgetTextBox.h"

namespace form {
struct ControlDesign;
}

namespace app::qt {

class Form1 final : public QWidget, public form::ControlLookup {
public:
    Form1();
    ~Form1() override;

    engine::Controls& controls() { return m_wiring->engineControls(); }
    platform::MessageBox& messages() { return m_messages; }

    // The control with that design name ("Command1", "Text1", "List1"); the program stops on a
    // name the window has not.
    platform::qt::WidgetButton& button(std::string_view name) const override;
    platform::qt::WidgetTextBox& textBox(std::string_view name) const override;
    platform::qt::WidgetListBox& listBox(std::string_view name) const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void addButton(const form::ControlDesign& design);
    void addTextBox(const form::ControlDesign& design);
    void addListBox(const form::ControlDesign& design);
    void setTabOrder();
    void wireClicks();

    // Declared before the buttons, which hold on to it until they are gone.
    platform::DefaultButtonRule m_defaultButton;
    form::ControlsByName<platform::qt::WidgetButton> m_buttons;
    form::ControlsByName<platform::qt::WidgetTextBox> m_textBoxes;
    form::ControlsByName<platform::qt::WidgetListBox> m_listBoxes;
    std::unique_ptr<platform::qt::DesktopClipboard> m_clipboard;
    platform::qt::DialogMessageBox m_messages;
    platform::qt::EnterKeyFilter m_enterKey;
    platform::qt::QtAnnouncer m_announcer;
    TextBoxClipboard m_textBoxClipboard;
    std::optional<form::Form1Wiring> m_wiring;
    platform::qt::SettledHide m_hide{*this, [this] { close(); }};
};

} // namespace app::qt
