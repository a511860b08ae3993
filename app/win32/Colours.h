#pragma once

#include "platform/win32/WindowsApi.h"

#include "form/Form1Design.h"

namespace app::win32 {

inline COLORREF colorRef(const form::Rgb& rgb) {
    return RGB(rgb.red, rgb.green, rgb.blue);
}

} // namespace app::win32
