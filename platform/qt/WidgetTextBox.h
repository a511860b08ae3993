#pragma once

#include "platform/TextBox.h"

class QLineEdit;
class QWidget;

namespace platform::qt {

// A TextBox shown as a single-line editable field that belongs to its parent widget, which
// outlives this object. What is typed or pasted stops at kMaxLength characters.
class WidgetTextBox final : public TextBox {
public:
    static constexpr int kMaxLength = 32767;

    WidgetTextBox(QWidget* parent, const char* objectName);

    std::string text() const override;
    void setText(std::string_view text) override;

    QLineEdit& widget() const { return *m_edit; }

private:
    QLineEdit* m_edit;
};

} // namespace platform::qt
