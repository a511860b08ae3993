#include "WaylandClipboardReader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <memory>
#include <poll.h>
#include <unistd.h>
#include <wayland-client.h>

#include "platform/Clipboard.h"
#include "platform/qt/Latin1.h"

namespace platform::qt {

namespace {

using Clock = std::chrono::steady_clock;

constexpr std::uint32_t kSeatVersion = 5;
constexpr std::uint32_t kManagerVersion = 3;
// Text forms in the order they are asked for; STRING is Latin-1, the others UTF-8.
constexpr const char* kTextForms[] = {"text/plain;charset=utf-8", "UTF8_STRING", "text/plain",
                                      "TEXT", "STRING"};
constexpr std::size_t kReadChunk = 65536;

int millisecondsLeft(WaylandClipboardReader::Deadline deadline) {
    const auto left = std::chrono::ceil<std::chrono::milliseconds>(deadline - Clock::now());
    return static_cast<int>(std::max<std::chrono::milliseconds::rep>(0, left.count()));
}

// The entry of `offers` for `offer`, or nullptr.
template <class Offers> auto* entryOf(Offers& offers, const wl_data_offer* offer) {
    const auto found = std::find_if(offers.begin(), offers.end(),
                                    [offer](const auto& known) { return known.offer == offer; });
    return offer && found != offers.end() ? &*found : nullptr;
}

struct CallbackDeleter {
    void operator()(wl_callback* callback) const { wl_callback_destroy(callback); }
};

// The read end of a pipe, closed when this goes.
class PipeEnd {
public:
    explicit PipeEnd(int fd) : m_fd(fd) {}
    ~PipeEnd() {
        if (m_fd >= 0)
            close(m_fd);
    }
    PipeEnd(const PipeEnd&) = delete;
    PipeEnd& operator=(const PipeEnd&) = delete;
    int fd() const { return m_fd; }

private:
    int m_fd;
};

} // namespace

WaylandClipboardReader::WaylandClipboardReader(wl_display* display, Deadline deadline)
    : m_display(display) {
    try {
        connect(deadline);
    } catch (...) {
        release();
        throw;
    }
}

void WaylandClipboardReader::connect(Deadline deadline) {
    m_queue = wl_display_create_queue(m_display);
    m_wrapper = static_cast<wl_display*>(wl_proxy_create_wrapper(m_display));
    if (!m_queue || !m_wrapper)
        throw ClipboardError("no Wayland queue");
    wl_proxy_set_queue(reinterpret_cast<wl_proxy*>(m_wrapper), m_queue);
    m_registry = wl_display_get_registry(m_wrapper);
    static const wl_registry_listener registryListener{onGlobal,
                                                       [](void*, wl_registry*, std::uint32_t) {}};
    wl_registry_add_listener(m_registry, &registryListener, this);
    // The globals, and then the data device, made before the window is first focused: the
    // selection is told only then.
    catchUp(deadline);
    if (!m_seat || !m_manager)
        throw ClipboardError("the compositor offers no clipboard");
    m_device = wl_data_device_manager_get_data_device(m_manager, m_seat);
    static const wl_data_device_listener deviceListener{
        onDataOffer,
        // A drag's offers are not the selection's; they go at the next selection.
        [](void*, wl_data_device*, std::uint32_t, wl_surface*, wl_fixed_t, wl_fixed_t,
           wl_data_offer*) {},
        [](void*, wl_data_device*) {},
        [](void*, wl_data_device*, std::uint32_t, wl_fixed_t, wl_fixed_t) {},
        [](void*, wl_data_device*) {}, onSelection};
    wl_data_device_add_listener(m_device, &deviceListener, this);
    catchUp(deadline);
}

WaylandClipboardReader::~WaylandClipboardReader() {
    release();
}

void WaylandClipboardReader::release() {
    // What has come is handled first, so every offer it brought is known, and destroyed below.
    if (m_queue)
        wl_display_dispatch_queue_pending(m_display, m_queue);
    for (const Offer& offer : m_offers)
        wl_data_offer_destroy(offer.offer);
    if (m_device) {
        if (wl_data_device_get_version(m_device) >= WL_DATA_DEVICE_RELEASE_SINCE_VERSION)
            wl_data_device_release(m_device);
        else
            wl_data_device_destroy(m_device);
    }
    if (m_manager)
        wl_data_device_manager_destroy(m_manager);
    if (m_seat) {
        if (wl_seat_get_version(m_seat) >= WL_SEAT_RELEASE_SINCE_VERSION)
            wl_seat_release(m_seat);
        else
            wl_seat_destroy(m_seat);
    }
    if (m_registry)
        wl_registry_destroy(m_registry);
    if (m_wrapper)
        wl_proxy_wrapper_destroy(m_wrapper);
    wl_display_flush(m_display);
    if (m_queue)
        wl_event_queue_destroy(m_queue);
}

void WaylandClipboardReader::onGlobal(void* self, wl_registry* registry, std::uint32_t name,
                                      const char* interface, std::uint32_t version) {
    auto& reader = *static_cast<WaylandClipboardReader*>(self);
    if (std::strcmp(interface, wl_seat_interface.name) == 0 && !reader.m_seat) {
        reader.m_seat = static_cast<wl_seat*>(
            wl_registry_bind(registry, name, &wl_seat_interface, std::min(version, kSeatVersion)));
    } else if (std::strcmp(interface, wl_data_device_manager_interface.name) == 0 &&
               !reader.m_manager) {
        reader.m_manager = static_cast<wl_data_device_manager*>(wl_registry_bind(
            registry, name, &wl_data_device_manager_interface, std::min(version, kManagerVersion)));
    }
}

void WaylandClipboardReader::onDataOffer(void* self, wl_data_device*, wl_data_offer* offer) {
    auto& reader = *static_cast<WaylandClipboardReader*>(self);
    reader.m_offers.push_back({offer, {}});
    static const wl_data_offer_listener offerListener{onMimeType,
                                                      [](void*, wl_data_offer*, std::uint32_t) {},
                                                      [](void*, wl_data_offer*, std::uint32_t) {}};
    wl_data_offer_add_listener(offer, &offerListener, self);
}

void WaylandClipboardReader::onSelection(void* self, wl_data_device*, wl_data_offer* offer) {
    auto& reader = *static_cast<WaylandClipboardReader*>(self);
    // Every offer but the new selection is done with: the old selection, and any a drag left.
    std::vector<wl_data_offer*> done;
    for (const Offer& known : reader.m_offers) {
        if (known.offer != offer)
            done.push_back(known.offer);
    }
    for (wl_data_offer* old : done)
        reader.forget(old);
    reader.m_selection = offer;
}

void WaylandClipboardReader::onMimeType(void* self, wl_data_offer* offer, const char* mimeType) {
    auto& reader = *static_cast<WaylandClipboardReader*>(self);
    if (Offer* known = entryOf(reader.m_offers, offer))
        known->mimeTypes.emplace_back(mimeType);
}

void WaylandClipboardReader::forget(wl_data_offer* offer) {
    if (const Offer* known = entryOf(m_offers, offer)) {
        wl_data_offer_destroy(offer);
        m_offers.erase(m_offers.begin() + (known - m_offers.data()));
        if (m_selection == offer)
            m_selection = nullptr;
    }
}

bool WaylandClipboardReader::selectionOffers(std::string_view mimeType) const {
    const Offer* selection = entryOf(m_offers, m_selection);
    return selection && std::find(selection->mimeTypes.begin(), selection->mimeTypes.end(),
                                  mimeType) != selection->mimeTypes.end();
}

bool WaylandClipboardReader::selectionOffersText() const {
    return std::any_of(std::begin(kTextForms), std::end(kTextForms),
                       [this](const char* form) { return selectionOffers(form); });
}

void WaylandClipboardReader::handlePending() {
    wl_display_dispatch_queue_pending(m_display, m_queue);
}

bool WaylandClipboardReader::waitForEvents(Deadline deadline) {
    // Qt's own thread reads the connection too; preparing to read makes it wait for this one.
    while (wl_display_prepare_read_queue(m_display, m_queue) != 0) {
        if (wl_display_dispatch_queue_pending(m_display, m_queue) < 0)
            throw ClipboardError("Wayland connection lost");
    }
    wl_display_flush(m_display);
    pollfd socket{wl_display_get_fd(m_display), POLLIN, 0};
    const int ready = poll(&socket, 1, millisecondsLeft(deadline));
    if (ready <= 0) {
        wl_display_cancel_read(m_display);
        return false;
    }
    if (wl_display_read_events(m_display) < 0 ||
        wl_display_dispatch_queue_pending(m_display, m_queue) < 0)
        throw ClipboardError("Wayland connection lost");
    return true;
}

void WaylandClipboardReader::catchUp(Deadline deadline) {
    bool done = false;
    const std::unique_ptr<wl_callback, CallbackDeleter> sync(wl_display_sync(m_wrapper));
    static const wl_callback_listener syncListener{
        [](void* flag, wl_callback*, std::uint32_t) { *static_cast<bool*>(flag) = true; }};
    wl_callback_add_listener(sync.get(), &syncListener, &done);
    if (wl_display_dispatch_queue_pending(m_display, m_queue) < 0)
        throw ClipboardError("Wayland connection lost");
    while (!done) {
        if (!waitForEvents(deadline) && !done)
            throw ClipboardError("the compositor did not answer");
    }
}

std::string WaylandClipboardReader::text(Deadline deadline, std::size_t limit, TooLong tooLong) {
    const Offer* offer = entryOf(m_offers, m_selection);
    if (!offer)
        return {};
    const auto form =
        std::find_if(std::begin(kTextForms), std::end(kTextForms),
                     [this](const char* candidate) { return selectionOffers(candidate); });
    if (form == std::end(kTextForms))
        return {}; // a picture, say: no text
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0)
        throw ClipboardError("no pipe for the clipboard");
    const PipeEnd reading(ends[0]);
    wl_data_offer_receive(offer->offer, *form, ends[1]);
    close(ends[1]); // the request carries a copy
    wl_display_flush(m_display);

    std::string text;
    char chunk[kReadChunk];
    for (;;) {
        pollfd pipe{reading.fd(), POLLIN, 0};
        const int ready = poll(&pipe, 1, millisecondsLeft(deadline));
        if (ready < 0 && errno == EINTR)
            continue;
        if (ready <= 0)
            throw ClipboardError("the clipboard's owner does not answer in time");
        const ssize_t got = read(reading.fd(), chunk, sizeof chunk);
        if (got < 0 && (errno == EINTR || errno == EAGAIN))
            continue;
        if (got < 0)
            throw ClipboardError("the clipboard's text cannot be read");
        if (got == 0)
            break; // the owner closed its end: the whole text has come
        if (text.size() + static_cast<std::size_t>(got) > limit) {
            if (tooLong == TooLong::Fail)
                throw ClipboardError("the clipboard's text is too long");
            text.append(chunk, limit - text.size());
            break;
        }
        text.append(chunk, static_cast<std::size_t>(got));
    }
    return std::strcmp(*form, "STRING") == 0 ? latin1ToUtf8(text) : text;
}

} // namespace platform::qt
