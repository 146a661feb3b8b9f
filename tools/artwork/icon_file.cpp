#include "tools/artwork/icon_file.h"

#include <QtEndian>

// Written by hand because Qt's own ICO writer always stores 32-bit images, and the
// application icon must be the classic 16-colour kind that every Windows version shows.
namespace zelvarin::artwork {

const std::uint32_t kStandardPalette[16] = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};

namespace {

constexpr int kHeaderSize = 6;
constexpr int kEntrySize = 16;
constexpr int kInfoHeaderSize = 40;
constexpr int kPaletteSize = 16 * 4;

// Rows of a device-independent bitmap are padded to whole 32-bit words.
int rowBytes(int width, int bitsPerPixel)
{
    return (width * bitsPerPixel + 31) / 32 * 4;
}

void put16(QByteArray &out, std::uint16_t value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

void put32(QByteArray &out, std::uint32_t value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

int imageSize(const IconImage &image)
{
    return kInfoHeaderSize + kPaletteSize + rowBytes(image.width, 4) * image.height +
           rowBytes(image.width, 1) * image.height;
}

QString checkImage(const IconImage &image)
{
    if (image.width < 1 || image.width > 256 || image.height < 1 || image.height > 256)
        return QStringLiteral("icon image size %1 x %2 is outside 1..256")
            .arg(image.width)
            .arg(image.height);
    const auto pixels = static_cast<std::size_t>(image.width) * image.height;
    if (image.indices.size() != pixels || image.transparent.size() != pixels)
        return QStringLiteral("icon image %1 x %2 does not hold %3 pixels")
            .arg(image.width)
            .arg(image.height)
            .arg(pixels);
    for (const std::uint8_t index : image.indices) {
        if (index > 15)
            return QStringLiteral("palette index %1 is beyond the 16 colours").arg(index);
    }
    return {};
}

// The bitmap part of one image: header, palette, colour rows and mask rows, bottom row first.
void appendBitmap(QByteArray &out, const IconImage &image)
{
    const int xorRow = rowBytes(image.width, 4);
    const int andRow = rowBytes(image.width, 1);
    put32(out, kInfoHeaderSize);
    put32(out, static_cast<std::uint32_t>(image.width));
    // The height counts the colour rows and the mask rows together.
    put32(out, static_cast<std::uint32_t>(image.height * 2));
    put16(out, 1);
    put16(out, 4);
    put32(out, 0); // no compression
    put32(out, static_cast<std::uint32_t>((xorRow + andRow) * image.height));
    put32(out, 0);
    put32(out, 0);
    put32(out, 0); // colours used: all 16
    put32(out, 0);
    for (const std::uint32_t rgb : kStandardPalette) {
        out.append(static_cast<char>(rgb & 0xFF));
        out.append(static_cast<char>((rgb >> 8) & 0xFF));
        out.append(static_cast<char>((rgb >> 16) & 0xFF));
        out.append('\0');
    }
    for (int y = image.height - 1; y >= 0; --y) {
        QByteArray row(xorRow, '\0');
        for (int x = 0; x < image.width; ++x) {
            const auto i = static_cast<std::size_t>(y) * image.width + x;
            // A see-through pixel keeps colour 0, so the screen shows through unchanged.
            const int index = image.transparent[i] ? 0 : image.indices[i];
            row[x / 2] = static_cast<char>(row[x / 2] | (x % 2 == 0 ? index << 4 : index));
        }
        out.append(row);
    }
    for (int y = image.height - 1; y >= 0; --y) {
        QByteArray row(andRow, '\0');
        for (int x = 0; x < image.width; ++x) {
            if (image.transparent[static_cast<std::size_t>(y) * image.width + x])
                row[x / 8] = static_cast<char>(row[x / 8] | (0x80 >> (x % 8)));
        }
        out.append(row);
    }
}

} // namespace

IconFileResult encodeIcon4(const std::vector<IconImage> &images)
{
    if (images.empty())
        return {{}, QStringLiteral("an icon file needs at least one image")};
    for (const IconImage &image : images) {
        if (QString error = checkImage(image); !error.isEmpty())
            return {{}, error};
    }

    QByteArray out;
    put16(out, 0);
    put16(out, 1); // an icon, not a cursor
    put16(out, static_cast<std::uint16_t>(images.size()));
    int offset = kHeaderSize + kEntrySize * static_cast<int>(images.size());
    for (const IconImage &image : images) {
        // A size of 256 is written as 0 in the one-byte fields.
        out.append(static_cast<char>(image.width & 0xFF));
        out.append(static_cast<char>(image.height & 0xFF));
        out.append(static_cast<char>(16));
        out.append('\0');
        put16(out, 1);
        put16(out, 4);
        put32(out, static_cast<std::uint32_t>(imageSize(image)));
        put32(out, static_cast<std::uint32_t>(offset));
        offset += imageSize(image);
    }
    for (const IconImage &image : images)
        appendBitmap(out, image);
    return {out, {}};
}

} // namespace zelvarin::artwork
