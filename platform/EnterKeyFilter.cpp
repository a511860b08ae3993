#include "EnterKeyFilter.h"

#include <QAbstractButton>
#include <QKeyEvent>
#include <QWidget>

#include "Button.h"
#include "DefaultButtonRule.h"

namespace platform {

EnterKeyFilter::EnterKeyFilter(DefaultButtonRule& rule, QObject* parent)
    : QObject(parent), m_rule(rule) {}

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

    if (auto* focused = qobject_cast<QAbstractButton*>(watched))
        focused->click();
    else if (Button* holder = m_rule.holder())
        holder->click();
    return true;
}

} // namespace platform
