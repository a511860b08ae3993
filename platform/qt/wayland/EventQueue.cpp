#include "EventQueue.h"

#include <cerrno>
#include <cstring>
#include <memory>
#include <poll.h>
#include <stdexcept>
#include <wayland-client.h>

namespace platform::qt {

namespace {

struct CallbackDeleter {
    void operator()(wl_callback* callback) const { wl_callback_destroy(callback); }
};

} // namespace

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
        if (errno != EAGAIN || !waitForFd(wl_display_get_fd(m_display), POLLOUT, deadline))
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
    if (!flush(deadline) || !waitForFd(wl_display_get_fd(m_display), POLLIN, deadline)) {
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
    while (!done) {
        if (!waitForEvents(deadline) && !done)
            return false;
    }
    return true;
}

bool compositorOffers(wl_display* display, const char* interface, Deadline deadline) {
    struct Question {
        const char* interface;
        bool offered = false;
    } question{interface};
    try {
        EventQueue queue(display);
        wl_registry* registry = wl_display_get_registry(queue.wrapper());
        static const wl_registry_listener listener{
            [](void* asked, wl_registry*, std::uint32_t, const char* offered, std::uint32_t) {
                auto& question = *static_cast<Question*>(asked);
                question.offered =
                    question.offered || std::strcmp(offered, question.interface) == 0;
            },
            [](void*, wl_registry*, std::uint32_t) {}};
        wl_registry_add_listener(registry, &listener, &question);
        const bool answered = queue.roundTrip(deadline);
        wl_registry_destroy(registry);
        return answered && question.offered;
    } catch (const std::runtime_error&) {
        return false;
    }
}

} // namespace platform::qt
