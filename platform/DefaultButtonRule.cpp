#include "DefaultButtonRule.h"

#include "Button.h"

namespace platform {

void DefaultButtonRule::give(Button& button) {
    if (m_holder == &button)
        return;
    Button* previous = m_holder;
    m_holder = &button;
    if (previous)
        previous->showDefaultEmphasis(false);
    button.showDefaultEmphasis(true);
}

void DefaultButtonRule::takeFrom(Button& button) {
    if (m_holder != &button)
        return;
    m_holder = nullptr;
    button.showDefaultEmphasis(false);
}

void DefaultButtonRule::forget(const Button& button) {
    if (m_holder == &button)
        m_holder = nullptr;
}

} // namespace platform
