#pragma once

// The calculator's window, Form1: a fixed-size teal window holding the display, the 2ndF
// indicator, the hidden digit list and 24 buttons, each wired to its click handler. The controls
// are public members named as the calculator's design names them; the engine sees them through
// controls(), and a click's failure is reported through the window's message box.

#include <QWidget>

#include "engine/Controls.h"
#include "platform/DefaultButtonRule.h"
#include "platform/DialogMessageBox.h"
#include "platform/EnterKeyFilter.h"
#include "platform/SystemClipboard.h"
#include "platform/WidgetButton.h"
#include "platform/WidgetListBox.h"
#include "platform/WidgetTextBox.h"

class Form1 final : public QWidget {
private:
    // Declared before the buttons, which hold on to it until they are gone.
    platform::DefaultButtonRule m_defaultButton;

public:
    Form1();

    engine::Controls& controls() { return m_controls; }
    platform::MessageBox& messages() { return m_messages; }

    // In creation order, which is also the stacking order (Text2 in front of Text1).
    platform::WidgetButton Command1, Command2, Command3, Command4, Command5, Command6, Command7,
        Command8, Command9, Command10;
    platform::WidgetListBox List1;
    platform::WidgetTextBox Text1;
    platform::WidgetButton Somma, Differenza, Prodotto, Divisione, Risultato, Cancella, Radice,
        Potenza, Reciproco, Percentuale, Guida, LogaritmoDecimale, Logaritmo, FunzioneInversa;
    platform::WidgetTextBox Text2;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void layOutControls();
    void setTabOrder();

    platform::SystemClipboard m_clipboard;
    platform::DialogMessageBox m_messages;
    platform::EnterKeyFilter m_enterKey;
    engine::Controls m_controls;
};
