#pragma once

#include <QObject>
#include <memory>
#include <string>

#include "platform/qt/DesktopClipboard.h"

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
// is read by the reader too, and is this program's while Qt holds it (Qt writes it as text is
// selected in a text box). Where the compositor offers no primary selection, Qt reports none.
class WaylandClipboard final : public DesktopClipboard {
public:
    // Throws std::runtime_error where the compositor offers this program no clipboard.
    explicit WaylandClipboard(wl_display& display);
    ~WaylandClipboard() override;

    // Checked afterwards by the offer that comes back, which must carry this write's mark.
    void setText(std::string_view text) override;

private:
    std::string read(Selection selection, ReadLimit limit) const override;
    bool mayHold(Selection selection) const override;
    // Catches up with the compositor; throws ClipboardError without the keyboard focus, since
    // Wayland then tells nothing of the selections.
    void requireFocus(Deadline deadline) const;

    std::unique_ptr<WaylandClipboardReader> m_reader;
    QObject m_connections; // ends the connections to Qt's signals as this goes
};

} // namespace platform::qt
