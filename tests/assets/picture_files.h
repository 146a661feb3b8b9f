#pragma once

#include <QByteArray>
#include <QFile>
#include <QImage>
#include <QImageReader>

#include <cstdint>
#include <vector>

// A file's bytes, or none.
inline QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// Fields of BMP and ICO headers, read straight from the file's bytes.
inline std::uint32_t le16(const QByteArray &bytes, int offset)
{
    return static_cast<std::uint8_t>(bytes.at(offset)) |
           static_cast<std::uint32_t>(static_cast<std::uint8_t>(bytes.at(offset + 1))) << 8;
}

inline std::uint32_t le32(const QByteArray &bytes, int offset)
{
    return le16(bytes, offset) | le16(bytes, offset + 2) << 16;
}

inline std::uint32_t byteAt(const QByteArray &bytes, int offset)
{
    return static_cast<std::uint8_t>(bytes.at(offset));
}

// Every image the reader finds (an ICO file holds several), as 32-bit ARGB.
inline std::vector<QImage> allImages(QImageReader &reader)
{
    std::vector<QImage> images;
    do {
        const QImage image = reader.read();
        if (image.isNull())
            break;
        images.push_back(image.convertToFormat(QImage::Format_ARGB32));
    } while (reader.jumpToNextImage());
    return images;
}
