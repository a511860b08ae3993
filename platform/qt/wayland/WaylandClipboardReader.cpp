#include "WaylandClipboardReader.h"

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <unistd.h>
#include <wayland-client.h>

#include "platform/Clipboard.h"
#include "platform/qt/Latin1.h"
#include "primary-selection-unstable-v1-client-protocol.h"

namespace platform::qt {

namespace {

constexpr std::uint32_t kSeatVersion = 5;
constexpr std::uint32_t kManagerVersion = 3;
constexpr std::uint32_t kPrimaryManagerVersion = 1;
// Text forms in the order they are asked for; STRING is Latin-1, the others UTF-8.
constexpr const char* kTextForms[] = {"text/plain;charset=utf-8", "UTF8_STRING", "text/plain",
                                      "TEXT", "STRING"};
constexpr std::size_t kReadChunk = 65536;

// The read end of a pipe, closed when this goes.
struct PipeEnd {
    const int fd;
    explicit PipeEnd(int end) : fd(end) {}
    ~PipeEnd() { close(fd); }
    PipeEnd(const PipeEnd&) = delete;
    PipeEnd& operator=(const PipeEnd&) = delete;
};

// An offer's requests, in the protocol of the selection it belongs to.
void receive(Selection selection, wl_proxy* offer, const char* mimeType, int fd) {
    if (selection == Selection::Primary)
        zwp_primary_selection_offer_v1_receive(
            reinterpret_cast<zwp_primary_selection_offer_v1*>(offer), mimeType, fd);
    else
        wl_data_offer_receive(reinterpret_cast<wl_data_offer*>(offer), mimeType, fd);
}

void destroy(Selection selection, wl_proxy* offer) {
    if (selection == Selection::Primary)
        zwp_primary_selection_offer_v1_destroy(
            reinterpret_cast<zwp_primary_selection_offer_v1*>(offer));
    else
        wl_data_offer_destroy(reinterpret_cast<wl_data_offer*>(offer));
}

WaylandClipboardReader& readerOf(void* self) {
    return *static_cast<WaylandClipboardReader*>(self);
}

// Released where the compositor knows the request, else destroyed on this side only.
template <class Proxy>
void letGo(Proxy* proxy, std::uint32_t releaseSince, void (*release)(Proxy*),
           void (*destroy)(Proxy*)) {
    if (proxy)
        (wl_proxy_get_version(reinterpret_cast<wl_proxy*>(proxy)) >= releaseSince ? release
                                                                                  : destroy)(proxy);
}

} // namespace

WaylandClipboardReader::WaylandClipboardReader(wl_display* display, Deadline deadline)
    : m_queue(display) {
    try {
        bindDevices(deadline);
    } catch (...) {
        release();
        throw;
    }
}

WaylandClipboardReader::~WaylandClipboardReader() {
    release();
}

void WaylandClipboardReader::bindDevices(Deadline deadline) {
    m_registry = wl_display_get_registry(m_queue.wrapper());
    static const wl_registry_listener registryListener{onGlobal,
                                                       [](void*, wl_registry*, std::uint32_t) {}};
    wl_registry_add_listener(m_registry, &registryListener, this);
    // The globals, and then the devices and the keyboard, made before the window is first
    // focused: the selections are told only then.
    catchUp(deadline);
    if (!m_seat || !m_manager)
        throw ClipboardError("the compositor offers no clipboard");

    m_device = wl_data_device_manager_get_data_device(m_manager, m_seat);
    static const wl_data_device_listener deviceListener{
        [](void* self, wl_data_device*, wl_data_offer* offer) {
            readerOf(self).introduce(Selection::Clipboard, reinterpret_cast<wl_proxy*>(offer));
        },
        // A drag's offers are not the selection's; they go at the next selection.
        [](void*, wl_data_device*, std::uint32_t, wl_surface*, wl_fixed_t, wl_fixed_t,
           wl_data_offer*) {},
        [](void*, wl_data_device*) {},
        [](void*, wl_data_device*, std::uint32_t, wl_fixed_t, wl_fixed_t) {},
        [](void*, wl_data_device*) {},
        [](void* self, wl_data_device*, wl_data_offer* offer) {
            readerOf(self).select(Selection::Clipboard, reinterpret_cast<wl_proxy*>(offer));
        }};
    wl_data_device_add_listener(m_device, &deviceListener, this);

    if (m_primaryManager) {
        m_primaryDevice =
            zwp_primary_selection_device_manager_v1_get_device(m_primaryManager, m_seat);
        static const zwp_primary_selection_device_v1_listener primaryListener{
            [](void* self, zwp_primary_selection_device_v1*,
               zwp_primary_selection_offer_v1* offer) {
                readerOf(self).introduce(Selection::Primary, reinterpret_cast<wl_proxy*>(offer));
            },
            [](void* self, zwp_primary_selection_device_v1*,
               zwp_primary_selection_offer_v1* offer) {
                readerOf(self).select(Selection::Primary, reinterpret_cast<wl_proxy*>(offer));
            }};
        zwp_primary_selection_device_v1_add_listener(m_primaryDevice, &primaryListener, this);
    }
    catchUp(deadline);
}

void WaylandClipboardReader::release() {
    // What has come is handled first, so every offer it brought is known, and destroyed below.
    m_queue.handlePending();
    for (const Offer& offer : m_offers)
        destroy(offer.selection, offer.proxy);
    if (m_primaryDevice)
        zwp_primary_selection_device_v1_destroy(m_primaryDevice);
    if (m_primaryManager)
        zwp_primary_selection_device_manager_v1_destroy(m_primaryManager);
    letGo(m_device, WL_DATA_DEVICE_RELEASE_SINCE_VERSION, wl_data_device_release,
          wl_data_device_destroy);
    if (m_manager)
        wl_data_device_manager_destroy(m_manager);
    dropKeyboard();
    letGo(m_seat, WL_SEAT_RELEASE_SINCE_VERSION, wl_seat_release, wl_seat_destroy);
    if (m_registry)
        wl_registry_destroy(m_registry);
    // Sent with Qt's next requests where the socket is full now.
    wl_display_flush(m_queue.display());
}

void WaylandClipboardReader::onGlobal(void* self, wl_registry* registry, std::uint32_t name,
                                      const char* interface, std::uint32_t version) {
    auto& reader = readerOf(self);
    const auto bind = [&](const wl_interface& wanted, std::uint32_t upTo) {
        return wl_registry_bind(registry, name, &wanted, std::min(version, upTo));
    };
    if (std::strcmp(interface, wl_seat_interface.name) == 0 && !reader.m_seat) {
        reader.m_seat = static_cast<wl_seat*>(bind(wl_seat_interface, kSeatVersion));
        // Listened to at once: the seat's capabilities may come in the same dispatch as this
        // global, and a keyboard never bound would leave the program unfocused for good.
        static const wl_seat_listener seatListener{onCapabilities,
                                                   [](void*, wl_seat*, const char*) {}};
        wl_seat_add_listener(reader.m_seat, &seatListener, &reader);
    } else if (std::strcmp(interface, wl_data_device_manager_interface.name) == 0 &&
               !reader.m_manager) {
        reader.m_manager = static_cast<wl_data_device_manager*>(
            bind(wl_data_device_manager_interface, kManagerVersion));
    } else if (std::strcmp(interface, zwp_primary_selection_device_manager_v1_interface.name) ==
                   0 &&
               !reader.m_primaryManager) {
        reader.m_primaryManager = static_cast<zwp_primary_selection_device_manager_v1*>(
            bind(zwp_primary_selection_device_manager_v1_interface, kPrimaryManagerVersion));
    }
}

void WaylandClipboardReader::onCapabilities(void* self, wl_seat* seat, std::uint32_t capabilities) {
    auto& reader = readerOf(self);
    const bool keyboard = capabilities & WL_SEAT_CAPABILITY_KEYBOARD;
    if (keyboard && !reader.m_keyboard) {
        reader.m_keyboard = wl_seat_get_keyboard(seat);
        static const wl_keyboard_listener keyboardListener{
            [](void*, wl_keyboard*, std::uint32_t, std::int32_t keymap, std::uint32_t) {
                close(keymap);
            },
            [](void* self, wl_keyboard*, std::uint32_t, wl_surface*, wl_array*) {
                readerOf(self).m_focused = true;
            },
            [](void* self, wl_keyboard*, std::uint32_t, wl_surface*) {
                readerOf(self).m_focused = false;
            },
            [](void*, wl_keyboard*, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t) {},
            [](void*, wl_keyboard*, std::uint32_t, std::uint32_t, std::uint32_t, std::uint32_t,
               std::uint32_t) {},
            [](void*, wl_keyboard*, std::int32_t, std::int32_t) {}};
        wl_keyboard_add_listener(reader.m_keyboard, &keyboardListener, self);
    } else if (!keyboard) {
        reader.dropKeyboard();
    }
}

void WaylandClipboardReader::dropKeyboard() {
    letGo(m_keyboard, WL_KEYBOARD_RELEASE_SINCE_VERSION, wl_keyboard_release, wl_keyboard_destroy);
    m_keyboard = nullptr;
    m_focused = false;
}

void WaylandClipboardReader::introduce(Selection selection, wl_proxy* offer) {
    m_offers.push_back({selection, offer, {}});
    if (selection == Selection::Primary) {
        static const zwp_primary_selection_offer_v1_listener offerListener{
            [](void* self, zwp_primary_selection_offer_v1* offer, const char* mimeType) {
                readerOf(self).noteMimeType(reinterpret_cast<wl_proxy*>(offer), mimeType);
            }};
        zwp_primary_selection_offer_v1_add_listener(
            reinterpret_cast<zwp_primary_selection_offer_v1*>(offer), &offerListener, this);
    } else {
        static const wl_data_offer_listener offerListener{
            [](void* self, wl_data_offer* offer, const char* mimeType) {
                readerOf(self).noteMimeType(reinterpret_cast<wl_proxy*>(offer), mimeType);
            },
            [](void*, wl_data_offer*, std::uint32_t) {},
            [](void*, wl_data_offer*, std::uint32_t) {}};
        wl_data_offer_add_listener(reinterpret_cast<wl_data_offer*>(offer), &offerListener, this);
    }
}

void WaylandClipboardReader::select(Selection selection, wl_proxy* offer) {
    // Every offer of this selection's kind but the new one is done with: the old selection, and
    // any a drag left.
    std::erase_if(m_offers, [&](const Offer& known) {
        if (known.selection != selection || known.proxy == offer)
            return false;
        destroy(selection, known.proxy);
        return true;
    });
    if (Offer* chosen = find(offer))
        chosen->selected = true;
}

void WaylandClipboardReader::noteMimeType(wl_proxy* offer, const char* mimeType) {
    if (Offer* known = find(offer))
        known->mimeTypes.emplace_back(mimeType);
}

WaylandClipboardReader::Offer* WaylandClipboardReader::find(const wl_proxy* offer) {
    const auto found = std::find_if(m_offers.begin(), m_offers.end(),
                                    [offer](const Offer& known) { return known.proxy == offer; });
    return found != m_offers.end() ? &*found : nullptr;
}

const WaylandClipboardReader::Offer* WaylandClipboardReader::selected(Selection selection) const {
    const auto found = std::find_if(m_offers.begin(), m_offers.end(), [&](const Offer& known) {
        return known.selection == selection && known.selected;
    });
    return found != m_offers.end() ? &*found : nullptr;
}

bool WaylandClipboardReader::offers(Selection selection, std::string_view mimeType) const {
    const Offer* offer = selected(selection);
    return offer && std::find(offer->mimeTypes.begin(), offer->mimeTypes.end(), mimeType) !=
                        offer->mimeTypes.end();
}

bool WaylandClipboardReader::offersText(Selection selection) const {
    return std::any_of(std::begin(kTextForms), std::end(kTextForms),
                       [&](const char* form) { return offers(selection, form); });
}

void WaylandClipboardReader::handlePending() {
    m_queue.handlePending();
}

void WaylandClipboardReader::catchUp(Deadline deadline) {
    if (!m_queue.roundTrip(deadline))
        throw ClipboardError("the compositor did not answer");
}

std::string WaylandClipboardReader::text(Selection selection, Deadline deadline, ReadLimit limit) {
    const Offer* offer = selected(selection);
    if (!offer)
        return {};
    const auto form =
        std::find_if(std::begin(kTextForms), std::end(kTextForms),
                     [&](const char* candidate) { return offers(selection, candidate); });
    if (form == std::end(kTextForms))
        return {}; // a picture, say: no text
    int ends[2];
    if (pipe2(ends, O_CLOEXEC) != 0)
        throw ClipboardError("no pipe for the clipboard");
    const PipeEnd reading{ends[0]};
    receive(selection, offer->proxy, *form, ends[1]);
    close(ends[1]); // the request carries a copy
    if (!m_queue.flush(deadline))
        throw ClipboardError("the compositor does not take requests");

    std::string text;
    char chunk[kReadChunk];
    while (!limit.full(text)) {
        if (!waitForFd(reading.fd, POLLIN, deadline))
            throw ClipboardError("the clipboard's owner does not answer in time");
        const ssize_t got = read(reading.fd, chunk, sizeof chunk);
        if (got == 0)
            break; // the owner closed its end: the whole text has come
        if (got < 0 && errno != EINTR && errno != EAGAIN)
            throw ClipboardError("the clipboard's text cannot be read");
        if (got > 0)
            limit.append(text, {chunk, static_cast<std::size_t>(got)});
    }
    return std::strcmp(*form, "STRING") == 0 ? latin1ToUtf8(text) : text;
}

} // namespace platform::qt
