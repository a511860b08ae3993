#include "Win32Button.h"

namespace platform::win32 {

void Win32Button::click() {
    SendMessageW(GetParent(m_button), WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(m_button), BN_CLICKED),
                 reinterpret_cast<LPARAM>(m_button));
}

void Win32Button::showDefaultEmphasis(bool on) {
    const HWND window = GetParent(m_button);
    if (on)
        SendMessageW(window, DM_SETDEFID, static_cast<WPARAM>(GetDlgCtrlID(m_button)), 0);
    else if (static_cast<int>(LOWORD(SendMessageW(window, DM_GETDEFID, 0, 0))) ==
             GetDlgCtrlID(m_button))
        SendMessageW(window, DM_SETDEFID, 0, 0);
    InvalidateRect(m_button, nullptr, TRUE);
}

} // namespace platform::win32
