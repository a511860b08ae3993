#include "EnterKeyFilter.h"

#include <QKeyEvent>
#include <QWidget>

namespace platform::qt {

EnterKeyFilter::EnterKeyFilter(Pressed pressed, QObject* parent)
    : QObject(parent), m_pressed(std::move(pressed)) {}

void EnterKeyFilter::watch(QWidget& window) {
    window.installEventFilter(this);
    const auto children = window.findChildren<QWidget*>();
    for (QWidget* child : children)
        child->installEventFilter(this);
}

bool EnterKeyFilter::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress)
        return false;
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key != Qt::Key_Return && key != Qt::Key_Enter)
        return false;
    m_pressed(*watched);
    return true;
}

} // namespace platform::qt
