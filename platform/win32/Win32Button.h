#pragma once

#include "platform/win32/WindowsApi.h"

#include "platform/Button.h"

namespace platform::win32 {

// A Button shown as an owner-drawn push button of a dialog-managed window. Windows draws no
// default emphasis on owner-drawn buttons, so the window draws it (isDefault() tells it when);
// the dialog manager is kept told which button is the default (DM_SETDEFID).
class Win32Button final : public Button {
public:
    Win32Button(DefaultButtonRule& rule, HWND button) : Button(rule), m_button(button) {}

    // Sends the click to the window exactly as a mouse click does.
    void click() override;
    HWND handle() const { return m_button; }

protected:
    void showDefaultEmphasis(bool on) override;

private:
    HWND m_button;
};

} // namespace platform::win32
