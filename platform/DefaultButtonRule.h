#pragma once

namespace platform {

class Button;

// The window's default-button role. At most one button holds it at a time; nothing moves it but
// Button::setDefault (focus changes and clicks never do). Every front-end asks buttonForEnter()
// which button the Enter key clicks.
class DefaultButtonRule {
public:
    DefaultButtonRule() = default;
    DefaultButtonRule(const DefaultButtonRule&) = delete;
    DefaultButtonRule& operator=(const DefaultButtonRule&) = delete;

    Button* holder() const { return m_holder; }
    void give(Button& button);
    void takeFrom(Button& button);
    // A button being destroyed gives the role up without being redrawn.
    void forget(const Button& button);

    // Enter clicks the focused button (nullptr: the focus is on no button), else the holder of
    // the role, else nothing (nullptr).
    Button* buttonForEnter(Button* focused) const { return focused ? focused : m_holder; }

private:
    Button* m_holder = nullptr;
};

} // namespace platform
