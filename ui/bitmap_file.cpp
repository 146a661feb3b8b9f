#include "ui/bitmap_file.h"

#include <QResource>

namespace zelvarin::ui {

namespace {

quint32 le32(const uchar *p)
{
    return quint32(p[0]) | (quint32(p[1]) << 8U) | (quint32(p[2]) << 16U) | (quint32(p[3]) << 24U);
}

quint16 le16(const uchar *p)
{
    return static_cast<quint16>(p[0] | (p[1] << 8U));
}

} // namespace

Picture viewBgrBitmap(const uchar *data, qsizetype size)
{
    constexpr qsizetype kFileHeader = 14;
    constexpr qsizetype kInfoHeader = 40;
    if (data == nullptr || size < kFileHeader + kInfoHeader || data[0] != 'B' || data[1] != 'M')
        return {};
    const uchar *info = data + kFileHeader;
    const quint32 pixelsAt = le32(data + 10);
    const auto width = static_cast<qint32>(le32(info + 4));
    const auto height = static_cast<qint32>(le32(info + 8));
    const bool plain24 = le32(info) >= kInfoHeader && le16(info + 12) == 1 &&
                         le16(info + 14) == 24 && le32(info + 16) == 0; // BI_RGB
    // Only bottom-up rows (positive height), each padded to four bytes.
    if (!plain24 || width <= 0 || height <= 0 || width > 0x4000 || height > 0x4000)
        return {};
    const qsizetype stride = ((qsizetype{width} * 3 + 3) / 4) * 4;
    if (pixelsAt < kFileHeader + kInfoHeader || pixelsAt > quint32(size) ||
        qsizetype{height} * stride > size - qsizetype{pixelsAt})
        return {};
    // A read-only image over the bytes: nothing is copied until something writes to it.
    return {QImage(data + pixelsAt, width, height, stride, QImage::Format_BGR888), true};
}

Picture loadPicture(const QString &resourcePath)
{
    // Uncompressed resource data is part of the program's image and lives as long as it.
    const QResource resource(resourcePath);
    if (resource.isValid() && resource.compressionAlgorithm() == QResource::NoCompression) {
        Picture picture = viewBgrBitmap(resource.data(), resource.size());
        if (!picture.rows.isNull())
            return picture;
    }
    return {QImage(resourcePath), false};
}

} // namespace zelvarin::ui
