#pragma once

#include <QIcon>
#include <QImage>

// The program icon: a blue disc with a white plus sign, transparent outside the disc, in two
// sizes. The window shows it, and packaging writes the same pixels to the desktop's PNGs and the
// Windows .ico.

enum class IconColour { Transparent, Blue, White };

// The colour of pixel (x, y) of the icon of `size` pixels square (16 or 32).
IconColour iconPixel(int size, int x, int y);

// A palette image (indexed: transparent, blue, white) of `size` pixels square.
QImage programIconImage(int size);

QIcon programIcon();
