#include "IconPixels.h"

namespace form {

namespace {

struct IconGeometry {
    int discDiameter;      // the disc starts at pixel 0 on both axes
    int barFirst, barLast; // the plus sign's thickness, on both axes
    int armFirst, armLast; // the plus sign's length, on both axes
};

// 32 x 32: a disc over columns and rows 0 to 30, bars 5 thick and 19 long.
// 16 x 16: a disc filling the image, bars 2 thick and 10 long.
IconGeometry geometryFor(int size) {
    if (size >= 32)
        return {31, 13, 17, 6, 24};
    return {16, 7, 8, 3, 12};
}

bool within(int value, int first, int last) {
    return value >= first && value <= last;
}

} // namespace

IconColour iconPixel(int size, int x, int y) {
    // Larger sizes repeat the drawn pixels in whole squares, so they stay as sharp as the
    // originals: from 32 when it divides the size, else from 16. A size in between samples the
    // largest drawn image not larger than it, its pixels taken once or twice.
    const int base = size % 32 == 0 || (size > 32 && size % 16 != 0) ? 32 : 16;
    if (size != base)
        return iconPixel(base, x * base / size, y * base / size);
    const IconGeometry g = geometryFor(size);
    // In half pixels, so the centre of an even-sized disc needs no fractions.
    const int dx = 2 * x - (g.discDiameter - 1);
    const int dy = 2 * y - (g.discDiameter - 1);
    if (dx * dx + dy * dy > g.discDiameter * g.discDiameter)
        return IconColour::Transparent;
    const bool horizontalBar = within(y, g.barFirst, g.barLast) && within(x, g.armFirst, g.armLast);
    const bool verticalBar = within(x, g.barFirst, g.barLast) && within(y, g.armFirst, g.armLast);
    return horizontalBar || verticalBar ? IconColour::White : IconColour::Blue;
}

} // namespace form
