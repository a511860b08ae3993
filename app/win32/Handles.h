#pragma once

#include "platform/win32/WindowsApi.h"

#include <memory>
#include <type_traits>

namespace app::win32 {

// Handles of the Windows API that release themselves when they go, on every path.
struct GdiDeleter {
    void operator()(HGDIOBJ object) const { DeleteObject(object); }
};
struct IconDeleter {
    void operator()(HICON icon) const { DestroyIcon(icon); }
};
using OwnedBrush = std::unique_ptr<std::remove_pointer_t<HBRUSH>, GdiDeleter>;
using OwnedFont = std::unique_ptr<std::remove_pointer_t<HFONT>, GdiDeleter>;
using OwnedIcon = std::unique_ptr<std::remove_pointer_t<HICON>, IconDeleter>;

// A top-level window: told nothing more of its owner before it is destroyed, so no message it
// gets while it goes reaches an object that is going too.
struct WindowDeleter {
    void operator()(HWND window) const {
        SetWindowLongPtrW(window, GWLP_USERDATA, 0);
        DestroyWindow(window);
    }
};
using OwnedWindow = std::unique_ptr<std::remove_pointer_t<HWND>, WindowDeleter>;

} // namespace app::win32
