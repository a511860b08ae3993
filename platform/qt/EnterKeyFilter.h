#pragma once

#include <QObject>
#include <functional>

class QWidget;

namespace platform::qt {

// The keyboard half of the default-button rule on Qt. Enter (either key) anywhere in the window
// goes to `pressed` with the widget that had the focus, which decides what it clicks (the shared
// rule: the focused button, else the default one). Installed on a window and every widget in it,
// so the decision is never left to Qt's own default-button handling, which exists only in
// dialogs and follows the focus.
class EnterKeyFilter final : public QObject {
public:
    using Pressed = std::function<void(QObject& focused)>;

    EnterKeyFilter(Pressed pressed, QObject* parent);

    void watch(QWidget& window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    Pressed m_pressed;
};

} // namespace platform::qt
