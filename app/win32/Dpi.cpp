#include "Dpi.h"

#include <cstring>

#include "form/Form1Design.h"
#include "platform/win32/Utf16.h"

namespace app::win32 {

namespace {

using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
using AdjustForDpiFunction = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
using MetricsForDpiFunction = int(WINAPI*)(int, UINT);
using EnableNonClientScalingFunction = BOOL(WINAPI*)(HWND);

template <class Function> Function fromUser32(const char* name) {
    const HMODULE user32 = GetModuleHandleW(L"user32.dll");
    const FARPROC found = user32 ? GetProcAddress(user32, name) : nullptr;
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(found));
}

bool isBitmapFace(const char* family) {
    return std::strcmp(family, "MS Sans Serif") == 0 || std::strcmp(family, "System") == 0;
}

} // namespace

UINT dpiOf(HWND window) {
    static const auto getDpiForWindow = fromUser32<GetDpiForWindowFunction>("GetDpiForWindow");
    if (getDpiForWindow && window)
        return getDpiForWindow(window);
    const HDC screen = GetDC(nullptr);
    const int dpi = screen ? GetDeviceCaps(screen, LOGPIXELSY) : form::kDesignDpi;
    if (screen)
        ReleaseDC(nullptr, screen);
    return static_cast<UINT>(dpi);
}

int systemMetricAt(int index, UINT dpi) {
    static const auto metricsForDpi = fromUser32<MetricsForDpiFunction>("GetSystemMetricsForDpi");
    return metricsForDpi ? metricsForDpi(index, dpi) : GetSystemMetrics(index);
}

void scaleNonClientArea(HWND window) {
    static const auto enable =
        fromUser32<EnableNonClientScalingFunction>("EnableNonClientDpiScaling");
    if (enable)
        enable(window);
}

RECT frameAt(RECT client, DWORD style, DWORD extendedStyle, UINT dpi) {
    static const auto adjustForDpi = fromUser32<AdjustForDpiFunction>("AdjustWindowRectExForDpi");
    if (adjustForDpi)
        adjustForDpi(&client, style, FALSE, extendedStyle, dpi);
    else
        AdjustWindowRectEx(&client, style, FALSE, extendedStyle);
    return client;
}

RECT placeAt(const form::TwipRect& place, UINT dpi) {
    const int at = static_cast<int>(dpi);
    const int left = form::twipsToPixels(place.left, at), top = form::twipsToPixels(place.top, at);
    return {left, top, left + form::twipsToPixels(place.width, at),
            top + form::twipsToPixels(place.height, at)};
}

HFONT createFontAt(const form::FontDesign& font, UINT dpi) {
    const bool designed = dpi == form::kDesignDpi || !isBitmapFace(font.family);
    const std::wstring face =
        designed ? platform::win32::toUtf16(font.family) : std::wstring(L"Microsoft Sans Serif");
    return CreateFontW(-form::pointsToPixels(font.points, static_cast<int>(dpi)), 0, 0, 0,
                       font.bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE, ANSI_CHARSET,
                       designed ? OUT_DEFAULT_PRECIS : OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS,
                       DEFAULT_QUALITY, DEFAULT_PITCH | FF_SWISS, face.c_str());
}

} // namespace app::win32
