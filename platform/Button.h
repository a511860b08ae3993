#pragma once

namespace platform {

class DefaultButtonRule;

// A push button as the calculator sees it: something that can be clicked and that carries the
// window's default-button property. The property is not stored in the button: the window's
// DefaultButtonRule owns it, which is what keeps it on at most one button.
class Button {
public:
    explicit Button(DefaultButtonRule& rule) : m_rule(rule) {}
    virtual ~Button();
    Button(const Button&) = delete;
    Button& operator=(const Button&) = delete;

    bool isDefault() const;
    // true takes the role from whichever button held it; false on the holder leaves the
    // window without a default button, and on any other button does nothing.
    void setDefault(bool on);

    // Runs the button's click exactly as a mouse click would.
    virtual void click() = 0;

protected:
    friend class DefaultButtonRule;
    // Draws or removes the default-button emphasis; called only when the role really moves.
    virtual void showDefaultEmphasis(bool on) = 0;

private:
    DefaultButtonRule& m_rule;
};

} // namespace platform
