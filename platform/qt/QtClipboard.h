#pragma once

#include "DesktopClipboard.h"

namespace platform::qt {

// Qt's own clipboard, for display servers this program has no reader of its own for (and for
// Wayland compositors that offer this program no clipboard of their own). Qt bounds nothing
// there: a hung owner can hold a read as long as Qt waits, and a timeout reads as empty.
class QtClipboard final : public DesktopClipboard {
public:
    std::string text() const override;
    // Checked afterwards by reading the text back, since Qt itself only logs a write that failed.
    void setText(std::string_view text) override;
    std::string pasteText(QClipboard::Mode mode) const override;
    bool mayHoldText(QClipboard::Mode mode) const override;
};

} // namespace platform::qt
