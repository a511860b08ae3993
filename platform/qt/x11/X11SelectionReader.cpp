#include "X11SelectionReader.h"

#include <cstdlib>
#include <cstring>
#include <memory>
#include <poll.h>
#include <xcb/xcb.h>
#include <xcb/xcbext.h>

#include "platform/Clipboard.h"
#include "platform/qt/Latin1.h"

namespace platform::qt {

namespace {

// Where owners put the text for us, on the window made for each request.
constexpr const char* kPropertyName = "BRENOLDI_SELECTION";
// Appended to, zero bytes at a time, so the server reports its present time.
constexpr const char* kStampName = "BRENOLDI_TIMESTAMP";
// A property is fetched 64 KiB at a time, so no single reply is large or slow.
constexpr std::uint32_t kPieceUnits = 16384;
// More changes of our property than any transfer makes between two of our steps: an owner
// writing without waiting.
constexpr std::size_t kMaxPendingChanges = 64;
// Events meant for no request under way that a reader drops before it asks to be replaced.
constexpr std::uint64_t kFloodEvents = 1024;
// Windows made for requests before a reader asks to be replaced, long before the connection's
// window ids run out.
constexpr std::uint32_t kMaxWindows = 65536;
// How often the deadline is looked at while events keep coming.
constexpr int kEventsBetweenClockReads = 64;

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};
template <class T> using Owned = std::unique_ptr<T, FreeDeleter>;

// The high bit of an event's type marks one sent by a client with SendEvent rather than made by
// the server: a client can forge those.
constexpr std::uint8_t kSentByAClient = 0x80;

} // namespace

// One ConvertSelection request and what came of it: the request under way while it lives.
struct X11SelectionReader::Transfer {
    X11SelectionReader& reader;
    xcb_atom_t selection;
    ReadLimit limit;
    xcb_window_t requestor = XCB_NONE;
    xcb_atom_t target = XCB_NONE;
    xcb_timestamp_t time = XCB_CURRENT_TIME;
    // The property the owner named in its answer (None: refused), once it has answered.
    std::optional<xcb_atom_t> answer;
    // Changes of our property since the answer, oldest first (XCB_PROPERTY_NEW_VALUE/DELETE).
    std::deque<std::uint8_t> changes;
    bool overflowed = false;

    Transfer(X11SelectionReader& reader_, xcb_atom_t selection_, ReadLimit limit_)
        : reader(reader_), selection(selection_), limit(limit_) {
        reader.m_transfer = this;
    }
    ~Transfer() {
        reader.m_transfer = nullptr;
        if (requestor != XCB_NONE) {
            xcb_destroy_window(reader.m_connection, requestor);
            xcb_flush(reader.m_connection);
        }
    }
    Transfer(const Transfer&) = delete;
    Transfer& operator=(const Transfer&) = delete;
};

X11SelectionReader::X11SelectionReader(Deadline deadline) : m_deadline(deadline) {
    int screenNumber = 0;
    // Blocks for the whole of a server grab, the one wait here no deadline bounds.
    m_connection.handle = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(m_connection))
        throw ClipboardError("no X display");
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(m_connection));
    for (int i = 0; i < screenNumber && screens.rem > 1; ++i)
        xcb_screen_next(&screens);
    m_root = screens.data->root;

    const char* names[] = {"CLIPBOARD", "PRIMARY",     "UTF8_STRING",
                           "INCR",      kPropertyName, kStampName};
    std::uint32_t* atoms[] = {&m_selections[0], &m_selections[1], &m_utf8,
                              &m_incr,          &m_property,      &m_stamp};
    xcb_intern_atom_cookie_t cookies[std::size(names)];
    for (std::size_t i = 0; i < std::size(names); ++i)
        cookies[i] = xcb_intern_atom(m_connection, 0,
                                     static_cast<std::uint16_t>(std::strlen(names[i])), names[i]);
    for (std::size_t i = 0; i < std::size(names); ++i) {
        const Owned<xcb_intern_atom_reply_t> reply(
            waitForReply<xcb_intern_atom_reply_t>(cookies[i].sequence));
        *atoms[i] = reply->atom;
    }
    m_stampWindow = newWindow(); // the server's clock
}

// An unmapped input-only window, told of its own property changes.
std::uint32_t X11SelectionReader::newWindow() {
    const xcb_window_t window = xcb_generate_id(m_connection);
    const std::uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_create_window(m_connection, XCB_COPY_FROM_PARENT, window, m_root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK,
                      &events);
    return window;
}

bool X11SelectionReader::wornOut() const {
    return m_dropped > kFloodEvents || m_windowsMade > kMaxWindows;
}

std::uint32_t X11SelectionReader::serverTime(Deadline deadline) {
    m_deadline = deadline;
    m_stampTime.reset();
    xcb_change_property(m_connection, XCB_PROP_MODE_APPEND, m_stampWindow, m_stamp, XCB_ATOM_STRING,
                        8, 0, nullptr);
    waitUntil([this] { return m_stampTime.has_value(); }, "X server did not answer");
    return *m_stampTime;
}

std::uint32_t X11SelectionReader::owner(Selection selection, Deadline deadline) {
    m_deadline = deadline;
    const xcb_get_selection_owner_cookie_t cookie =
        xcb_get_selection_owner(m_connection, m_selections[static_cast<int>(selection)]);
    const Owned<xcb_get_selection_owner_reply_t> reply(
        waitForReply<xcb_get_selection_owner_reply_t>(cookie.sequence));
    return reply->owner;
}

std::optional<std::string>
X11SelectionReader::text(Selection selection, Deadline deadline, ReadLimit limit,
                         const std::function<bool(std::uint32_t)>& ownedHere) {
    m_deadline = deadline;
    m_dropped = 0;
    // An owner refuses a request older than its claim, so a claim made between the time taken
    // and the request looks like a refusal: then the whole read is made once more.
    for (int attempt = 0; attempt < 2; ++attempt) {
        const std::uint32_t time = serverTime(deadline);
        const std::uint32_t holder = owner(selection, deadline);
        if (holder == XCB_NONE)
            return std::string();
        if (ownedHere(holder))
            return std::nullopt;
        // UTF-8 first; plain STRING is Latin-1, offered alone by some old programs.
        for (const xcb_atom_t target : {m_utf8, xcb_atom_t(XCB_ATOM_STRING)}) {
            Transfer transfer(*this, m_selections[static_cast<int>(selection)], limit);
            std::optional<std::string> text = convert(transfer, target, time);
            if (text)
                return target == m_utf8 ? std::move(*text) : latin1ToUtf8(*text);
        }
        if (owner(selection, deadline) == holder)
            return std::string(); // offered in no text form
    }
    throw ClipboardError("the clipboard changed hands while it was read");
}

std::optional<std::string> X11SelectionReader::convert(Transfer& transfer, std::uint32_t target,
                                                       std::uint32_t time) {
    ++m_windowsMade;
    transfer.requestor = newWindow();
    transfer.target = target;
    transfer.time = time;
    xcb_convert_selection(m_connection, transfer.requestor, transfer.selection, target, m_property,
                          time);

    waitUntil([&transfer] { return transfer.answer.has_value(); },
              "the clipboard's owner does not answer");
    if (*transfer.answer == XCB_NONE)
        return std::nullopt; // not offered in this form

    // The answer's first piece says whether the text comes whole or in increments.
    const xcb_get_property_cookie_t cookie = xcb_get_property(
        m_connection, 0, transfer.requestor, m_property, XCB_GET_PROPERTY_TYPE_ANY, 0, 1);
    const Owned<xcb_get_property_reply_t> first(
        waitForReply<xcb_get_property_reply_t>(cookie.sequence));
    if (first->type == m_incr) {
        if (first->format == 32 && xcb_get_property_value_length(first.get()) >= 4) {
            // The owner says how much it will send at least.
            std::uint32_t atLeast = 0;
            std::memcpy(&atLeast, xcb_get_property_value(first.get()), sizeof atLeast);
            transfer.limit.check(atLeast);
        }
        return readIncrements(transfer, target);
    }
    std::string text;
    if (!readProperty(transfer, target, text))
        return std::nullopt;
    return text;
}

std::string X11SelectionReader::readIncrements(Transfer& transfer, std::uint32_t target) {
    std::string text;
    for (bool firstChunk = true;; firstChunk = false) {
        pump();
        if (!transfer.changes.empty() || transfer.overflowed)
            throw ClipboardError("the clipboard's owner wrote out of turn");
        // Deleting the property asks for the next chunk; its deletion is reported before the
        // owner's answer, and anything between the two was written out of turn.
        xcb_delete_property(m_connection, transfer.requestor, m_property);
        for (const std::uint8_t expected : {XCB_PROPERTY_DELETE, XCB_PROPERTY_NEW_VALUE}) {
            waitUntil([&transfer] { return !transfer.changes.empty() || transfer.overflowed; },
                      "the clipboard's owner stopped sending");
            if (transfer.overflowed || transfer.changes.front() != expected)
                throw ClipboardError("the clipboard's owner wrote out of turn");
            transfer.changes.pop_front();
        }
        const std::size_t before = text.size();
        if (!readProperty(transfer, target, text)) {
            if (firstChunk)
                return {}; // picture data, say, sent in increments: no text
            throw ClipboardError("the clipboard's owner changed the form mid-way");
        }
        // An empty chunk ends the transfer; a text cut at the limit takes no more.
        if (text.size() == before || transfer.limit.full(text))
            return text;
    }
}

bool X11SelectionReader::readProperty(Transfer& transfer, std::uint32_t target, std::string& text) {
    std::uint32_t offset = 0; // in 32-bit units, as the protocol counts them
    for (;;) {
        const xcb_get_property_cookie_t cookie =
            xcb_get_property(m_connection, 0, transfer.requestor, m_property,
                             XCB_GET_PROPERTY_TYPE_ANY, offset, kPieceUnits);
        const Owned<xcb_get_property_reply_t> piece(
            waitForReply<xcb_get_property_reply_t>(cookie.sequence));
        // An empty property has no type; the end of an incremental transfer looks like that.
        const auto length = static_cast<std::size_t>(xcb_get_property_value_length(piece.get()));
        if (piece->type == XCB_NONE && offset == 0)
            break;
        // Some owners answer every request with what they hold, a picture say, typed as it is.
        if (piece->type != target || piece->format != 8)
            return false;
        transfer.limit.check(text.size() + length + piece->bytes_after);
        transfer.limit.append(
            text, {static_cast<const char*>(xcb_get_property_value(piece.get())), length});
        if (piece->bytes_after == 0 || transfer.limit.full(text))
            break;
        offset += kPieceUnits;
        requireBeforeDeadline("the clipboard's owner sends too slowly");
    }
    // Events caused before the last piece was read have come by now: a change among them means
    // the pieces may not belong to one text.
    pump();
    if (!transfer.changes.empty() || transfer.overflowed)
        throw ClipboardError("the clipboard's text changed while it was read");
    return true;
}

void X11SelectionReader::pump() {
    int sinceClockRead = 0;
    while (xcb_generic_event_t* raw = xcb_poll_for_event(m_connection)) {
        const Owned<xcb_generic_event_t> event(raw);
        handle(*event);
        if (++sinceClockRead == kEventsBetweenClockReads) {
            sinceClockRead = 0;
            requireBeforeDeadline("flooded with events");
        }
    }
}

void X11SelectionReader::handle(const xcb_generic_event_t& event) {
    switch (event.response_type & ~kSentByAClient) {
    case XCB_PROPERTY_NOTIFY: {
        if (event.response_type & kSentByAClient)
            break; // forged: the server reports property changes itself
        const auto& change = reinterpret_cast<const xcb_property_notify_event_t&>(event);
        if (change.window == m_stampWindow && change.atom == m_stamp &&
            change.state == XCB_PROPERTY_NEW_VALUE) {
            m_stampTime = change.time;
            return;
        }
        if (m_transfer && change.window == m_transfer->requestor && change.atom == m_property) {
            // Before the answer the owner is writing it; only later changes are told.
            if (!m_transfer->answer)
                return;
            if (m_transfer->changes.size() == kMaxPendingChanges)
                m_transfer->overflowed = true;
            else
                m_transfer->changes.push_back(change.state);
            return;
        }
        break;
    }
    case XCB_SELECTION_NOTIFY: {
        // Always sent by the owner, so checked against every field of the request.
        const auto& notify = reinterpret_cast<const xcb_selection_notify_event_t&>(event);
        // Some owners answer with CurrentTime instead of the request's time.
        if (m_transfer && !m_transfer->answer && notify.requestor == m_transfer->requestor &&
            notify.selection == m_transfer->selection && notify.target == m_transfer->target &&
            (notify.time == m_transfer->time || notify.time == XCB_CURRENT_TIME) &&
            (notify.property == m_property || notify.property == XCB_NONE)) {
            m_transfer->answer = notify.property;
            return;
        }
        break;
    }
    default:
        break;
    }
    ++m_dropped;
}

template <class Ready> void X11SelectionReader::waitUntil(Ready ready, const char* failure) {
    xcb_flush(m_connection);
    for (;;) {
        pump();
        if (ready())
            return;
        waitForTheServer(failure);
    }
}

void X11SelectionReader::waitForTheServer(const char* failure) const {
    if (xcb_connection_has_error(m_connection))
        throw ClipboardError("X connection lost");
    if (!waitForFd(xcb_get_file_descriptor(m_connection), POLLIN, m_deadline))
        throw ClipboardError(failure);
}

template <class Reply> Reply* X11SelectionReader::waitForReply(unsigned int sequence) {
    xcb_flush(m_connection);
    for (;;) {
        // Asked again after the events are handled, which may have read the reply meanwhile.
        for (int look = 0; look < 2; ++look) {
            void* reply = nullptr;
            xcb_generic_error_t* error = nullptr;
            if (xcb_poll_for_reply(m_connection, sequence, &reply, &error)) {
                std::free(error);
                if (!reply)
                    throw ClipboardError("X request failed");
                return static_cast<Reply*>(reply);
            }
            if (look == 0)
                pump();
        }
        waitForTheServer("X server did not answer"); // it may be grabbed by a program
    }
}

void X11SelectionReader::requireBeforeDeadline(const char* failure) const {
    if (Deadline::clock::now() >= m_deadline)
        throw ClipboardError(failure);
}

} // namespace platform::qt
