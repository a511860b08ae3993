#pragma once

#include <string>
#include <string_view>

namespace platform {

// A single-line text field: the display and the 2ndF indicator. Texts are UTF-8.
class TextBox {
public:
    virtual ~TextBox() = default;
    virtual std::string text() const = 0;
    virtual void setText(std::string_view text) = 0;
};

} // namespace platform
