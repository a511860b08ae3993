#pragma once

#include <chrono>
#include <memory>

#include "platform/Clipboard.h"

namespace platform::qt {

class X11SelectionReader;

// The desktop's own clipboard (not the X11 primary selection), shared with every other program.
// Needs a running QGuiApplication. Every operation gets one deadline in all: an owner that has
// not answered by then makes it fail with ClipboardError, so a hung program costs a click at most
// that long. On X11 reads go through an X11SelectionReader; elsewhere through Qt.
class QtClipboard final : public Clipboard {
public:
    static constexpr std::chrono::milliseconds kDeadline{1000};

    QtClipboard();
    ~QtClipboard() override;

    std::string text() const override;
    // Verified afterwards: this program must own the clipboard and hold the text, since Qt itself
    // only logs a write that failed.
    void setText(std::string_view text) override;

private:
    std::unique_ptr<X11SelectionReader> m_x11;
};

} // namespace platform::qt
