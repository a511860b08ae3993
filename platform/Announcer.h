#pragma once

#include <string_view>

namespace platform {

// Has a screen reader speak a short text (a result, a state) without moving the focus.
// Where no assistive technology listens, it costs nothing. Told after every click, with ""
// when the click changed nothing worth saying.
class Announcer {
public:
    virtual ~Announcer() = default;
    virtual void announce(std::string_view text) = 0;
};

} // namespace platform
