#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

namespace platform {

// The clipboard could not be read or written (another program holds it, or none exists).
class ClipboardError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The desktop's clipboard, plain text only. Both calls throw ClipboardError on failure;
// a clipboard holding no text reads as "".
class Clipboard {
public:
    virtual ~Clipboard() = default;
    virtual std::string text() const = 0;
    virtual void setText(std::string_view text) = 0;
};

} // namespace platform
