// The generator's hand-made parts, by round trip: what they write is read back by Qt and
// must give the pixels they were handed.

#include "tests/assets/picture_files.h"
#include "tools/artwork/app_icon.h"
#include "tools/artwork/bmp8.h"
#include "tools/artwork/icon_file.h"

#include <QBuffer>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <limits>
#include <set>
#include <vector>

using namespace zelvarin::artwork;

namespace {

// A pattern that uses every palette colour and leaves scattered pixels see-through.
IconImage patternIcon(int width, int height)
{
    IconImage image;
    image.width = width;
    image.height = height;
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            image.indices.push_back(static_cast<std::uint8_t>((x + 3 * y) % 16));
            image.transparent.push_back((x * y + x) % 7 == 0);
        }
    }
    return image;
}

std::vector<QImage> readIcon(QByteArray bytes)
{
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "ico");
    return allImages(reader);
}

void expectSamePixels(const IconImage &written, const QImage &read)
{
    ASSERT_EQ(read.size(), QSize(written.width, written.height));
    for (int y = 0; y < written.height; ++y) {
        for (int x = 0; x < written.width; ++x) {
            const auto i = static_cast<std::size_t>(y) * written.width + x;
            const QRgb pixel = read.pixel(x, y);
            if (written.transparent[i]) {
                EXPECT_EQ(qAlpha(pixel), 0) << x << "," << y;
            } else {
                EXPECT_EQ(qAlpha(pixel), 255) << x << "," << y;
                EXPECT_EQ(pixel & 0xFFFFFF, kStandardPalette[written.indices[i]]) << x << "," << y;
            }
        }
    }
}

TEST(IconWriter, RoundTripsBothImagesPixelForPixel)
{
    const std::vector<IconImage> images = {patternIcon(32, 32), patternIcon(16, 16)};
    const IconFileResult file = encodeIcon4(images);
    ASSERT_TRUE(file.error.isEmpty()) << file.error.toStdString();
    EXPECT_EQ(file.bytes.size(), 1078);
    const std::vector<QImage> read = readIcon(file.bytes);
    ASSERT_EQ(read.size(), 2u);
    expectSamePixels(images[0], read[0]);
    expectSamePixels(images[1], read[1]);
}

TEST(IconWriter, PadsRowsThatAreNotWholeWords)
{
    // 20 pixels: 10 colour bytes and 3 mask bytes a row, both padded to a multiple of 4.
    const std::vector<IconImage> images = {patternIcon(20, 20)};
    const IconFileResult file = encodeIcon4(images);
    ASSERT_TRUE(file.error.isEmpty());
    EXPECT_EQ(file.bytes.size(), 6 + 16 + 40 + 64 + 12 * 20 + 4 * 20);
    EXPECT_EQ(le32(file.bytes, 6 + 8), static_cast<std::uint32_t>(file.bytes.size() - 22));
    const std::vector<QImage> read = readIcon(file.bytes);
    ASSERT_EQ(read.size(), 1u);
    expectSamePixels(images[0], read[0]);
}

TEST(IconWriter, RefusesWhatItCannotStore)
{
    IconImage tooManyColours = patternIcon(16, 16);
    tooManyColours.indices[5] = 16;
    IconImage shortOfPixels = patternIcon(16, 16);
    shortOfPixels.transparent.pop_back();
    for (const auto &images : {std::vector<IconImage>{}, std::vector{tooManyColours},
                               std::vector{shortOfPixels}, std::vector{IconImage{}}}) {
        const IconFileResult file = encodeIcon4(images);
        EXPECT_FALSE(file.error.isEmpty());
        EXPECT_TRUE(file.bytes.isEmpty());
    }
}

TEST(IconArt, MapsCharactersToPaletteColoursAndDotsToClearPixels)
{
    QString error;
    const IconImage image = iconFromRows({".Kt", "GW."}, error);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    ASSERT_EQ(image.width, 3);
    ASSERT_EQ(image.height, 2);
    EXPECT_EQ(image.transparent, (std::vector<bool>{true, false, false, false, false, true}));
    EXPECT_EQ(kStandardPalette[image.indices[1]], 0x000000u); // K: black
    EXPECT_EQ(kStandardPalette[image.indices[2]], 0x008080u); // t: dark cyan
    EXPECT_EQ(kStandardPalette[image.indices[3]], 0x00FF00u); // G: green
    EXPECT_EQ(kStandardPalette[image.indices[4]], 0xFFFFFFu); // W: white
}

TEST(IconArt, ReportsRaggedRowsAndUnknownLetters)
{
    QString error;
    EXPECT_EQ(iconFromRows({"KKK", "KK"}, error).width, 0);
    EXPECT_FALSE(error.isEmpty());
    error.clear();
    EXPECT_EQ(iconFromRows({"KxK"}, error).width, 0);
    EXPECT_FALSE(error.isEmpty());
}

TEST(IconArt, TheApplicationIconIsA32AndA16Image)
{
    QString error;
    const std::vector<IconImage> images = applicationIcon(error);
    ASSERT_TRUE(error.isEmpty()) << error.toStdString();
    ASSERT_EQ(images.size(), 2u);
    EXPECT_EQ(images[0].width, 32);
    EXPECT_EQ(images[0].height, 32);
    EXPECT_EQ(images[1].width, 16);
    EXPECT_EQ(images[1].height, 16);
    EXPECT_EQ(encodeIcon4(images).bytes.size(), 1078);
}

// ---- the 8-bit BMP ----

QImage fewColours()
{
    QImage image(13, 7, QImage::Format_RGB32);
    const QRgb colours[5] = {qRgb(255, 255, 255), qRgb(250, 210, 30), qRgb(200, 0, 20),
                             qRgb(90, 45, 0), qRgb(1, 2, 3)};
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y, colours[(x * x + y) % 5]);
    }
    return image;
}

TEST(Bmp8Writer, RoundTripsAFewColoursExactly)
{
    const QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("few.bmp"));
    const QImage original = fewColours();
    ASSERT_TRUE(saveBmp8(original, path).isEmpty());

    const QByteArray bytes = readAll(path);
    ASSERT_GE(bytes.size(), 54);
    EXPECT_EQ(le16(bytes, 28), 8u);
    EXPECT_EQ(le32(bytes, 10), 54u + 4 * 256); // the full palette precedes the pixels
    // Odd width: each 13-byte row is padded to 16.
    EXPECT_EQ(bytes.size(), 54 + 4 * 256 + 16 * 7);

    const QImage read(path);
    ASSERT_EQ(read.size(), original.size());
    EXPECT_EQ(read.convertToFormat(QImage::Format_RGB32), original);
}

int distinctColours(const QImage &image)
{
    std::set<QRgb> colours;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            colours.insert(image.pixel(x, y));
    }
    return static_cast<int>(colours.size());
}

int distance(QRgb a, QRgb b)
{
    const int r = qRed(a) - qRed(b);
    const int g = qGreen(a) - qGreen(b);
    const int bl = qBlue(a) - qBlue(b);
    return r * r + g * g + bl * bl;
}

TEST(Bmp8Writer, KeepsTheCommonColoursAndMapsRareOnesToTheNearestEntry)
{
    // A white picture with 400 single-pixel colours: more than a palette holds.
    QImage image(40, 40, QImage::Format_RGB32);
    image.fill(Qt::white);
    for (int i = 0; i < 400; ++i)
        image.setPixel(i % 40, i / 40, qRgb(i % 256, 20 + 100 * (i / 256), (i * 7) % 256));
    ASSERT_GT(distinctColours(image), 256);

    const QImage indexed = toPalette8(image);
    ASSERT_EQ(indexed.format(), QImage::Format_Indexed8);
    ASSERT_LE(indexed.colorCount(), 256);
    EXPECT_EQ(indexed.pixel(39, 39), qRgb(255, 255, 255));
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            int best = std::numeric_limits<int>::max();
            for (const QRgb entry : indexed.colorTable())
                best = std::min(best, distance(entry, image.pixel(x, y)));
            EXPECT_EQ(distance(indexed.pixel(x, y), image.pixel(x, y)), best) << x << "," << y;
        }
    }
    // Chosen by count and colour value only, so drawing it twice gives the same palette.
    EXPECT_EQ(toPalette8(image).colorTable(), indexed.colorTable());
}

} // namespace
