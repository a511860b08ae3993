#include "Win32MessageBox.h"

#include "Utf16.h"

namespace platform::win32 {

void Win32MessageBox::show(std::string_view text, Icon icon) {
    const UINT style = MB_OK | MB_APPLMODAL | (icon == Icon::Warning ? MB_ICONWARNING : 0);
    ::MessageBoxW(m_owner, toUtf16(text).c_str(), L"BRENOLDI", style);
}

} // namespace platform::win32
