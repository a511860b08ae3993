#include "WidgetButton.h"

#include <QPushButton>

namespace platform::qt {

WidgetButton::WidgetButton(DefaultButtonRule& rule, QWidget* parent, const char* objectName)
    : Button(rule), m_button(new QPushButton(parent)) {
    m_button->setObjectName(QString::fromLatin1(objectName));
    m_button->setAutoDefault(false);
}

void WidgetButton::click() {
    m_button->click();
}

void WidgetButton::showDefaultEmphasis(bool on) {
    // QPushButton also tells assistive technology that its default state changed, so a screen
    // reader hears the pending operation and the 2ndF state move.
    m_button->setDefault(on);
}

} // namespace platform::qt
