#pragma once

#include <string_view>

namespace platform {

// A modal message box titled with the application's name, with one OK button.
// show() returns when the user has closed it.
class MessageBox {
public:
    enum class Icon { None, Warning };

    virtual ~MessageBox() = default;
    virtual void show(std::string_view text, Icon icon) = 0;
};

} // namespace platform
