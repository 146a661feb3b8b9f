#pragma once

#include <QImage>
#include <QString>

#include <array>
#include <vector>

namespace zelvarin::packaging {

// One icon of the hicolor theme: which image of the application icon it is drawn from and by
// which whole factor that image is enlarged.
struct HicolorSize
{
    int size;
    int sourceSize;
    int factor;
};

// The icon file holds a 32 x 32 and a 16 x 16 image. Every larger size is a whole multiple
// of one of them, so that each source pixel becomes a square block and the pixel art stays
// sharp: 48 is only reachable from 16 (32 x 1.5 would blur or drop pixels).
inline constexpr std::array<HicolorSize, 6> kHicolorSizes{{
    {16, 16, 1},
    {32, 32, 1},
    {48, 16, 3},
    {64, 32, 2},
    {128, 32, 4},
    {256, 32, 8},
}};

struct HicolorIcon
{
    int size;
    QImage image;
};

// Either every icon of kHicolorSizes, in that order, or an error text and no icon.
struct HicolorIcons
{
    std::vector<HicolorIcon> icons;
    QString error;
};

// Nearest-neighbour enlargement by a whole factor: pixel (x, y) of the result is pixel
// (x / factor, y / factor) of the source, so no new colour appears.
QImage scaleByWholeFactor(const QImage &source, int factor);

// Reads the images of an ICO file and draws the hicolor icons from its 16 and 32 px images.
HicolorIcons hicolorIconsFromIco(const QString &icoPath);

} // namespace zelvarin::packaging
