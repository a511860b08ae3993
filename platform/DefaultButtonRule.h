#pragma once

namespace platform {

class Button;

// The window's default-button role. At most one button holds it at a time; nothing moves it but
// Button::setDefault (focus changes and clicks never do). Enter clicks the focused button, else
// the holder of this role, else nothing: see EnterKeyFilter for the keyboard side.
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

private:
    Button* m_holder = nullptr;
};

} // namespace platform
