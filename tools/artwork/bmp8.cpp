#include "tools/artwork/bmp8.h"

#include <QHash>
#include <QImageWriter>

#include <algorithm>
#include <limits>
#include <vector>

// Qt's BMP writer already stores an indexed image as 8 bits per pixel with its palette; what
// it lacks is a palette chosen deterministically for drawings with anti-aliased edges (its
// own conversion falls back to a fixed colour cube once there are more than 256 colours),
// so only the choice of the palette and the nearest-colour mapping are done here.
namespace zelvarin::artwork {

namespace {

// The entry closest to the colour in plain RGB distance; the first of equals wins.
uchar nearestEntry(const QList<QRgb> &palette, QRgb colour)
{
    int best = 0;
    int bestDistance = std::numeric_limits<int>::max();
    for (int i = 0; i < palette.size(); ++i) {
        const int r = qRed(palette[i]) - qRed(colour);
        const int g = qGreen(palette[i]) - qGreen(colour);
        const int b = qBlue(palette[i]) - qBlue(colour);
        const int distance = r * r + g * g + b * b;
        if (distance < bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return static_cast<uchar>(best);
}

} // namespace

QImage toPalette8(const QImage &image)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, int> counts;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            ++counts[line[x] | 0xFF000000u];
    }

    std::vector<std::pair<QRgb, int>> byCount(counts.constKeyValueBegin(),
                                              counts.constKeyValueEnd());
    std::sort(byCount.begin(), byCount.end(), [](const auto &a, const auto &b) {
        return a.second != b.second ? a.second > b.second : a.first < b.first;
    });
    QList<QRgb> palette;
    for (std::size_t i = 0; i < byCount.size() && i < 256; ++i)
        palette.append(byCount[i].first);
    // A full table keeps the file the classic 256-colour kind even for a plain picture.
    while (palette.size() < 256)
        palette.append(qRgb(0, 0, 0));

    QImage indexed(rgb.size(), QImage::Format_Indexed8);
    indexed.setColorTable(palette);
    QHash<QRgb, uchar> nearest;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        uchar *out = indexed.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb colour = in[x] | 0xFF000000u;
            auto found = nearest.constFind(colour);
            if (found == nearest.constEnd())
                found = nearest.insert(colour, nearestEntry(palette, colour));
            out[x] = *found;
        }
    }
    indexed.setDotsPerMeterX(image.dotsPerMeterX());
    indexed.setDotsPerMeterY(image.dotsPerMeterY());
    return indexed;
}

QString saveBmp8(const QImage &image, const QString &path)
{
    QImageWriter writer(path, "bmp");
    if (!writer.write(toPalette8(image)))
        return QStringLiteral("cannot write %1: %2").arg(path, writer.errorString());
    return {};
}

} // namespace zelvarin::artwork
