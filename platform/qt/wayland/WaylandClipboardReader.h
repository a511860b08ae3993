#pragma once

#include <chrono>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct wl_callback;
struct wl_data_device;
struct wl_data_device_manager;
struct wl_data_offer;
struct wl_display;
struct wl_event_queue;
struct wl_registry;
struct wl_seat;

namespace platform::qt {

// The Wayland clipboard as this program sees it, over the program's own Wayland connection (Qt's)
// with an event queue of its own: the offer of the present selection, which Wayland tells a
// program only while it has the keyboard focus (the caller knows when it has). Texts are read
// through a pipe under one deadline, however the owner drips them, so no owner can cost a read
// more; Qt's own read restarts its limit with every chunk and reads a timeout as an empty text.
// Plain libwayland-client: knows no toolkit.
class WaylandClipboardReader {
public:
    using Deadline = std::chrono::steady_clock::time_point;
    enum class TooLong { Fail, Cut };

    // Binds the seat and the data device manager; throws ClipboardError when the compositor
    // offers none or does not answer by `deadline`.
    WaylandClipboardReader(wl_display* display, Deadline deadline);
    ~WaylandClipboardReader();
    WaylandClipboardReader(const WaylandClipboardReader&) = delete;
    WaylandClipboardReader& operator=(const WaylandClipboardReader&) = delete;

    // Handles every event the compositor has sent until now, waiting for them until `deadline`.
    void catchUp(Deadline deadline);
    // Handles what has come without waiting: the events this reader does not need would pile up.
    void handlePending();

    // Whether the present selection is offered in `mimeType`; false when there is none.
    bool selectionOffers(std::string_view mimeType) const;
    bool selectionOffersText() const;

    // The present selection's text, asked for in the best text form it offers; "" when there is
    // no selection or no text. Throws ClipboardError when the owner has not sent it all by
    // `deadline`, or sends more than `limit` bytes and `tooLong` is Fail.
    std::string text(Deadline deadline, std::size_t limit, TooLong tooLong);

private:
    struct Offer {
        wl_data_offer* offer = nullptr;
        std::vector<std::string> mimeTypes;
    };
    void connect(Deadline deadline);
    void release();
    static void onGlobal(void* self, wl_registry* registry, std::uint32_t name,
                         const char* interface, std::uint32_t version);
    static void onDataOffer(void* self, wl_data_device* device, wl_data_offer* offer);
    static void onSelection(void* self, wl_data_device* device, wl_data_offer* offer);
    static void onMimeType(void* self, wl_data_offer* offer, const char* mimeType);
    void forget(wl_data_offer* offer);
    // Waits for this queue's events until `deadline`; false when it passed first.
    bool waitForEvents(Deadline deadline);

    wl_display* m_display;
    wl_event_queue* m_queue = nullptr;
    wl_display* m_wrapper = nullptr; // the display, its new objects on m_queue
    wl_registry* m_registry = nullptr;
    wl_seat* m_seat = nullptr;
    wl_data_device_manager* m_manager = nullptr;
    wl_data_device* m_device = nullptr;
    std::vector<Offer> m_offers; // introduced, not yet withdrawn
    wl_data_offer* m_selection = nullptr;
};

} // namespace platform::qt
