#pragma once

#include "platform/win32/WindowsApi.h"

#include "platform/Clipboard.h"

namespace platform::win32 {

// The Windows clipboard as plain Unicode text (CF_UNICODETEXT). A clipboard without text reads as
// "". Another program may hold the clipboard open for a moment: opening it is retried for a short
// while, then the operation fails with ClipboardError.
class Win32Clipboard final : public Clipboard {
public:
    explicit Win32Clipboard(HWND owner) : m_owner(owner) {}

    std::string text() const override;
    void setText(std::string_view text) override;

private:
    HWND m_owner;
};

} // namespace platform::win32
