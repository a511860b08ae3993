#pragma once

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <xcb/xcb.h>

#include "platform/qt/ClipboardRead.h"

namespace platform::qt {

// Reads an X11 selection's text over an X connection of its own, so that no owner can make a read
// cost more than the caller's deadline, and a failed read is told apart from a selection without
// text. Every request carries the server's present time and goes to a window made for it alone, so
// a late, stale, forged or foreign answer can only miss; answers are checked for their requestor,
// selection, target, property and time, transfers for their type, format and order, and a text is
// fetched in bounded pieces with the deadline checked between them. Plain xcb: knows no toolkit.
//
// After any failure the caller drops the reader (and so its connection): nothing an owner sends
// late can reach the next read. A reader that had to drop many events not meant for it, or has
// made many windows, says so (wornOut()) and is best replaced too.
class X11SelectionReader {
public:
    // Connects to the display named by DISPLAY; throws ClipboardError when that fails or the
    // server does not answer by `deadline`. The connection itself cannot be bounded: while a
    // program grabs the server, it waits with every other program's request, and the click that
    // made it ends right after the grab.
    explicit X11SelectionReader(Deadline deadline);
    X11SelectionReader(const X11SelectionReader&) = delete;
    X11SelectionReader& operator=(const X11SelectionReader&) = delete;

    // The server's time now, for requests and for claiming a selection.
    std::uint32_t serverTime(Deadline deadline);

    // The window that holds `selection`, or 0 when nobody does.
    std::uint32_t owner(Selection selection, Deadline deadline);

    // The selection's text as its owner offers it now: UTF-8, or Latin-1 converted to UTF-8 from
    // owners that offer nothing better; "" when nobody owns it or it holds no text. Nothing when
    // `ownedHere` says the owner is one of the caller's own windows, whose text the caller has.
    // Throws ClipboardError when the owner has not answered in full and in order by `deadline`,
    // offers more than `limit` lets in, or the selection changes hands twice while it is read.
    std::optional<std::string> text(Selection selection, Deadline deadline, ReadLimit limit,
                                    const std::function<bool(std::uint32_t)>& ownedHere);

    bool wornOut() const;

private:
    struct Transfer;
    std::uint32_t newWindow();
    std::optional<std::string> convert(Transfer& transfer, std::uint32_t target,
                                       std::uint32_t time);
    std::string readIncrements(Transfer& transfer, std::uint32_t target);
    // Appends the property's whole value to `text`, in pieces; false when it is not `target`
    // text in 8-bit units.
    bool readProperty(Transfer& transfer, std::uint32_t target, std::string& text);

    // Handles every event already received: the few that belong to the request under way are
    // noted, all others dropped.
    void pump();
    void handle(const xcb_generic_event_t& event);
    template <class Ready> void waitUntil(Ready ready, const char* failure);
    template <class Reply> Reply* waitForReply(unsigned int sequence);
    void requireBeforeDeadline(const char* failure) const;
    // Waits until the server sends something; throws `failure` when the deadline passes first.
    void waitForTheServer(const char* failure) const;

    struct Connection {
        xcb_connection_t* handle = nullptr;
        ~Connection() { xcb_disconnect(handle); } // on every path, a failed start included
        operator xcb_connection_t*() const { return handle; }
    } m_connection;
    std::uint32_t m_root = 0;
    std::uint32_t m_stampWindow = 0;
    std::uint32_t m_selections[2] = {}; // CLIPBOARD and PRIMARY, as Selection counts them
    std::uint32_t m_utf8 = 0, m_incr = 0, m_property = 0, m_stamp = 0;
    Deadline m_deadline;
    std::optional<std::uint32_t> m_stampTime;
    Transfer* m_transfer = nullptr; // the request under way, if any
    std::uint64_t m_dropped = 0;    // events meant for no request under way
    std::uint32_t m_windowsMade = 0;
};

} // namespace platform::qt
