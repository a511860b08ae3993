#include "Button.h"

#include "DefaultButtonRule.h"

namespace platform {

Button::~Button() {
    m_rule.forget(*this);
}

bool Button::isDefault() const {
    return m_rule.holder() == this;
}

void Button::setDefault(bool on) {
    if (on)
        m_rule.give(*this);
    else
        m_rule.takeFrom(*this);
}

} // namespace platform
