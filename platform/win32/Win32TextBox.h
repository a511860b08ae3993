#pragma once

#include "platform/win32/WindowsApi.h"

#include "platform/TextBox.h"

namespace platform::win32 {

// A TextBox kept in a single-line EDIT control that its window owns.
class Win32TextBox final : public TextBox {
public:
    explicit Win32TextBox(HWND edit) : m_edit(edit) {}

    std::string text() const override;
    void setText(std::string_view text) override;
    HWND handle() const { return m_edit; }

private:
    HWND m_edit;
};

} // namespace platform::win32
