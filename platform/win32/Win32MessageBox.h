#pragma once

#include "platform/win32/WindowsApi.h"

#include "platform/MessageBox.h"

namespace platform::win32 {

// A MessageBox shown with MessageBoxW, modal to the calculator's window, titled with the
// application's name, with one OK button.
class Win32MessageBox final : public MessageBox {
public:
    explicit Win32MessageBox(HWND owner) : m_owner(owner) {}

    void show(std::string_view text, Icon icon) override;

private:
    HWND m_owner;
};

} // namespace platform::win32
