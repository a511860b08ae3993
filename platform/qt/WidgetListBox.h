#pragma once

#include "platform/ListBox.h"

class QListWidget;
class QWidget;

namespace platform::qt {

// A ListBox kept in a list widget that belongs to its parent widget.
class WidgetListBox final : public ListBox {
public:
    WidgetListBox(QWidget* parent, const char* objectName);

    void addItem(std::string_view item) override;
    std::string item(std::size_t index) const override;
    std::size_t count() const override;
    void clear() override;

    QListWidget& widget() const { return *m_list; }

private:
    QListWidget* m_list;
};

} // namespace platform::qt
