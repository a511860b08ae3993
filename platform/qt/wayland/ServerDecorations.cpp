#include "ServerDecorations.h"

#include <cstdint>
#include <cstring>
#include <stdexcept>
#include <wayland-client.h>

#include "EventQueue.h"

namespace platform::qt {

bool compositorDecoratesWindows(wl_display* display,
                                std::chrono::steady_clock::time_point deadline) {
    try {
        EventQueue queue(display);
        wl_registry* registry = wl_display_get_registry(queue.wrapper());
        bool offered = false;
        static const wl_registry_listener listener{
            [](void* found, wl_registry*, std::uint32_t, const char* interface, std::uint32_t) {
                if (std::strcmp(interface, "zxdg_decoration_manager_v1") == 0)
                    *static_cast<bool*>(found) = true;
            },
            [](void*, wl_registry*, std::uint32_t) {}};
        wl_registry_add_listener(registry, &listener, &offered);
        const bool answered = queue.roundTrip(deadline);
        wl_registry_destroy(registry);
        return answered && offered;
    } catch (const std::runtime_error&) {
        return false;
    }
}

} // namespace platform::qt
