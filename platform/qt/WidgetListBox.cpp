#include "WidgetListBox.h"

#include <QListWidget>

#include "QtText.h"

namespace platform::qt {

WidgetListBox::WidgetListBox(QWidget* parent, const char* objectName)
    : m_list(new QListWidget(parent)) {
    m_list->setObjectName(QString::fromLatin1(objectName));
    m_list->setSortingEnabled(false);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
}

void WidgetListBox::addItem(std::string_view item) {
    m_list->addItem(fromUtf8(item));
}

std::string WidgetListBox::item(std::size_t index) const {
    if (index >= count())
        return {};
    return toUtf8(m_list->item(static_cast<int>(index))->text());
}

std::size_t WidgetListBox::count() const {
    return static_cast<std::size_t>(m_list->count());
}

void WidgetListBox::clear() {
    m_list->clear();
}

} // namespace platform::qt
