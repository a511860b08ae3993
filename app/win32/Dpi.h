#pragma once

#include "platform/win32/WindowsApi.h"

#include <string>

namespace form {
struct FontDesign;
struct TwipRect;
} // namespace form

namespace app::win32 {

// The window is drawn at the dots per inch of the monitor it is on (the manifest declares it
// per-monitor aware): places in twips and fonts in points are converted at that, so it is as
// sharp at 150 % as at 100 %. The functions Windows 10 added for it are looked up at run time,
// so the program still starts on Windows 7, at the system's one DPI.

// The window's dots per inch (96 at 100 %).
UINT dpiOf(HWND window);

// A system metric (an icon's size, say) at `dpi`.
int systemMetricAt(int index, UINT dpi);

// Has Windows scale the window's title bar and frame with its DPI, as per-monitor awareness v1
// (Windows 10 1607 to 1703) needs asking; v2 does it by itself. Called on WM_NCCREATE.
void scaleNonClientArea(HWND window);

// The window rectangle whose client area is `client` at `dpi`, for a window of that style.
RECT frameAt(RECT client, DWORD style, DWORD extendedStyle, UINT dpi);

// A control's place, in pixels at `dpi`.
RECT placeAt(const form::TwipRect& place, UINT dpi);

// The design's font at `dpi`. The bitmap faces ("MS Sans Serif", "System") come in a few fixed
// sizes, drawn for 96 dpi: elsewhere their TrueType twin of the same metrics, "Microsoft Sans
// Serif", takes their place.
HFONT createFontAt(const form::FontDesign& font, UINT dpi);

} // namespace app::win32
