#pragma once

#include <QObject>

class QWidget;

namespace platform {

class DefaultButtonRule;

// The keyboard half of the default-button rule. Enter (either key) clicks the focused button when
// the focus is on a button, else the holder of the default-button role, else nothing. Installed
// on a window and every widget in it, so the decision is made here and never by Qt's own
// default-button handling (which exists only in dialogs and follows the focus).
class EnterKeyFilter final : public QObject {
public:
    explicit EnterKeyFilter(DefaultButtonRule& rule, QObject* parent = nullptr);

    void watch(QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    DefaultButtonRule& m_rule;
};

} // namespace platform
