#pragma once

#include <QByteArray>
#include <QIcon>
#include <QImage>

// The program icon's pixels (form/IconPixels.h) as Qt images: the window's icon, and what the icon
// writer saves as the desktop's PNGs and SVG.

namespace app::qt {

// A palette image (indexed: transparent, blue, white) of `size` pixels square.
QImage programIconImage(int size);

QIcon programIcon();

// The 32-pixel image as a scalable SVG made of the same pixel squares.
QByteArray programIconSvg();

} // namespace app::qt
