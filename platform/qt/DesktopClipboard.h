#pragma once

#include <QClipboard>
#include <chrono>
#include <cstddef>
#include <string>

#include "ClipboardRead.h"
#include "platform/Clipboard.h"

namespace platform::qt {

// The desktop's clipboard as the Qt window uses it: the calculator's plain-text clipboard (not
// the primary selection), and the paste into a text box, which reads the primary selection too
// (the middle button). There is one back-end per display server, chosen once at start-up by
// clipboardForThisDisplay() (DisplayServer.h): X11Clipboard and WaylandClipboard, and QtClipboard,
// Qt's own, elsewhere. X11Clipboard and WaylandClipboard end every read of another program's text
// and every write within kDeadline, with two exceptions on X11: a program that grabs the whole
// server holds this one too (the reader's connection and Qt's own write wait for the grab to
// end), and the program's own primary selection is Qt's, which asks the server once more who
// holds it and could wait Qt's own 5 s for a program that took it in that instant.
//
// Every clipboard write of this program goes through setText(), so a back-end knows the text of
// its own latest write and answers a read of it at once, without asking anyone.
class DesktopClipboard : public Clipboard {
public:
    // What another program can cost one read or write.
    static constexpr std::chrono::milliseconds kDeadline{1000};
    // The longest text read: 32767 display characters take at most 98,301 bytes of UTF-8, and no
    // numeral needs more (its value is settled long before, or beyond the double range anyway).
    static constexpr std::size_t kMaxTextBytes = 1 << 20;

    // Fails on a text longer than kMaxTextBytes, rather than read it in part.
    std::string text() const final;
    // What a paste into a text box inserts: the clipboard's text, or the primary selection's,
    // cut at kMaxTextBytes.
    std::string pasteText(QClipboard::Mode mode) const;
    // Whether there may be text to paste, asked of nobody but the display server.
    bool mayHoldText(QClipboard::Mode mode) const;

protected:
    virtual std::string read(Selection selection, ReadLimit limit) const = 0;
    virtual bool mayHold(Selection selection) const = 0;

    // The selection's text as Qt reads it: at once where Qt holds the selection itself.
    static std::string qtText(Selection selection, ReadLimit limit);
};

// Qt's clipboard, through which every back-end writes; throws ClipboardError where the
// application has none.
QClipboard& qtClipboard();

// The mode in which Qt names `selection`.
QClipboard::Mode qtMode(Selection selection);

} // namespace platform::qt
