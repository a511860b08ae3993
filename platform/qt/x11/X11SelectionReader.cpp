#include "X11SelectionReader.h"

#include <cstdlib>
#include <cstring>
#include <memory>
#include <poll.h>
#include <xcb/xcb.h>

#include "platform/Clipboard.h"

namespace platform::qt {

namespace {

using Clock = std::chrono::steady_clock;

// Where owners put the text for us, on our own window.
constexpr const char* kPropertyName = "BRENOLDI_CLIPBOARD";
// A property reply holds at most this many 32-bit units; more than any clipboard text.
constexpr std::uint32_t kWholeProperty = UINT32_MAX / 4;

struct FreeDeleter {
    void operator()(void* p) const { std::free(p); }
};
using PropertyReply = std::unique_ptr<xcb_get_property_reply_t, FreeDeleter>;

xcb_atom_t intern(xcb_connection_t* connection, const char* name) {
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name);
    std::unique_ptr<xcb_intern_atom_reply_t, FreeDeleter> reply(
        xcb_intern_atom_reply(connection, cookie, nullptr));
    if (!reply)
        throw ClipboardError("X server did not answer");
    return reply->atom;
}

std::string latin1ToUtf8(std::string_view latin1) {
    std::string utf8;
    utf8.reserve(latin1.size());
    for (const char c : latin1) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x80) {
            utf8 += c;
        } else {
            utf8 += static_cast<char>(0xC0 | (byte >> 6));
            utf8 += static_cast<char>(0x80 | (byte & 0x3F));
        }
    }
    return utf8;
}

int eventType(const xcb_generic_event_t& event) {
    return event.response_type & 0x7F; // the top bit only says the event was sent by a client
}

} // namespace

struct X11SelectionReader::Event {
    std::unique_ptr<xcb_generic_event_t, FreeDeleter> event;
    explicit operator bool() const { return bool(event); }
    template <class T> const T& as() const { return *reinterpret_cast<const T*>(event.get()); }
};

X11SelectionReader::X11SelectionReader() {
    int screenNumber = 0;
    m_connection = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(m_connection)) {
        xcb_disconnect(m_connection);
        throw ClipboardError("no X display");
    }
    xcb_screen_iterator_t screens = xcb_setup_roots_iterator(xcb_get_setup(m_connection));
    for (int i = 0; i < screenNumber && screens.rem > 1; ++i)
        xcb_screen_next(&screens);

    // An unmapped input-only window: the requestor of every transfer, told of property changes.
    m_window = xcb_generate_id(m_connection);
    const std::uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_create_window(m_connection, XCB_COPY_FROM_PARENT, m_window, screens.data->root, 0, 0, 1, 1,
                      0, XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, XCB_CW_EVENT_MASK,
                      &events);
    m_clipboard = intern(m_connection, "CLIPBOARD");
    m_utf8 = intern(m_connection, "UTF8_STRING");
    m_incr = intern(m_connection, "INCR");
    m_property = intern(m_connection, kPropertyName);
}

X11SelectionReader::~X11SelectionReader() {
    xcb_disconnect(m_connection);
}

template <class Wanted>
X11SelectionReader::Event X11SelectionReader::waitFor(Deadline deadline, Wanted wanted) {
    xcb_flush(m_connection);
    for (;;) {
        // Events nobody waits for any more (answers to an abandoned request) are dropped here.
        while (xcb_generic_event_t* raw = xcb_poll_for_event(m_connection)) {
            Event event{decltype(Event::event)(raw)};
            if (wanted(*raw))
                return event;
        }
        if (xcb_connection_has_error(m_connection))
            throw ClipboardError("X connection lost");
        const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0)
            return Event{};
        pollfd socket{xcb_get_file_descriptor(m_connection), POLLIN, 0};
        poll(&socket, 1, static_cast<int>(left.count()));
    }
}

std::uint32_t X11SelectionReader::serverTime(Deadline deadline) {
    // Appending nothing to a property still makes the server report the change, with its time.
    xcb_change_property(m_connection, XCB_PROP_MODE_APPEND, m_window, m_property, XCB_ATOM_STRING,
                        8, 0, nullptr);
    const Event notify = waitFor(deadline, [this](const xcb_generic_event_t& event) {
        if (eventType(event) != XCB_PROPERTY_NOTIFY)
            return false;
        const auto& change = reinterpret_cast<const xcb_property_notify_event_t&>(event);
        return change.window == m_window && change.atom == m_property;
    });
    if (!notify)
        throw ClipboardError("X server did not answer");
    return notify.as<xcb_property_notify_event_t>().time;
}

std::uint32_t X11SelectionReader::owner() {
    const xcb_get_selection_owner_cookie_t cookie =
        xcb_get_selection_owner(m_connection, m_clipboard);
    std::unique_ptr<xcb_get_selection_owner_reply_t, FreeDeleter> reply(
        xcb_get_selection_owner_reply(m_connection, cookie, nullptr));
    if (!reply)
        throw ClipboardError("X server did not answer");
    return reply->owner;
}

std::string X11SelectionReader::text(std::uint32_t time, Deadline deadline) {
    xcb_delete_property(m_connection, m_window, m_property);
    // UTF-8 first; plain STRING is Latin-1, offered alone by some old programs.
    for (const xcb_atom_t target : {m_utf8, xcb_atom_t(XCB_ATOM_STRING)}) {
        xcb_convert_selection(m_connection, m_window, m_clipboard, target, m_property, time);
        const Event answer = waitFor(deadline, [this, time](const xcb_generic_event_t& event) {
            if (eventType(event) != XCB_SELECTION_NOTIFY)
                return false;
            const auto& notify = reinterpret_cast<const xcb_selection_notify_event_t&>(event);
            // Some owners answer with CurrentTime instead of the request's time.
            return notify.requestor == m_window && (notify.time == time || notify.time == 0);
        });
        if (!answer)
            throw ClipboardError("the clipboard's owner does not answer");
        if (answer.as<xcb_selection_notify_event_t>().property == XCB_NONE)
            continue; // not offered in this form
        xcb_atom_t type = XCB_NONE;
        const std::string bytes = readProperty(deadline, type);
        // Some owners answer every request with what they hold, a picture say, typed as it is.
        if (type != target)
            continue;
        return target == m_utf8 ? bytes : latin1ToUtf8(bytes);
    }
    return {};
}

std::string X11SelectionReader::readProperty(Deadline deadline, std::uint32_t& type) {
    const xcb_get_property_cookie_t cookie = xcb_get_property(
        m_connection, 1, m_window, m_property, XCB_GET_PROPERTY_TYPE_ANY, 0, kWholeProperty);
    const PropertyReply reply(xcb_get_property_reply(m_connection, cookie, nullptr));
    if (!reply)
        throw ClipboardError("X server did not answer");
    if (reply->type == m_incr)
        return readIncrements(deadline, type); // deleting the property asked for the first one
    type = reply->type;
    return std::string(static_cast<const char*>(xcb_get_property_value(reply.get())),
                       static_cast<std::size_t>(xcb_get_property_value_length(reply.get())));
}

std::string X11SelectionReader::readIncrements(Deadline deadline, std::uint32_t& type) {
    std::string text;
    for (;;) {
        const Event change = waitFor(deadline, [this](const xcb_generic_event_t& event) {
            if (eventType(event) != XCB_PROPERTY_NOTIFY)
                return false;
            const auto& notify = reinterpret_cast<const xcb_property_notify_event_t&>(event);
            return notify.window == m_window && notify.atom == m_property &&
                   notify.state == XCB_PROPERTY_NEW_VALUE;
        });
        if (!change)
            throw ClipboardError("the clipboard's owner stopped sending");
        const xcb_get_property_cookie_t cookie = xcb_get_property(
            m_connection, 1, m_window, m_property, XCB_GET_PROPERTY_TYPE_ANY, 0, kWholeProperty);
        const PropertyReply reply(xcb_get_property_reply(m_connection, cookie, nullptr));
        if (!reply)
            throw ClipboardError("X server did not answer");
        const int length = xcb_get_property_value_length(reply.get());
        if (length == 0)
            return text; // an empty increment ends the transfer
        type = reply->type;
        text.append(static_cast<const char*>(xcb_get_property_value(reply.get())),
                    static_cast<std::size_t>(length));
    }
}

} // namespace platform::qt
