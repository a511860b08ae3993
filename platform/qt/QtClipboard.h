#pragma once

#include <QClipboard>
#include <chrono>
#include <memory>

#include "platform/Clipboard.h"

namespace platform::qt {

class X11SelectionReader;

// The desktop's own clipboard (not the X11 primary selection), shared with every other program.
// Needs a running QGuiApplication. Every read or write has one deadline in all: an owner that has
// not answered in full by then makes it fail with ClipboardError, so no program can cost a click
// more than that. On X11 other programs' texts are read by an X11SelectionReader, made at the
// first read or write that needs one and dropped after a failure; this program's own text, and
// everything elsewhere, comes from Qt.
class QtClipboard final : public Clipboard {
public:
    static constexpr std::chrono::milliseconds kDeadline{1000};
    // The longest text read: 32767 display characters take at most 98,301 bytes of UTF-8, and no
    // numeral needs more (its value is settled long before, or beyond the double range anyway).
    static constexpr std::size_t kMaxTextBytes = 1 << 20;

    QtClipboard();
    ~QtClipboard() override;

    // A longer text than kMaxTextBytes fails, rather than be read in part.
    std::string text() const override;
    // Verified afterwards: this program must own the clipboard and hold the text, since Qt itself
    // only logs a write that failed.
    void setText(std::string_view text) override;

    // What a paste into a text box inserts: the clipboard's text, or on X11 the primary
    // selection's, cut at kMaxTextBytes.
    std::string pasteText(QClipboard::Mode mode) const;
    // Whether there may be text to paste, asked of nobody but the display server.
    bool mayHoldText(QClipboard::Mode mode) const;

private:
    enum class TooLong { Fail, Cut };
    std::string read(QClipboard::Mode mode, TooLong tooLong) const;
    template <class Work> auto withX11Reader(Work work) const;

    bool m_x11 = false;
    mutable std::unique_ptr<X11SelectionReader> m_x11Reader;
};

} // namespace platform::qt
