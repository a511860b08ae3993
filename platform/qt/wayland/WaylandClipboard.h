#pragma once

#include <QObject>
#include <memory>
#include <string>

#include "platform/qt/DesktopClipboard.h"
#include "platform/qt/ReadLimit.h"

struct wl_display;

namespace platform::qt {

class WaylandClipboardReader;

// The clipboard natively on Wayland. Other programs' texts are read by a WaylandClipboardReader
// over Qt's connection, made with the window, since Wayland tells a program of the selections
// only as it gains the keyboard focus: a read or a write without the focus fails, since the
// program would not learn whether its own write took either. (Compositors with the wlr
// data-control protocol would let a program read without the focus, GNOME has none: one
// behaviour everywhere was chosen.)
//
// Every write goes through Qt and carries a mark of its own, a MIME type naming this process and
// the write, so the offer that comes back tells whether the compositor took it, and a clipboard
// offering the mark of the latest write holds its text, answered at once. The primary selection
// is read by the reader too where the compositor offers it, and is this program's while Qt holds
// it (Qt writes it as text is selected in a text box); elsewhere Qt reads it, unbounded.
class WaylandClipboard final : public DesktopClipboard {
public:
    // Throws std::runtime_error where the compositor offers this program no clipboard.
    explicit WaylandClipboard(wl_display& display);
    ~WaylandClipboard() override;

    std::string text() const override;
    // Checked afterwards by the offer that comes back, which must carry this write's mark.
    void setText(std::string_view text) override;
    std::string pasteText(QClipboard::Mode mode) const override;
    bool mayHoldText(QClipboard::Mode mode) const override;

private:
    std::string read(QClipboard::Mode mode, TooLong tooLong) const;

    std::unique_ptr<WaylandClipboardReader> m_reader;
    QObject m_idle; // drains the reader's events whenever the loop goes idle
};

} // namespace platform::qt
