#include "EventQueue.h"

#include <algorithm>
#include <cerrno>
#include <memory>
#include <poll.h>
#include <stdexcept>
#include <wayland-client.h>

namespace platform::qt {

namespace {

using Clock = std::chrono::steady_clock;

struct CallbackDeleter {
    void operator()(wl_callback* callback) const { wl_callback_destroy(callback); }
};

// poll() on the connection's socket, again after a signal, until `deadline`: > 0 ready, 0 time
// out, < 0 failed.
int pollSocket(wl_display* display, short events, EventQueue::Deadline deadline) {
    for (;;) {
        pollfd socket{wl_display_get_fd(display), events, 0};
        const int ready = poll(&socket, 1, millisecondsLeft(deadline));
        if (ready >= 0 || errno != EINTR)
            return ready;
    }
}

} // namespace

int millisecondsLeft(EventQueue::Deadline deadline) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
    return static_cast<int>(std::max<std::chrono::milliseconds::rep>(0, left.count()));
}

EventQueue::EventQueue(wl_display* display) : m_display(display) {
    m_queue = wl_display_create_queue(m_display);
    m_wrapper = m_queue ? static_cast<wl_display*>(wl_proxy_create_wrapper(m_display)) : nullptr;
    if (!m_wrapper) {
        if (m_queue)
            wl_event_queue_destroy(m_queue);
        throw std::runtime_error("no Wayland event queue");
    }
    wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(m_wrapper), m_queue);
}

EventQueue::~EventQueue() {
    wl_proxy_wrapper_destroy(m_wrapper);
    wl_event_queue_destroy(m_queue);
}

bool EventQueue::handlePending() {
    return wl_display_dispatch_queue_pending(m_display, m_queue) >= 0;
}

bool EventQueue::flush(Deadline deadline) {
    while (wl_display_flush(m_display) < 0) {
        if (errno != EAGAIN || pollSocket(m_display, POLLOUT, deadline) <= 0)
            return false;
    }
    return true;
}

bool EventQueue::waitForEvents(Deadline deadline) {
    // Qt's own threads read the connection too; preparing to read makes them wait for this one,
    // and every way out of here reads or cancels.
    while (wl_display_prepare_read_queue(m_display, m_queue) != 0) {
        if (!handlePending())
            return false;
    }
    if (!flush(deadline) || pollSocket(m_display, POLLIN, deadline) <= 0) {
        wl_display_cancel_read(m_display);
        return false;
    }
    return wl_display_read_events(m_display) >= 0 && handlePending();
}

bool EventQueue::roundTrip(Deadline deadline) {
    bool done = false;
    const std::unique_ptr<wl_callback, CallbackDeleter> sync(wl_display_sync(m_wrapper));
    static const wl_callback_listener syncListener{
        [](void* flag, wl_callback*, std::uint32_t) { *static_cast<bool*>(flag) = true; }};
    wl_callback_add_listener(sync.get(), &syncListener, &done);
    if (!handlePending())
        return false;
    // The clock is read between reads too: a compositor flooding the connection with events
    // would keep a poll at the deadline answering that there is more.
    while (!done) {
        if (Clock::now() >= deadline || (!waitForEvents(deadline) && !done))
            return false;
    }
    return true;
}

} // namespace platform::qt
