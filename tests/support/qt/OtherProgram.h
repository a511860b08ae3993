#pragma once

// "Another program" on the desktop's clipboard, run as a separate process: xclip (natively on
// Wayland wl-copy and wl-paste), an ordinary Qt program (qt_copier, X11), or one that misbehaves
// as it is told (clipboard_owner, X11). None is waited
// for synchronously: while this process owns the clipboard it must keep its event loop running
// to answer the other's request. Every helper that hands the clipboard over returns only once
// the other program owns it, so no test races the hand-over.

#include <QByteArray>
#include <QProcess>

namespace testing {

// What another program reads from the clipboard (or, with "primary", the selection).
QByteArray otherProgramReads(const char* selection = "clipboard");

// Another program copies `text` to the clipboard.
void otherProgramCopies(const QByteArray& text);
// Another program empties the clipboard: nobody owns it afterwards.
void emptyClipboard();
// Another program selects `text` (the X11 primary selection, not the clipboard).
void otherProgramSelects(const QByteArray& text);
// Another program copies a PNG picture, and offers the clipboard in no text form.
void otherProgramCopiesPicture(const QByteArray& png);

// Another program takes the clipboard (or, with "primary", the selection) with `text` and then
// stops answering, as a hung program does (the process is stopped with SIGSTOP). When this object
// goes, it resumes and ends.
class HungOwner {
public:
    explicit HungOwner(const QByteArray& text, const char* selection = "clipboard");
    ~HungOwner();
    HungOwner(const HungOwner&) = delete;
    HungOwner& operator=(const HungOwner&) = delete;

private:
    QProcess m_owner;
};

// Natively on Wayland, another program takes the clipboard with `text` and answers as `mode`
// says (the modes of tests/support/wayland/wayland_helper.py: normal, slow, picture). It is
// killed when this object goes.
class WaylandOwner {
public:
    WaylandOwner(const QString& mode, const QByteArray& text);
    ~WaylandOwner();
    WaylandOwner(const WaylandOwner&) = delete;
    WaylandOwner& operator=(const WaylandOwner&) = delete;

private:
    QProcess m_owner;
};

// An ordinary Qt program that copies what it is given, as a user would in it.
class QtCopier {
public:
    QtCopier();
    ~QtCopier();
    QtCopier(const QtCopier&) = delete;
    QtCopier& operator=(const QtCopier&) = delete;

    void copy(const QByteArray& text);

private:
    QProcess m_copier;
};

// Another program takes the clipboard with `text` and answers requests for it as `mode` says
// (the modes of tests/platform/qt/x11/clipboard_owner.cpp). It is killed when this object goes.
class MisbehavingOwner {
public:
    MisbehavingOwner(const QString& mode, const QByteArray& text);
    ~MisbehavingOwner();
    MisbehavingOwner(const MisbehavingOwner&) = delete;
    MisbehavingOwner& operator=(const MisbehavingOwner&) = delete;

    // Stops it as a hung program is stopped, and lets it go on.
    void stop();
    void resume();

private:
    QProcess m_owner;
};

} // namespace testing
