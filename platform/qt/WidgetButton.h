#pragma once

#include "platform/Button.h"

class QPushButton;
class QWidget;

namespace platform::qt {

// A Button shown as a push button that belongs to its parent widget. The push button never
// decides on its own which button is the default: auto-default is off, so focus and clicks leave
// the role alone, and its default flag only mirrors the rule so the style draws the emphasis.
class WidgetButton final : public Button {
public:
    WidgetButton(DefaultButtonRule& rule, QWidget* parent, const char* objectName);

    void click() override;
    QPushButton& widget() const { return *m_button; }

protected:
    void showDefaultEmphasis(bool on) override;

private:
    QPushButton* m_button;
};

} // namespace platform::qt
