#pragma once

#include <cstddef>
#include <string>

#include "platform/Clipboard.h"

namespace platform::qt {

// What a text longer than a read's limit gives: a failure, for a calculation (which would
// otherwise compute with part of a number), or its first `limit` bytes, for a paste. Plain C++,
// shared by the readers of every display server.
enum class TooLong { Fail, Cut };

inline std::string withinLimit(std::string text, std::size_t limit, TooLong tooLong) {
    if (text.size() > limit) {
        if (tooLong == TooLong::Fail)
            throw ClipboardError("the clipboard's text is too long");
        text.resize(limit);
    }
    return text;
}

} // namespace platform::qt
