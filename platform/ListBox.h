#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

// An unsorted list of text items that only grows at the end or is emptied at once.
class ListBox {
public:
    virtual ~ListBox() = default;
    virtual void addItem(std::string_view item) = 0;
    // The item at a zero-based position; a position at or past the end reads as "".
    virtual std::string item(std::size_t index) const = 0;
    virtual std::size_t count() const = 0;
    virtual void clear() = 0;
};

} // namespace platform
