#pragma once

#include <QObject>
#include <memory>
#include <optional>

#include "platform/qt/DesktopClipboard.h"

namespace platform::qt {

class X11SelectionReader;

// The clipboard on X11 (Qt's "xcb", under Xwayland too). Other programs' texts are read by an
// X11SelectionReader, on an X connection of its own, made at the first read or write that needs
// one and dropped after a failure, so nothing an owner sends late can reach the next read. Qt's
// own X11 clipboard waits five seconds per request and reads a timeout as an empty clipboard.
//
// A selection whose owner is one of this program's windows holds this program's text: for the
// clipboard, the text of its latest write, answered at once; the primary selection, which Qt
// writes as text is selected in a text box, from Qt. Writes go through Qt, which then serves other
// programs and hands the text to a clipboard manager at exit, and are checked with the X server.
class X11Clipboard final : public DesktopClipboard {
public:
    X11Clipboard();
    ~X11Clipboard() override;

    // Checked afterwards: this program must own the clipboard, as the X server says.
    void setText(std::string_view text) override;

private:
    std::string read(Selection selection, ReadLimit limit) const override;
    bool mayHold(Selection selection) const override;
    template <class Work> auto withReader(Work work) const;

    mutable std::unique_ptr<X11SelectionReader> m_reader;
    // The clipboard's text as this program last wrote it; nothing after Qt wrote the clipboard
    // some other way, which only a write of this class's own puts right.
    std::optional<std::string> m_written;
    bool m_writing = false;
    QObject m_connections; // ends the connection to Qt's clipboard signal as this goes
};

} // namespace platform::qt
