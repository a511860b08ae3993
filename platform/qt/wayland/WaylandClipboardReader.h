#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "EventQueue.h"

struct wl_data_device;
struct wl_data_device_manager;
struct wl_keyboard;
struct wl_proxy;
struct wl_registry;
struct wl_seat;
struct zwp_primary_selection_device_manager_v1;
struct zwp_primary_selection_device_v1;

namespace platform::qt {

// The Wayland clipboard and primary selection as this program sees them, over its own Wayland
// connection (Qt's) with an event queue of its own: the offers of the present selections, which
// Wayland tells a program only while it has the keyboard focus. The reader follows that focus
// itself, as the compositor gives it, rather than as Qt passes it on a round trip later. Texts
// are read through a pipe under one deadline, however the owner drips them, so no owner can cost
// a read more; Qt's own read restarts its limit with every chunk and reads a timeout as an empty
// text. Plain libwayland-client: knows no toolkit.
class WaylandClipboardReader {
public:
    // Binds the seat, its keyboard, the data device manager and, where the compositor offers it,
    // the primary selection's; throws ClipboardError when it offers no clipboard or does not
    // answer by `deadline`.
    WaylandClipboardReader(wl_display* display, Deadline deadline);
    ~WaylandClipboardReader();
    WaylandClipboardReader(const WaylandClipboardReader&) = delete;
    WaylandClipboardReader& operator=(const WaylandClipboardReader&) = delete;

    // Handles every event the compositor has sent until now, waiting for them until `deadline`;
    // throws ClipboardError when it has not answered by then.
    void catchUp(Deadline deadline);
    // Handles what has come without waiting: the events this reader does not need would pile up.
    void handlePending();

    // Whether the compositor has given one of this program's windows the keyboard focus, and so
    // tells it of the selections.
    bool focused() const { return m_focused; }

    // Whether the present selection is offered in `mimeType`; false when there is none.
    bool offers(Selection selection, std::string_view mimeType) const;
    bool offersText(Selection selection) const;

    // The present selection's text, asked for in the best text form it offers; "" when there is
    // no selection or no text. Throws ClipboardError when the owner has not sent it all by
    // `deadline`, or sends more than `limit` lets in.
    std::string text(Selection selection, Deadline deadline, ReadLimit limit);

private:
    struct Offer {
        Selection selection;
        wl_proxy* proxy;
        std::vector<std::string> mimeTypes;
        bool selected = false; // the selection's present offer
    };
    void bindDevices(Deadline deadline);
    void release();
    static void onGlobal(void* self, wl_registry* registry, std::uint32_t name,
                         const char* interface, std::uint32_t version);
    static void onCapabilities(void* self, wl_seat* seat, std::uint32_t capabilities);
    // Offers as the two devices introduce them, and each device's new selection.
    void introduce(Selection selection, wl_proxy* offer);
    void select(Selection selection, wl_proxy* offer);
    void noteMimeType(wl_proxy* offer, const char* mimeType);
    Offer* find(const wl_proxy* offer);
    const Offer* selected(Selection selection) const;
    void dropKeyboard();

    EventQueue m_queue;
    wl_registry* m_registry = nullptr;
    wl_seat* m_seat = nullptr;
    wl_keyboard* m_keyboard = nullptr;
    wl_data_device_manager* m_manager = nullptr;
    wl_data_device* m_device = nullptr;
    zwp_primary_selection_device_manager_v1* m_primaryManager = nullptr;
    zwp_primary_selection_device_v1* m_primaryDevice = nullptr;
    std::vector<Offer> m_offers; // introduced, not yet withdrawn
    bool m_focused = false;
};

} // namespace platform::qt
