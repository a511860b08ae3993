#include "IcoFile.h"

#include <QBuffer>
#include <QtEndian>
#include <array>

#include "app/qt/ProgramIcon.h"
#include "form/IconPixels.h"

namespace {

// Black, maroon, green, olive, navy, purple, teal, silver, grey, red, lime, yellow, blue,
// fuchsia, aqua, white: the order every 16-colour bitmap assumes.
constexpr std::array<std::array<unsigned char, 3>, 16> kPalette{{
    {0, 0, 0},
    {128, 0, 0},
    {0, 128, 0},
    {128, 128, 0},
    {0, 0, 128},
    {128, 0, 128},
    {0, 128, 128},
    {192, 192, 192},
    {128, 128, 128},
    {255, 0, 0},
    {0, 255, 0},
    {255, 255, 0},
    {0, 0, 255},
    {255, 0, 255},
    {0, 255, 255},
    {255, 255, 255},
}};
constexpr int kBlue = 12;
constexpr int kWhite = 15;
constexpr int kHeaderSize = 40;

void put16(QByteArray& out, quint16 value) {
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

void put32(QByteArray& out, quint32 value) {
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

int rowBytes(int bits) {
    return ((bits + 31) / 32) * 4;
}

int paletteIndex(form::IconColour colour) {
    return colour == form::IconColour::White ? kWhite
                                             : (colour == form::IconColour::Blue ? kBlue : 0);
}

QByteArray bitmap(int size) {
    const int colourRow = rowBytes(size * 4);
    const int maskRow = rowBytes(size);
    QByteArray out;
    put32(out, kHeaderSize);
    put32(out, size);
    put32(out, size * 2); // colour image and mask, stacked
    put16(out, 1);
    put16(out, 4);
    put32(out, 0);
    put32(out, (colourRow + maskRow) * size);
    put32(out, 0);
    put32(out, 0);
    put32(out, 16);
    put32(out, 0);
    for (const auto& rgb : kPalette) {
        out.append(char(rgb[2])).append(char(rgb[1])).append(char(rgb[0])).append('\0');
    }
    // Bitmaps run bottom-up.
    for (int y = size - 1; y >= 0; --y) {
        QByteArray row(colourRow, '\0');
        for (int x = 0; x < size; ++x) {
            const int index = paletteIndex(form::iconPixel(size, x, y));
            row[x / 2] = char(row[x / 2] | (x % 2 ? index : index << 4));
        }
        out.append(row);
    }
    for (int y = size - 1; y >= 0; --y) {
        QByteArray row(maskRow, '\0');
        for (int x = 0; x < size; ++x) {
            if (form::iconPixel(size, x, y) == form::IconColour::Transparent)
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        }
        out.append(row);
    }
    return out;
}

// Sizes from 256 up are stored as PNG, which Windows reads there and which keeps the file small.
constexpr int kPngFrom = 256;

QByteArray png(int size) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    app::qt::programIconImage(size).convertToFormat(QImage::Format_ARGB32).save(&buffer, "PNG");
    return bytes;
}

} // namespace

QByteArray icoFile(std::span<const int> sizes) {
    QList<QByteArray> images;
    for (int size : sizes)
        images.append(size >= kPngFrom ? png(size) : bitmap(size));
    QByteArray out;
    put16(out, 0);
    put16(out, 1); // an icon, not a cursor
    put16(out, quint16(images.size()));
    quint32 offset = 6 + 16 * quint32(images.size());
    auto size = sizes.begin();
    for (const QByteArray& image : images) {
        const bool isPng = *size >= kPngFrom;
        // 256 is written 0, as the one byte cannot hold it.
        const char side = char(*size % 256);
        out.append(side).append(side).append(char(isPng ? 0 : 16)).append('\0');
        put16(out, 1);
        put16(out, isPng ? 32 : 4);
        put32(out, quint32(image.size()));
        put32(out, offset);
        offset += quint32(image.size());
        ++size;
    }
    for (const QByteArray& image : images)
        out.append(image);
    return out;
}
