#include "ServerDecorations.h"

#include <cstdint>
#include <cstring>
#include <wayland-client.h>

namespace platform::qt {

bool compositorDecoratesWindows(wl_display* display) {
    wl_event_queue* queue = wl_display_create_queue(display);
    auto* wrapper = static_cast<wl_display*>(wl_proxy_create_wrapper(display));
    if (!queue || !wrapper) {
        if (queue)
            wl_event_queue_destroy(queue);
        return false;
    }
    wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(wrapper), queue);
    wl_registry* registry = wl_display_get_registry(wrapper);
    bool offered = false;
    static const wl_registry_listener listener{
        [](void* found, wl_registry*, std::uint32_t, const char* interface, std::uint32_t) {
            if (std::strcmp(interface, "zxdg_decoration_manager_v1") == 0)
                *static_cast<bool*>(found) = true;
        },
        [](void*, wl_registry*, std::uint32_t) {}};
    wl_registry_add_listener(registry, &listener, &offered);
    wl_display_roundtrip_queue(display, queue);
    wl_registry_destroy(registry);
    wl_proxy_wrapper_destroy(wrapper);
    wl_event_queue_destroy(queue);
    return offered;
}

} // namespace platform::qt
