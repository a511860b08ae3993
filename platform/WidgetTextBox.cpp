#include "WidgetTextBox.h"

#include <QLineEdit>
#include <limits>

#include "Utf8.h"

namespace platform {

WidgetTextBox::WidgetTextBox(QWidget* parent, const char* objectName)
    : m_edit(new QLineEdit(parent)) {
    m_edit->setObjectName(QString::fromLatin1(objectName));
    // QLineEdit would otherwise cut every text, typed or set, at 32767 characters.
    m_edit->setMaxLength(std::numeric_limits<int>::max());
}

std::string WidgetTextBox::text() const {
    return toUtf8(m_edit->text());
}

void WidgetTextBox::setText(std::string_view text) {
    m_edit->setText(fromUtf8(text));
}

} // namespace platform
