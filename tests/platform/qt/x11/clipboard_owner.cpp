// Another program on the X11 clipboard that misbehaves in one chosen way, for the tests: a stock
// tool cannot answer late, forge events, drip a transfer or flood its reader.
//   clipboard_owner MODE TEXT
// Takes the CLIPBOARD selection with TEXT, prints "ready" once the server says it owns it, then
// answers every request as MODE says, until it is killed. A mode it does not know ends it with
// status 2 before "ready". `clipboard_owner --modes` lists the modes; kModes below says
// what each does.

#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <poll.h>
#include <string>

#include "Agenda.h"
#include "ClipboardOwnerTimes.h"

namespace {

using Clock = testing::Agenda::Clock;
using std::chrono::milliseconds;

constexpr milliseconds kLate{1100};
constexpr milliseconds kDrip{300};
constexpr milliseconds kFloodFor{10000};
constexpr milliseconds kNoWaitFor{5000};
constexpr std::size_t kHuge = 64u << 20;
constexpr std::size_t kHugeChunk = 1u << 20;

xcb_connection_t* g_x = nullptr;
xcb_window_t g_window = 0, g_root = 0;
std::string g_mode, g_text;
xcb_atom_t g_clipboard, g_utf8, g_incr, g_targets, g_integer = XCB_ATOM_INTEGER;

testing::Agenda g_agenda;

xcb_atom_t intern(const char* name) {
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        g_x, xcb_intern_atom(g_x, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : XCB_NONE;
    std::free(reply);
    return atom;
}

xcb_window_t newWindow() {
    const xcb_window_t window = xcb_generate_id(g_x);
    xcb_create_window(g_x, XCB_COPY_FROM_PARENT, window, g_root, 0, 0, 1, 1, 0,
                      XCB_WINDOW_CLASS_INPUT_ONLY, XCB_COPY_FROM_PARENT, 0, nullptr);
    return window;
}

// Tells the requestor that `property` holds the answer, in a notice stamped `time` and naming
// `requestorField` (XCB_NONE: the requestor, as it should).
void notify(const xcb_selection_request_event_t& request, xcb_atom_t property, xcb_timestamp_t time,
            xcb_window_t requestorField = XCB_NONE) {
    xcb_selection_notify_event_t event{};
    event.response_type = XCB_SELECTION_NOTIFY;
    event.requestor = requestorField ? requestorField : request.requestor;
    event.selection = request.selection;
    event.target = request.target;
    event.property = property;
    event.time = time;
    xcb_send_event(g_x, 0, request.requestor, XCB_EVENT_MASK_NO_EVENT,
                   reinterpret_cast<const char*>(&event));
    xcb_flush(g_x);
}

void put(xcb_window_t window, xcb_atom_t property, xcb_atom_t type, std::uint8_t format,
         const void* data, std::uint32_t units, std::uint8_t mode = XCB_PROP_MODE_REPLACE) {
    xcb_change_property(g_x, mode, window, property, type, format, units, data);
}

// Property notices a server never sent: stamped three days ahead, for the requestor's own
// properties.
void forgePropertyNotices(const xcb_selection_request_event_t& request) {
    for (const char* name : {"BRENOLDI_TIMESTAMP", "BRENOLDI_SELECTION"}) {
        xcb_property_notify_event_t forged{};
        forged.response_type = XCB_PROPERTY_NOTIFY;
        forged.window = request.requestor;
        forged.atom = intern(name);
        forged.time = request.time + 3 * 24 * 3600 * 1000u;
        forged.state = XCB_PROPERTY_NEW_VALUE;
        xcb_send_event(g_x, 0, request.requestor, XCB_EVENT_MASK_PROPERTY_CHANGE,
                       reinterpret_cast<const char*>(&forged));
    }
}

void putText(const xcb_selection_request_event_t& request) {
    put(request.requestor, request.property, request.target, 8, g_text.data(),
        static_cast<std::uint32_t>(g_text.size()));
}

void answer(const xcb_selection_request_event_t& request, xcb_timestamp_t time,
            xcb_window_t requestorField = XCB_NONE) {
    putText(request);
    notify(request, request.property, time, requestorField);
}

// An incremental transfer: each chunk waits for the requestor to delete the property, unless
// the mode says otherwise.
struct Increments {
    xcb_window_t requestor;
    xcb_atom_t property, type;
    std::size_t sent = 0;
};
std::map<xcb_window_t, Increments> g_increments;

void appendWithoutWaiting(xcb_window_t requestor, xcb_atom_t property, xcb_atom_t target,
                          Clock::time_point until) {
    const std::string chunk(65536, '7');
    // Until the requestor's window is gone, as it is once the requestor has given up: an owner
    // that went on would flood the server, and slow the next read of every other program.
    xcb_generic_error_t* error = xcb_request_check(
        g_x, xcb_change_property_checked(g_x, XCB_PROP_MODE_APPEND, requestor, property, target, 8,
                                         static_cast<std::uint32_t>(chunk.size()), chunk.data()));
    const bool gone = error != nullptr;
    std::free(error);
    if (!gone && Clock::now() < until)
        g_agenda.later(milliseconds(1),
                       [=] { appendWithoutWaiting(requestor, property, target, until); });
}

void floodThenAnswer(const xcb_selection_request_event_t& request, Clock::time_point until) {
    xcb_client_message_event_t message{};
    message.response_type = XCB_CLIENT_MESSAGE;
    message.window = request.requestor;
    message.format = 32;
    message.type = XCB_ATOM_STRING;
    for (int i = 0; i < 2000; ++i)
        xcb_send_event(g_x, 0, request.requestor, XCB_EVENT_MASK_NO_EVENT,
                       reinterpret_cast<const char*>(&message));
    xcb_flush(g_x);
    if (Clock::now() < until)
        g_agenda.later(milliseconds(1), [request, until] { floodThenAnswer(request, until); });
    else
        answer(request, request.time);
}

void startIncrements(const xcb_selection_request_event_t& request, std::uint32_t announced) {
    const std::uint32_t events = XCB_EVENT_MASK_PROPERTY_CHANGE;
    xcb_change_window_attributes(g_x, request.requestor, XCB_CW_EVENT_MASK, &events);
    put(request.requestor, request.property, g_incr, 32, &announced, 1);
    const xcb_atom_t type = g_mode == "incr-wrong-type" ? g_integer : request.target;
    g_increments[request.requestor] = {request.requestor, request.property, type};
    notify(request, request.property, request.time);
    if (g_mode == "incr-no-wait")
        appendWithoutWaiting(request.requestor, request.property, request.target,
                             Clock::now() + kNoWaitFor);
}

void nextChunk(Increments& transfer) {
    if (g_mode == "incr-huge") {
        const std::string chunk(kHugeChunk, '7');
        put(transfer.requestor, transfer.property, transfer.type, 8, chunk.data(),
            static_cast<std::uint32_t>(chunk.size()));
    } else if (g_mode == "incr-wrong-type") {
        const std::uint32_t numbers[2] = {7, 7}; // twice, then the end
        put(transfer.requestor, transfer.property, transfer.type, 32, numbers,
            transfer.sent++ < 2 ? 2 : 0);
    } else {
        // incr-forever repeats the text; incr-slow drips it and then ends.
        const std::size_t at = transfer.sent % g_text.size();
        const bool end = g_mode == "incr-slow" && transfer.sent == g_text.size();
        put(transfer.requestor, transfer.property, transfer.type, 8, g_text.data() + at,
            end ? 0 : 1);
        ++transfer.sent;
    }
    xcb_flush(g_x);
}

void onRequest(const xcb_selection_request_event_t& request) {
    static int requests = 0;
    const bool first = requests++ == 0;
    if (request.target == g_targets) {
        const xcb_atom_t targets[] = {g_targets, g_utf8, XCB_ATOM_STRING};
        put(request.requestor, request.property, XCB_ATOM_ATOM, 32, targets, 3);
        notify(request, request.property, request.time);
        return;
    }
    const xcb_selection_request_event_t copy = request;
    if (g_mode == "normal") {
        answer(request, request.time);
    } else if (g_mode == "late-once" || g_mode == "late-always") {
        if (first || g_mode == "late-always")
            g_agenda.later(kLate, [copy] { answer(copy, copy.time); });
        else
            answer(request, request.time);
    } else if (g_mode == "late-current-time") {
        if (first)
            g_agenda.later(kLate, [copy] { answer(copy, XCB_CURRENT_TIME); });
        else
            answer(request, request.time);
    } else if (g_mode == "stale-notify") {
        answer(request, request.time - 5000);
    } else if (g_mode == "foreign-notify") {
        answer(request, request.time, g_root);
    } else if (g_mode == "forged-property") {
        forgePropertyNotices(request);
        answer(request, request.time);
        forgePropertyNotices(request);
    } else if (g_mode == "refuse-utf8") {
        if (request.target == g_utf8)
            notify(request, XCB_NONE, request.time);
        else
            answer(request, request.time);
    } else if (g_mode == "wrong-type") {
        const std::uint32_t numbers[2] = {7, 7};
        put(request.requestor, request.property, g_integer, 32, numbers, 2);
        notify(request, request.property, request.time);
    } else if (g_mode == "changed-under") {
        // Under a grab, so the requestor cannot read the answer before it changes.
        xcb_grab_server(g_x);
        answer(request, request.time);
        put(request.requestor, request.property, request.target, 8, "99", 2, XCB_PROP_MODE_APPEND);
        xcb_ungrab_server(g_x);
    } else if (g_mode == "huge-property") {
        // Built by appends, as no single request may carry 64 MiB.
        const std::string piece(4u << 20, '7');
        putText(request);
        for (std::size_t done = 0; done < kHuge; done += piece.size())
            put(request.requestor, request.property, request.target, 8, piece.data(),
                static_cast<std::uint32_t>(piece.size()), XCB_PROP_MODE_APPEND);
        notify(request, request.property, request.time);
    } else if (g_mode == "incr-huge") {
        startIncrements(request, 0); // announces nothing of its size
    } else if (g_mode.rfind("incr-", 0) == 0) {
        startIncrements(request, static_cast<std::uint32_t>(g_text.size()));
    } else if (g_mode == "flood") {
        floodThenAnswer(request, Clock::now() + kFloodFor);
    } else if (g_mode == "changes-hands") {
        xcb_set_selection_owner(g_x, newWindow(), g_clipboard, XCB_CURRENT_TIME);
        notify(request, XCB_NONE, request.time);
    } else if (g_mode == "grab") {
        xcb_grab_server(g_x);
        xcb_flush(g_x);
        g_agenda.later(testing::kOwnerGrab, [copy] {
            xcb_ungrab_server(g_x);
            answer(copy, copy.time);
        });
    }
    xcb_flush(g_x);
}

void onPropertyDeleted(const xcb_property_notify_event_t& change) {
    const auto found = g_increments.find(change.window);
    if (found == g_increments.end() || change.atom != found->second.property ||
        g_mode == "incr-no-wait")
        return;
    const xcb_window_t requestor = change.window;
    const milliseconds delay = g_mode == "incr-slow" ? kDrip : milliseconds(0);
    g_agenda.later(delay, [requestor] {
        const auto transfer = g_increments.find(requestor);
        if (transfer != g_increments.end())
            nextChunk(transfer->second);
    });
}

} // namespace

// Every mode, with what it does.
constexpr const char* kModes[][2] = {
    {"normal", "answers at once, as a well-behaved owner"},
    {"late-once", "answers the first request 1.1 s late, later ones at once"},
    {"late-always", "answers every request 1.1 s late"},
    {"late-current-time", "answers the first request 1.1 s late and stamped CurrentTime"},
    {"stale-notify", "answers with the time of a request made 5 s earlier"},
    {"foreign-notify", "answers as if to another requestor"},
    {"forged-property", "answers at once, amid forged property notices three days ahead"},
    {"refuse-utf8", "refuses UTF8_STRING, answers STRING (Latin-1)"},
    {"wrong-type", "answers every text request with 32-bit INTEGER data"},
    {"changed-under", "answers, then appends to the answer's property at once"},
    {"incr-forever", "sends TEXT in increments and never the end"},
    {"incr-slow", "sends TEXT in increments of one byte every 300 ms"},
    {"incr-no-wait", "appends increments without waiting for the requestor, for 5 s"},
    {"incr-huge", "sends 1 MiB increments and never the end"},
    {"incr-wrong-type", "sends increments typed INTEGER"},
    {"huge-property", "answers with a 64 MiB property"},
    {"flood", "floods the requestor with events for 10 s, then answers"},
    {"grab", "grabs the server for 3 s, then answers"},
    {"changes-hands", "hands the clipboard to a new window of its own at every request, and "
                      "refuses it"}};

int main(int argc, char* argv[]) {
    if (argc == 2 && std::strcmp(argv[1], "--modes") == 0) {
        for (const auto& mode : kModes)
            std::puts(mode[0]);
        return 0;
    }
    if (argc != 3) {
        std::fputs("usage: clipboard_owner MODE TEXT\n", stderr);
        return 2;
    }
    g_mode = argv[1];
    g_text = argv[2];
    // A misspelt mode must not pass for an owner that never answers.
    if (std::none_of(std::begin(kModes), std::end(kModes),
                     [](const auto& mode) { return g_mode == mode[0]; })) {
        std::fprintf(stderr, "clipboard_owner: no mode %s (clipboard_owner --modes)\n", argv[1]);
        return 2;
    }
    g_x = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(g_x))
        return 1;
    g_root = xcb_setup_roots_iterator(xcb_get_setup(g_x)).data->root;
    g_clipboard = intern("CLIPBOARD");
    g_utf8 = intern("UTF8_STRING");
    g_incr = intern("INCR");
    g_targets = intern("TARGETS");

    g_window = newWindow();
    xcb_set_selection_owner(g_x, g_window, g_clipboard, XCB_CURRENT_TIME);
    xcb_get_selection_owner_reply_t* owner =
        xcb_get_selection_owner_reply(g_x, xcb_get_selection_owner(g_x, g_clipboard), nullptr);
    if (!owner || owner->owner != g_window)
        return 1;
    std::free(owner);
    std::puts("ready");
    std::fflush(stdout);

    for (;;) {
        pollfd socket{xcb_get_file_descriptor(g_x), POLLIN, 0};
        poll(&socket, 1, g_agenda.waitMs());
        while (xcb_generic_event_t* event = xcb_poll_for_event(g_x)) {
            switch (event->response_type & 0x7F) {
            case XCB_SELECTION_REQUEST:
                onRequest(*reinterpret_cast<xcb_selection_request_event_t*>(event));
                break;
            case XCB_PROPERTY_NOTIFY: {
                const auto& change = *reinterpret_cast<xcb_property_notify_event_t*>(event);
                if (change.state == XCB_PROPERTY_DELETE)
                    onPropertyDeleted(change);
                break;
            }
            default:
                break; // errors from requestors that are gone, SelectionClear: carry on
            }
            std::free(event);
        }
        if (xcb_connection_has_error(g_x))
            return 1;
        g_agenda.runDue();
    }
}
