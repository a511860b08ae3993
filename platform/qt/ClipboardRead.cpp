#include "ClipboardRead.h"

#include <algorithm>
#include <cerrno>
#include <poll.h>

#include "platform/Clipboard.h"

namespace platform::qt {

bool waitForFd(int fd, short events, Deadline deadline) {
    for (;;) {
        const auto left =
            std::chrono::ceil<std::chrono::milliseconds>(deadline - Deadline::clock::now());
        if (left.count() <= 0)
            return false;
        pollfd watched{fd, events, 0};
        const int ready = poll(&watched, 1, static_cast<int>(left.count()));
        if (ready > 0)
            return Deadline::clock::now() < deadline;
        if (ready == 0 || errno != EINTR)
            return false;
    }
}

void ReadLimit::check(std::size_t size) const {
    if (size > bytes && tooLong == TooLong::Fail)
        throw ClipboardError("the clipboard's text is too long");
}

void ReadLimit::append(std::string& text, std::string_view piece) const {
    check(text.size() + piece.size());
    text.append(piece.substr(0, bytes - std::min(bytes, text.size())));
}

std::string ReadLimit::within(std::string_view text) const {
    std::string kept;
    append(kept, text);
    return kept;
}

} // namespace platform::qt
