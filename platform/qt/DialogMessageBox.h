#pragma once

#include "platform/MessageBox.h"

class QWidget;

namespace platform::qt {

// A MessageBox shown as an application-modal dialog over `parent`, titled with the application
// name and with one OK button that carries no icon.
class DialogMessageBox final : public MessageBox {
public:
    explicit DialogMessageBox(QWidget* parent) : m_parent(parent) {}

    void show(std::string_view text, Icon icon) override;

private:
    QWidget* m_parent;
};

} // namespace platform::qt
