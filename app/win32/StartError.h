#pragma once

#include "platform/win32/WindowsApi.h"

#include <stdexcept>
#include <string>

namespace app::win32 {

// What failed as the window was made, in the user's words, with the system's error code.
class StartError : public std::runtime_error {
public:
    explicit StartError(const std::string& what)
        : std::runtime_error(what + " (errore di sistema " + std::to_string(GetLastError()) + ")") {
    }
};

} // namespace app::win32
