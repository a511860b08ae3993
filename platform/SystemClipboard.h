#pragma once

#include "Clipboard.h"

namespace platform {

// The desktop's own clipboard (not the X11 primary selection), shared with every other program.
// Needs a running QGuiApplication.
class SystemClipboard final : public Clipboard {
public:
    std::string text() const override;
    // Verified by reading the text back: a write that another program's hold on the clipboard
    // made fail shows up there, since Qt itself only logs it.
    void setText(std::string_view text) override;
};

} // namespace platform
