#pragma once

#include "platform/qt/ClipboardRead.h"

struct wl_display;
struct wl_event_queue;

namespace platform::qt {

// An event queue of this program's own on Qt's Wayland connection: the objects made through
// wrapper() report their events here, handled only when this queue is, on the thread that asks,
// while Qt's own threads read the same connection. Every wait ends by its deadline. Plain
// libwayland-client: knows no toolkit.
class EventQueue {
public:
    // Throws std::runtime_error when the queue cannot be made.
    explicit EventQueue(wl_display* display);
    ~EventQueue();
    EventQueue(const EventQueue&) = delete;
    EventQueue& operator=(const EventQueue&) = delete;

    wl_display* display() const { return m_display; }
    // The display as a proxy whose new objects report their events to this queue.
    wl_display* wrapper() const { return m_wrapper; }

    // Handles every event the compositor has sent until now, waiting for them until `deadline`.
    // False when the compositor has not answered by then, or the connection failed.
    bool roundTrip(Deadline deadline);
    // Handles what has come, without waiting. False when the connection failed.
    bool handlePending();
    // Sends every request made so far, waiting for room until `deadline`. False when there was
    // none by then, or the connection failed.
    bool flush(Deadline deadline);

private:
    // Waits for this queue's events until `deadline` and handles them; false when none came in
    // time or the connection failed.
    bool waitForEvents(Deadline deadline);

    wl_display* m_display;
    wl_event_queue* m_queue = nullptr;
    wl_display* m_wrapper = nullptr;
};

// Whether the compositor of `display` offers the global `interface`; asked on a queue of its own.
// One that has not answered by `deadline` is taken to offer nothing.
bool compositorOffers(wl_display* display, const char* interface, Deadline deadline);

} // namespace platform::qt
