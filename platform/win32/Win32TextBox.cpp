#include "Win32TextBox.h"

#include "Utf16.h"

namespace platform::win32 {

std::string Win32TextBox::text() const {
    std::wstring text(static_cast<std::size_t>(GetWindowTextLengthW(m_edit)) + 1, L'\0');
    text.resize(static_cast<std::size_t>(
        GetWindowTextW(m_edit, text.data(), static_cast<int>(text.size()))));
    return toUtf8(text);
}

void Win32TextBox::setText(std::string_view text) {
    SetWindowTextW(m_edit, toUtf16(text).c_str());
}

} // namespace platform::win32
