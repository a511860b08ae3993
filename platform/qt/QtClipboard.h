#pragma once

#include "DesktopClipboard.h"

namespace platform::qt {

// Qt's own clipboard, for display servers this program has no reader of its own for (and for
// Wayland compositors that offer this program no clipboard of their own). Qt bounds nothing
// there: a hung owner can hold a read as long as Qt waits, and a timeout reads as empty.
class QtClipboard final : public DesktopClipboard {
public:
    // Checked afterwards by reading the text back, since Qt itself only logs a write that failed.
    void setText(std::string_view text) override;

private:
    std::string read(Selection selection, ReadLimit limit) const override;
    bool mayHold(Selection selection) const override;
};

} // namespace platform::qt
