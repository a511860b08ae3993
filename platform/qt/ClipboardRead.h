#pragma once

#include <chrono>
#include <cstddef>
#include <string>
#include <string_view>

namespace platform::qt {

// What the clipboard readers of every display server share: the selection they read, the deadline
// that ends every wait, and what a text longer than a read's limit gives. Plain C++ and POSIX.
enum class Selection { Clipboard, Primary };

using Deadline = std::chrono::steady_clock::time_point;

// Waits until `fd` is ready for poll()'s `events`, again after a signal. False once `deadline` has
// passed, even while `fd` keeps answering ready: a flood is no reason to wait on.
bool waitForFd(int fd, short events, Deadline deadline);

// A text longer than `bytes` fails to read, for a calculation (which would otherwise compute with
// part of a number), or is cut to its first `bytes`, for a paste.
enum class TooLong { Fail, Cut };

struct ReadLimit {
    std::size_t bytes;
    TooLong tooLong;

    // Throws ClipboardError for a text of `size` bytes that is too long to read.
    void check(std::size_t size) const;
    // Appends what of `piece` the limit lets in; throws as check() does.
    void append(std::string& text, std::string_view piece) const;
    // Whether `text` can take no more: it is cut there.
    bool full(const std::string& text) const {
        return tooLong == TooLong::Cut && text.size() >= bytes;
    }
    std::string within(std::string_view text) const;
};

} // namespace platform::qt
