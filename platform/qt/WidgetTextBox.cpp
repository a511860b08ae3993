#include "WidgetTextBox.h"

#include <QLineEdit>

#include "QtText.h"

namespace platform::qt {

WidgetTextBox::WidgetTextBox(QWidget* parent, const char* objectName)
    : m_edit(new QLineEdit(parent)) {
    m_edit->setObjectName(QString::fromLatin1(objectName));
    // Laying out a line of megabytes takes seconds a key, so typing and pasting stop at the
    // single-line edit's usual 32767 characters. No number needs more: such a numeral's value is
    // settled long before its end, or is beyond the double range anyway.
    m_edit->setMaxLength(kMaxLength);
}

std::string WidgetTextBox::text() const {
    return toUtf8(m_edit->text());
}

void WidgetTextBox::setText(std::string_view text) {
    m_edit->setText(fromUtf8(text));
}

} // namespace platform::qt
