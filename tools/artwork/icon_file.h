#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <vector>

namespace zelvarin::artwork {

// One image of a 16-colour icon: a palette index 0..15 per pixel, row by row from the top,
// and whether the pixel is see-through.
struct IconImage
{
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> indices;
    std::vector<bool> transparent;
};

// The standard 16-colour palette (black, maroon, green, olive, navy, purple, teal, silver,
// grey, red, lime, yellow, blue, fuchsia, aqua, white), as 0xRRGGBB.
extern const std::uint32_t kStandardPalette[16];

struct IconFileResult
{
    QByteArray bytes;
    QString error; // empty when bytes holds a whole file
};

// An .ico file holding the images in the given order, each stored with 4 bits per pixel,
// the standard palette and a 1-bit transparency mask.
IconFileResult encodeIcon4(const std::vector<IconImage> &images);

} // namespace zelvarin::artwork
