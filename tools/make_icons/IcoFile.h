#pragma once

#include <QByteArray>
#include <span>

// The program icon as a Windows .ico file: one 4-bit image with an AND mask per size, in the
// standard 16-colour palette (blue is entry 12, white entry 15); 256 pixels as a PNG.
QByteArray icoFile(std::span<const int> sizes);
