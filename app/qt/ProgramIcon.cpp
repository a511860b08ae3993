#include "ProgramIcon.h"

#include <cstring>

#include "form/IconPixels.h"

namespace app::qt {

QImage programIconImage(int size) {
    QImage image(size, size, QImage::Format_Indexed8);
    image.setColorTable({qRgba(0, 0, 0, 0), qRgb(0, 0, 255), qRgb(255, 255, 255)});
    // The window builds every size at start: the drawn size is asked pixel by pixel, a larger one
    // repeats its pixels row by row.
    const int drawn = size % 32 == 0 ? 32 : 16;
    const int scale = size / drawn;
    for (int y = 0; y < size; y += scale) {
        uchar* row = image.scanLine(y);
        for (int x = 0; x < drawn; ++x)
            std::memset(row + x * scale, static_cast<int>(form::iconPixel(drawn, x, y / scale)),
                        static_cast<std::size_t>(scale));
        for (int copy = 1; copy < scale; ++copy)
            std::memcpy(image.scanLine(y + copy), row, static_cast<std::size_t>(size));
    }
    return image;
}

QIcon programIcon() {
    QIcon icon;
    for (const int size : form::kIconSizes)
        icon.addPixmap(QPixmap::fromImage(programIconImage(size)));
    return icon;
}

QByteArray programIconSvg() {
    // One square per run of equal pixels in a row of the 32-pixel image, drawn without smoothing.
    constexpr int kSize = 32;
    QByteArray svg = "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"32\" height=\"32\" "
                     "viewBox=\"0 0 32 32\" shape-rendering=\"crispEdges\">\n";
    for (int y = 0; y < kSize; ++y) {
        for (int x = 0; x < kSize;) {
            const form::IconColour colour = form::iconPixel(kSize, x, y);
            int end = x + 1;
            while (end < kSize && form::iconPixel(kSize, end, y) == colour)
                ++end;
            if (colour != form::IconColour::Transparent) {
                svg += QStringLiteral(
                           "<rect x=\"%1\" y=\"%2\" width=\"%3\" height=\"1\" fill=\"%4\"/>\n")
                           .arg(x)
                           .arg(y)
                           .arg(end - x)
                           .arg(colour == form::IconColour::Blue ? "#0000ff" : "#ffffff")
                           .toLatin1();
            }
            x = end;
        }
    }
    return svg + "</svg>\n";
}

} // namespace app::qt
