#pragma once

// "Another program" on the desktop's clipboard: xclip, run as a separate process. It is never
// waited for synchronously: while this process owns the clipboard it must keep its event loop
// running to answer xclip's request. Every helper that hands the clipboard to xclip returns only
// once a third process reads it from there, so no test races the hand-over.

#include <QByteArray>
#include <QProcess>

namespace testing {

// What another program reads from the clipboard (or, with "primary", the selection).
QByteArray otherProgramReads(const char* selection = "clipboard");

// Another program copies `text` to the clipboard.
void otherProgramCopies(const QByteArray& text);
// Another program selects `text` (the X11 primary selection, not the clipboard).
void otherProgramSelects(const QByteArray& text);
// Another program copies a PNG picture, and offers the clipboard in no text form.
void otherProgramCopiesPicture(const QByteArray& png);

// Another program takes the clipboard with `text` and then stops answering, as a hung program
// does (the process is stopped with SIGSTOP). When this object goes, it resumes and ends.
class HungOwner {
public:
    explicit HungOwner(const QByteArray& text);
    ~HungOwner();
    HungOwner(const HungOwner&) = delete;
    HungOwner& operator=(const HungOwner&) = delete;

private:
    QProcess m_xclip;
};

} // namespace testing
