#pragma once

#include "platform/win32/WindowsApi.h"

#include "form/Form1Design.h"

namespace app::win32 {

inline COLORREF colorRef(const form::Rgb& rgb) {
    return RGB(rgb.red, rgb.green, rgb.blue);
}

// Whether Windows asks programs for its high-contrast colours: the window is then drawn in the
// system's colours (faces, captions, background, display), not the design's. The environment
// variable BRENOLDI_HIGH_CONTRAST=1 says so too, for the tests under Wine, which always answers
// that high contrast is off.
bool highContrast();

} // namespace app::win32
