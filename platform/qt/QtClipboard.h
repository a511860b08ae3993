#pragma once

#include <QClipboard>
#include <QObject>
#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "platform/Clipboard.h"

namespace platform::qt {

class WaylandClipboardReader;
class X11SelectionReader;

// The desktop's own clipboard (not the X11 primary selection), shared with every other program.
// Needs a running QGuiApplication. Every read or write has one deadline in all: an owner that has
// not answered in full by then makes it fail with ClipboardError, so no program can cost a click
// more than that. Other programs' texts are read by a reader of our own: on X11 an
// X11SelectionReader, made at the first read or write that needs one and dropped after a failure;
// on Wayland a WaylandClipboardReader, made with the window, since Wayland tells a program of the
// clipboard only as it gains the keyboard focus. This program's own text comes from Qt.
//
// On Wayland a program without the keyboard focus is told nothing of the clipboard, and cannot
// check that its own write took: there a read or a write fails. A write is checked by the offer
// that comes back, which carries a mark of this very write.
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
    // Brings the Wayland reader up to now; a program without the keyboard focus is told nothing.
    void catchUpWithFocus(std::chrono::steady_clock::time_point deadline) const;
    std::optional<std::string> readWayland(QClipboard::Mode mode, TooLong tooLong) const;
    void writeWayland(const QString& text);
    std::string writeMark(std::uint64_t write) const;

    bool m_x11 = false;
    mutable std::unique_ptr<X11SelectionReader> m_x11Reader;
    std::unique_ptr<WaylandClipboardReader> m_wayland;
    std::uint64_t m_writes = 0; // this program's writes on Wayland, each marked with its number
    QObject m_idle;             // drains the Wayland reader's events whenever the loop goes idle
};

} // namespace platform::qt
