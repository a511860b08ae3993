#pragma once

// What a click may cost against another program on the clipboard, the message boxes it ends with
// and the memory it may take, for the window's tests and the benchmarks alike.

#include <QList>
#include <QPointer>
#include <QString>
#include <QTimer>
#include <chrono>

#include "ClipboardOwnerTimes.h"
#include "platform/qt/DesktopClipboard.h"

class QMessageBox;

namespace testing {

class WindowDriver;

using Clock = std::chrono::steady_clock;

// One click may cost the clipboard's owner the deadline, and its box must be up by then: with room
// for a loaded machine. AddressSanitizer makes the window's own work several times slower (the
// process's first box takes half a second to make under load), so its builds get more room.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr qint64 kLoadRoom = 1500;
#else
inline constexpr qint64 kLoadRoom = 500;
#endif
inline constexpr qint64 kClickBound = platform::qt::DesktopClipboard::kDeadline.count() + kLoadRoom;
// Nothing happens while an owner grabs the server; the click ends right after the grab.
inline constexpr qint64 kGrabbedClickBound = kOwnerGrab.count() + kClickBound;

// The words of a clipboard failure.
inline const QString kUnavailable = QStringLiteral("Appunti non disponibili");

// About twice what the window takes at rest, in KiB. AddressSanitizer's shadow memory makes every
// peak many times larger: the bound is for the program as it is shipped.
inline constexpr long kPeakMemoryKiB = 64 * 1024;
#if defined(__SANITIZE_ADDRESS__)
inline constexpr bool kPeakMemoryMeasured = false;
#else
inline constexpr bool kPeakMemoryMeasured = true;
#endif
long peakMemoryKiB();

struct Box {
    QString text;
    Clock::time_point shownAt;
};

// Closes every message box with its OK button as it opens, noting what it said and when it
// showed.
class BoxCloser {
public:
    BoxCloser();
    QList<Box> boxes;

private:
    QTimer m_poll;
    QPointer<QMessageBox> m_answered;
};

// What a step begun at `start` cost the program, in ms: from the moment its last key or click
// reached the window (or its start, for a step with no input) until its first box after the
// `boxesBefore` it found showed, or until now. The time its input took to come through a loaded
// machine is not counted.
qint64 programTime(const WindowDriver& driver, Clock::time_point start, const BoxCloser& closer,
                   qsizetype boxesBefore);

} // namespace testing
