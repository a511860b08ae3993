#pragma once

// The program icon as pixels: a blue disc with a white plus sign, transparent outside the disc,
// drawn at 16 and 32 pixels and repeated in whole-pixel squares at the larger sizes launchers ask
// for. The windows show it, and the icon writer (tools/make_icons) writes the same pixels to the
// desktop's PNGs and SVG and the Windows .ico. Knows no toolkit.

#include <array>

namespace form {

enum class IconColour { Transparent, Blue, White };

inline constexpr std::array<int, 6> kIconSizes{16, 32, 48, 64, 128, 256};

// The colour of pixel (x, y) of the icon of `size` pixels square (16, 32 or a multiple of them).
IconColour iconPixel(int size, int x, int y);

} // namespace form
