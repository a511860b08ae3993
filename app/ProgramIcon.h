#pragma once

#include <QByteArray>
#include <QIcon>
#include <QImage>
#include <array>

// The program icon: a blue disc with a white plus sign, transparent outside the disc, drawn at 16
// and 32 pixels and repeated in whole-pixel squares at the larger sizes launchers ask for. The
// window shows it, and packaging writes the same pixels to the desktop's PNGs and SVG and the
// Windows .ico.

enum class IconColour { Transparent, Blue, White };

inline constexpr std::array<int, 6> kIconSizes{16, 32, 48, 64, 128, 256};

// The colour of pixel (x, y) of the icon of `size` pixels square (16, 32 or a multiple of them).
IconColour iconPixel(int size, int x, int y);

// A palette image (indexed: transparent, blue, white) of `size` pixels square.
QImage programIconImage(int size);

QIcon programIcon();

// The 32-pixel image as a scalable SVG made of the same pixel squares.
QByteArray programIconSvg();
