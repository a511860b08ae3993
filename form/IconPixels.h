#pragma once

// The program icon as pixels: a blue disc with a white plus sign, transparent outside the disc,
// drawn at 16 and 32 pixels and repeated in whole-pixel squares at the larger sizes launchers ask
// for; a size in between (20, 24 or 40, which Windows asks at 125 % and 150 %) takes each pixel of
// the largest drawn image not larger than it once or twice, so it stays as crisp. The windows show
// it, and the icon writer (tools/make_icons) writes the same pixels to the desktop's PNGs and SVG
// and the Windows .ico. Knows no toolkit.

#include <array>

namespace form {

enum class IconColour { Transparent, Blue, White };

inline constexpr std::array<int, 6> kIconSizes{16, 32, 48, 64, 128, 256};
// The Windows icon's: the small and the big icon at 100, 125, 150 and 200 %, and Explorer's 256.
inline constexpr std::array<int, 8> kWindowsIconSizes{16, 20, 24, 32, 40, 48, 64, 256};

// The colour of pixel (x, y) of the icon of `size` pixels square, 16 or more.
IconColour iconPixel(int size, int x, int y);

} // namespace form
