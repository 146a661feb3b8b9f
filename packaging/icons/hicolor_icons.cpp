#include "packaging/icons/hicolor_icons.h"

#include <QImageReader>

#include <map>

namespace zelvarin::packaging {

QImage scaleByWholeFactor(const QImage &source, int factor)
{
    if (source.isNull() || factor < 1) {
        return {};
    }
    const QImage argb = source.convertToFormat(QImage::Format_ARGB32);
    QImage result(argb.width() * factor, argb.height() * factor, QImage::Format_ARGB32);
    for (int y = 0; y < result.height(); ++y) {
        const auto *from = reinterpret_cast<const QRgb *>(argb.constScanLine(y / factor));
        auto *to = reinterpret_cast<QRgb *>(result.scanLine(y));
        for (int x = 0; x < result.width(); ++x) {
            to[x] = from[x / factor];
        }
    }
    return result;
}

HicolorIcons hicolorIconsFromIco(const QString &icoPath)
{
    // The format is named, so that a file that is not an ICO fails instead of being read as
    // whatever its content looks like.
    QImageReader reader(icoPath, "ico");
    if (!reader.canRead()) {
        return {
            {},
            QStringLiteral("%1: not a readable ICO file (%2)").arg(icoPath, reader.errorString())};
    }
    std::map<int, QImage> squareImages;
    const int count = reader.imageCount();
    for (int i = 0; i < count; ++i) {
        if (!reader.jumpToImage(i)) {
            return {{}, QStringLiteral("%1: cannot reach image %2").arg(icoPath).arg(i)};
        }
        const QImage image = reader.read();
        if (image.isNull()) {
            return {
                {},
                QStringLiteral("%1: image %2: %3").arg(icoPath).arg(i).arg(reader.errorString())};
        }
        if (image.width() == image.height()) {
            squareImages.emplace(image.width(), image);
        }
    }

    HicolorIcons result;
    for (const HicolorSize &size : kHicolorSizes) {
        const auto found = squareImages.find(size.sourceSize);
        if (found == squareImages.end()) {
            return {{}, QStringLiteral("%1: no %2 x %2 image").arg(icoPath).arg(size.sourceSize)};
        }
        result.icons.push_back({size.size, scaleByWholeFactor(found->second, size.factor)});
    }
    return result;
}

} // namespace zelvarin::packaging
