// The generated pictures are checked the way the windows depend on them: file format, pixel
// size and bit depth read from the headers' bytes, that Qt loads them, and a few coarse
// colour facts that survive a change of fonts.

#include "quiz/question_bank.h"
#include "tests/assets/picture_files.h"

#include <QColor>
#include <QImage>
#include <QImageReader>
#include <QRect>
#include <QString>

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>

namespace {

QString assetPath(const char *name)
{
    return QStringLiteral(ZELVARIN_ASSETS_DIR "/") + QString::fromLatin1(name);
}

int rowBytes(int width, int bitsPerPixel)
{
    return (width * bitsPerPixel + 31) / 32 * 4;
}

// An uncompressed BMP of that size and depth, stored bottom-up (a positive height, as every
// Windows program expects), its pixels right after the header and the palette (none above 8
// bits), and nothing after them.
void expectBmp(const QString &path, int width, int height, std::uint32_t bits)
{
    const QByteArray bytes = readAll(path);
    ASSERT_GE(bytes.size(), 54) << path.toStdString();
    EXPECT_EQ(bytes.left(2), QByteArray("BM"));
    EXPECT_EQ(le32(bytes, 2), static_cast<std::uint32_t>(bytes.size()));
    EXPECT_EQ(le32(bytes, 14), 40u);
    EXPECT_EQ(static_cast<std::int32_t>(le32(bytes, 18)), width);
    EXPECT_EQ(static_cast<std::int32_t>(le32(bytes, 22)), height);
    EXPECT_EQ(le16(bytes, 28), bits);
    EXPECT_EQ(le32(bytes, 30), 0u);
    const std::uint32_t used = le32(bytes, 46);
    const std::uint32_t colours = bits > 8 ? 0 : used == 0 ? 1U << bits : used;
    EXPECT_LE(colours, 256u);
    EXPECT_EQ(le32(bytes, 10), 54 + 4 * colours);
    EXPECT_EQ(bytes.size(), static_cast<int>(54 + 4 * colours) + rowBytes(width, bits) * height);
}

bool isBlue(QRgb pixel)
{
    return qBlue(pixel) > qRed(pixel) + 60 && qBlue(pixel) > 120;
}

bool isDialogFace(QRgb pixel)
{
    return std::abs(qRed(pixel) - 236) < 8 && std::abs(qGreen(pixel) - 233) < 8 &&
           std::abs(qBlue(pixel) - 216) < 8;
}

// ---- the screenshots ----

constexpr int kTurnOffQuestion = 6;

QString screenshotPath(int question)
{
    const std::string_view name =
        zelvarin::QuestionBank[static_cast<std::size_t>(question)].screenshot;
    return QStringLiteral(ZELVARIN_ASSETS_DIR "/") +
           QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

// Each picture has the size the question bank gives it, which the frames' picture boxes take.
class Screenshot : public testing::TestWithParam<int>
{
protected:
    QString path() const { return screenshotPath(GetParam()); }
    int width() const { return bank().screenshotWidth; }
    int height() const { return bank().screenshotHeight; }

private:
    const zelvarin::Question &bank() const
    {
        return zelvarin::QuestionBank[static_cast<std::size_t>(GetParam())];
    }
};

TEST_P(Screenshot, IsAnUncompressed24BitBmpOfTheFrameSize)
{
    expectBmp(path(), width(), height(), 24);
}

TEST_P(Screenshot, LoadsWithABlueTopAndTheBeigeBodyOfXp)
{
    const QImage image(path());
    ASSERT_FALSE(image.isNull());
    ASSERT_EQ(image.size(), QSize(width(), height()));
    // The title bar (or the top band of the Turn off computer window) is blue.
    EXPECT_TRUE(isBlue(image.pixel(image.width() / 2, 12)));
    if (GetParam() == kTurnOffQuestion)
        return;
    // Every other dialog has the beige body below the title bar, down its left margin.
    for (int y = 34; y < image.height() - 6; y += 4)
        EXPECT_TRUE(isDialogFace(image.pixel(6, y))) << "at y " << y;
}

INSTANTIATE_TEST_SUITE_P(Questions, Screenshot, testing::Range(0, zelvarin::kQuestionCount),
                         [](const testing::TestParamInfo<int> &info) {
                             const int q = info.param;
                             return std::string("question_") + (q < 10 ? "0" : "") +
                                    std::to_string(q);
                         });

TEST(Screenshots, AreNotCopiesOfOneAnother)
{
    // Questions 10 and 11 are near-twins, but even they differ in title and button.
    std::set<QByteArray> contents;
    for (int q = 0; q < zelvarin::kQuestionCount; ++q)
        contents.insert(readAll(screenshotPath(q)));
    EXPECT_EQ(contents.size(), std::size_t{zelvarin::kQuestionCount});
}

// ---- the background ----

TEST(Background, IsAJpegOf800By600)
{
    const QByteArray bytes = readAll(assetPath("background.jpg"));
    ASSERT_GT(bytes.size(), 4);
    EXPECT_EQ(bytes.left(3), QByteArray("\xFF\xD8\xFF"));
    EXPECT_EQ(bytes.right(2), QByteArray("\xFF\xD9"));
    QImageReader reader(assetPath("background.jpg"));
    EXPECT_EQ(reader.format(), QByteArray("jpeg"));
    const QImage image = reader.read();
    ASSERT_FALSE(image.isNull()) << reader.errorString().toStdString();
    EXPECT_EQ(image.size(), QSize(800, 600));
}

// Share of the pixels in the area that are dark blue, like the letters of the name.
double darkBlueShare(const QImage &image, const QRect &area)
{
    int dark = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb p = image.pixel(x, y);
            if (qBlue(p) > qRed(p) + 40 && qMax(qRed(p), qGreen(p)) < 90)
                ++dark;
        }
    }
    return static_cast<double>(dark) / (area.width() * area.height());
}

TEST(Background, RunsFromBlueTopLeftToRedBottomRight)
{
    const QImage image(assetPath("background.jpg"));
    ASSERT_FALSE(image.isNull());
    const QRgb topLeft = image.pixel(5, 5);
    const QRgb bottomRight = image.pixel(794, 594);
    EXPECT_GT(qBlue(topLeft), qRed(topLeft) + 60);
    EXPECT_GT(qRed(bottomRight), qBlue(bottomRight) + 80);
}

TEST(Background, ShowsTheNameWhereTheWindowLeavesRoomForIt)
{
    const QImage image(assetPath("background.jpg"));
    ASSERT_FALSE(image.isNull());
    EXPECT_GT(darkBlueShare(image, QRect(65, 250, 625, 85)), 0.2);
    // Above and below the name the picture is only gradient and light.
    EXPECT_LT(darkBlueShare(image, QRect(150, 350, 500, 60)), 0.01);
    EXPECT_LT(darkBlueShare(image, QRect(150, 170, 500, 60)), 0.01);
}

// ---- the application icon ----

// The standard 16-colour palette, as blue, green, red bytes.
constexpr std::array<std::uint32_t, 16> kStandardColours = {
    0x000000, 0x800000, 0x008000, 0x808000, 0x000080, 0x800080, 0x008080, 0xC0C0C0,
    0x808080, 0xFF0000, 0x00FF00, 0xFFFF00, 0x0000FF, 0xFF00FF, 0x00FFFF, 0xFFFFFF,
};

TEST(ApplicationIcon, HoldsA32AndA16Image4BitsEachIn1078Bytes)
{
    const QByteArray bytes = readAll(assetPath("zelvarin.ico"));
    ASSERT_EQ(bytes.size(), 1078);
    EXPECT_EQ(le16(bytes, 0), 0u);
    EXPECT_EQ(le16(bytes, 2), 1u); // icon
    ASSERT_EQ(le16(bytes, 4), 2u);

    std::uint32_t expectedOffset = 6 + 2 * 16;
    const std::array<int, 2> sides = {32, 16};
    for (int i = 0; i < 2; ++i) {
        const int entry = 6 + 16 * i;
        const int side = sides[static_cast<std::size_t>(i)];
        SCOPED_TRACE(side);
        EXPECT_EQ(byteAt(bytes, entry), static_cast<std::uint32_t>(side));
        EXPECT_EQ(byteAt(bytes, entry + 1), static_cast<std::uint32_t>(side));
        EXPECT_EQ(byteAt(bytes, entry + 2), 16u);
        EXPECT_EQ(le16(bytes, entry + 4), 1u);
        EXPECT_EQ(le16(bytes, entry + 6), 4u);
        const std::uint32_t size = le32(bytes, entry + 8);
        const std::uint32_t offset = le32(bytes, entry + 12);
        // Header, palette, 4-bit colour rows and 1-bit mask rows, rows padded to 4 bytes.
        EXPECT_EQ(size, static_cast<std::uint32_t>(40 + 64 + rowBytes(side, 4) * side +
                                                   rowBytes(side, 1) * side));
        EXPECT_EQ(offset, expectedOffset);
        expectedOffset = offset + size;

        const auto info = static_cast<int>(offset);
        EXPECT_EQ(le32(bytes, info), 40u);
        EXPECT_EQ(le32(bytes, info + 4), static_cast<std::uint32_t>(side));
        EXPECT_EQ(le32(bytes, info + 8), static_cast<std::uint32_t>(2 * side)); // with mask
        EXPECT_EQ(le16(bytes, info + 12), 1u);
        EXPECT_EQ(le16(bytes, info + 14), 4u);
        EXPECT_EQ(le32(bytes, info + 16), 0u);
        for (int c = 0; c < 16; ++c) {
            const int at = info + 40 + 4 * c;
            const std::uint32_t rgb =
                byteAt(bytes, at + 2) << 16 | byteAt(bytes, at + 1) << 8 | byteAt(bytes, at);
            EXPECT_EQ(rgb, kStandardColours[static_cast<std::size_t>(c)]) << "colour " << c;
        }
    }
    EXPECT_EQ(expectedOffset, 1078u);
}

int countColour(const QImage &image, QRgb colour)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            n += image.pixel(x, y) == colour ? 1 : 0;
    }
    return n;
}

TEST(ApplicationIcon, LoadsAsAComputerWithACyanScreenOnAClearGround)
{
    QImageReader reader(assetPath("zelvarin.ico"));
    const std::vector<QImage> images = allImages(reader);
    ASSERT_EQ(images.size(), 2u) << reader.errorString().toStdString();
    EXPECT_EQ(images[0].size(), QSize(32, 32));
    EXPECT_EQ(images[1].size(), QSize(16, 16));
    for (const QImage &image : images) {
        SCOPED_TRACE(image.width());
        // The mask clears the corners and keeps the middle of the screen.
        EXPECT_EQ(qAlpha(image.pixel(0, 0)), 0);
        EXPECT_EQ(qAlpha(image.pixel(image.width() - 1, 0)), 0);
        EXPECT_EQ(qAlpha(image.pixel(image.width() / 2, image.height() / 4)), 255);
        EXPECT_GT(countColour(image, qRgb(0, 128, 128)), image.width() / 2); // dark-cyan screen
        EXPECT_GT(countColour(image, qRgb(192, 192, 192)), image.width());   // light-grey case
    }
    EXPECT_GT(countColour(images[0], qRgb(0, 255, 0)), 0); // the power light
}

// ---- the marker faces ----

class MarkerFace : public testing::TestWithParam<const char *>
{
protected:
    QString path() const
    {
        return assetPath("faces/") + QString::fromLatin1(GetParam()) + QStringLiteral(".bmp");
    }
};

TEST_P(MarkerFace, IsAn8BitBmpWithAPaletteOf80By90)
{
    expectBmp(path(), 80, 90, 8);
}

TEST_P(MarkerFace, IsAYellowFaceOnWhite)
{
    const QImage image(path());
    ASSERT_FALSE(image.isNull());
    EXPECT_EQ(image.format(), QImage::Format_Indexed8);
    ASSERT_EQ(image.size(), QSize(80, 90));
    for (const QPoint corner : {QPoint(0, 0), QPoint(79, 0), QPoint(0, 89), QPoint(79, 89)})
        EXPECT_EQ(image.pixel(corner), qRgb(255, 255, 255)) << corner.x() << "," << corner.y();
    // The forehead, between the eyebrows.
    const QRgb forehead = image.pixel(40, 22);
    EXPECT_GT(qRed(forehead), 200);
    EXPECT_GT(qGreen(forehead), 170);
    EXPECT_LT(qBlue(forehead), 120);
}

INSTANTIATE_TEST_SUITE_P(Faces, MarkerFace, testing::Values("neutral", "right", "wrong"),
                         [](const testing::TestParamInfo<const char *> &info) {
                             return std::string(info.param);
                         });

TEST(MarkerFaces, AreThreeDifferentPictures)
{
    const QImage neutral(assetPath("faces/neutral.bmp"));
    const QImage right(assetPath("faces/right.bmp"));
    const QImage wrong(assetPath("faces/wrong.bmp"));
    const auto rgb = [](const QImage &i) { return i.convertToFormat(QImage::Format_RGB32); };
    EXPECT_NE(rgb(neutral), rgb(right));
    EXPECT_NE(rgb(neutral), rgb(wrong));
    EXPECT_NE(rgb(right), rgb(wrong));
}

} // namespace
