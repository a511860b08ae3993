#pragma once

#include <chrono>
#include <cstdint>
#include <string>

struct xcb_connection_t;

namespace platform::qt {

// Reads the X11 CLIPBOARD selection over an X connection of its own, so that an owner that never
// answers costs at most the caller's deadline, and is told apart from a clipboard without text.
// Qt's own reader waits about five seconds per request and reads a timeout as an empty text.
// Knows no toolkit.
class X11SelectionReader {
public:
    using Deadline = std::chrono::steady_clock::time_point;

    // Connects to the display named by DISPLAY; throws ClipboardError when that fails.
    X11SelectionReader();
    ~X11SelectionReader();
    X11SelectionReader(const X11SelectionReader&) = delete;
    X11SelectionReader& operator=(const X11SelectionReader&) = delete;

    // The server's time now. Selection requests carry it, so that a late answer to an earlier
    // request that timed out is never taken for the answer to a later one.
    std::uint32_t serverTime(Deadline deadline);

    // The window that holds the CLIPBOARD selection, or 0 when nobody does.
    std::uint32_t owner();

    // The selection's text as its owner offers it at `time`: UTF-8, or Latin-1 converted to
    // UTF-8 from owners that offer nothing better; "" when there is no owner or it offers no
    // text. Large texts come in increments. Throws ClipboardError when the owner has not answered
    // in full by `deadline`.
    std::string text(std::uint32_t time, Deadline deadline);

private:
    struct Event;
    template <class Wanted> Event waitFor(Deadline deadline, Wanted wanted);
    // The transferred bytes, and in `type` the form their owner says they are in.
    std::string readProperty(Deadline deadline, std::uint32_t& type);
    std::string readIncrements(Deadline deadline, std::uint32_t& type);

    xcb_connection_t* m_connection = nullptr;
    std::uint32_t m_window = 0;
    std::uint32_t m_clipboard = 0, m_utf8 = 0, m_incr = 0, m_property = 0;
};

} // namespace platform::qt
