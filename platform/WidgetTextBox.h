#pragma once

#include "TextBox.h"

class QLineEdit;
class QWidget;

namespace platform {

// A TextBox shown as a single-line editable field. The field has no length limit and belongs to
// its parent widget, which outlives this object.
class WidgetTextBox final : public TextBox {
public:
    WidgetTextBox(QWidget* parent, const char* objectName);

    std::string text() const override;
    void setText(std::string_view text) override;

    QLineEdit& widget() const { return *m_edit; }

private:
    QLineEdit* m_edit;
};

} // namespace platform
