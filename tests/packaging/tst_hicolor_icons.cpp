// The hicolor icons drawn from the application icon: every size, whole-factor blocks of the
// icon's own pixels, the same images in the icon of the Windows program, and an error instead
// of a half set when the icon file is unusable.
#include "packaging/icons/hicolor_icons.h"
#include "tests/assets/picture_files.h"

#include <QImageReader>
#include <QImageWriter>
#include <QSet>
#include <QTemporaryDir>
#include <QTest>

using zelvarin::packaging::HicolorIcons;
using zelvarin::packaging::hicolorIconsFromIco;
using zelvarin::packaging::kHicolorSizes;
using zelvarin::packaging::scaleByWholeFactor;

namespace {

QString icoPath()
{
    return QStringLiteral(ZELVARIN_ICO_PATH);
}

// The image of the given size in an ICO file, read here without the code under test.
QImage icoImage(int size, const QString &path = icoPath())
{
    QImageReader reader(path, "ico");
    for (const QImage &image : allImages(reader)) {
        if (image.size() == QSize(size, size))
            return image;
    }
    return {};
}

// The first pixel of big that is not the pixel of source it enlarges by factor, or none.
QString firstPixelNotEnlarged(const QImage &big, const QImage &source, int factor)
{
    for (int y = 0; y < big.height(); ++y) {
        for (int x = 0; x < big.width(); ++x) {
            if (big.pixel(x, y) != source.pixel(x / factor, y / factor))
                return QStringLiteral("pixel (%1, %2) is not the icon's pixel (%3, %4)")
                    .arg(x)
                    .arg(y)
                    .arg(x / factor)
                    .arg(y / factor);
        }
    }
    return {};
}

} // namespace

class TestHicolorIcons : public QObject
{
    Q_OBJECT

private slots:
    void everySizeIsABlockCopyOfTheIcon_data()
    {
        QTest::addColumn<int>("index");
        for (int i = 0; i < int(kHicolorSizes.size()); ++i)
            QTest::addRow("%dpx", kHicolorSizes.at(i).size) << i;
    }
    void everySizeIsABlockCopyOfTheIcon()
    {
        QFETCH(int, index);
        const auto &wanted = kHicolorSizes.at(index);
        const HicolorIcons result = hicolorIconsFromIco(icoPath());
        QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
        QCOMPARE(result.icons.size(), kHicolorSizes.size());

        const QImage source = icoImage(wanted.sourceSize);
        QVERIFY(!source.isNull());
        const QImage icon = result.icons.at(index).image.convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(result.icons.at(index).size, wanted.size);
        QCOMPARE(icon.size(), QSize(wanted.size, wanted.size));

        QSet<QRgb> sourceColours;
        for (int y = 0; y < source.height(); ++y) {
            for (int x = 0; x < source.width(); ++x)
                sourceColours.insert(source.pixel(x, y));
        }
        // A one-colour icon would let any scaling pass the comparison below.
        QVERIFY(sourceColours.size() > 2);
        const QString notEnlarged = firstPixelNotEnlarged(icon, source, wanted.factor);
        QVERIFY2(notEnlarged.isEmpty(), qPrintable(notEnlarged));
        QCOMPARE(icoImage(wanted.size, QStringLiteral(ZELVARIN_PROGRAM_ICO_PATH)), icon);
    }

    void sizesComeInTableOrder()
    {
        const HicolorIcons result = hicolorIconsFromIco(icoPath());
        QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
        QList<int> sizes;
        for (const auto &icon : result.icons)
            sizes << icon.size;
        QCOMPARE(sizes, (QList<int>{16, 32, 48, 64, 128, 256}));
        for (const auto &size : kHicolorSizes)
            QCOMPARE(size.sourceSize * size.factor, size.size);
    }

    void enlargingRepeatsEachPixelAsASquare()
    {
        QImage source(2, 2, QImage::Format_ARGB32);
        source.setPixel(0, 0, qRgb(255, 0, 0));
        source.setPixel(1, 0, qRgb(0, 0, 255));
        source.setPixel(0, 1, qRgba(0, 0, 0, 0));
        source.setPixel(1, 1, qRgb(0, 128, 0));

        const QImage big = scaleByWholeFactor(source, 3);
        QCOMPARE(big.size(), QSize(6, 6));
        const QString notEnlarged = firstPixelNotEnlarged(big, source, 3);
        QVERIFY2(notEnlarged.isEmpty(), qPrintable(notEnlarged));
    }

    void factorOneKeepsTheImage()
    {
        QImage source(3, 1, QImage::Format_ARGB32);
        source.setPixel(0, 0, qRgb(1, 2, 3));
        source.setPixel(1, 0, qRgb(200, 100, 50));
        source.setPixel(2, 0, qRgba(9, 9, 9, 128));
        QCOMPARE(scaleByWholeFactor(source, 1), source);
    }

    void factorBelowOneGivesNoImage()
    {
        QImage source(2, 2, QImage::Format_ARGB32);
        source.fill(Qt::red);
        QVERIFY(scaleByWholeFactor(source, 0).isNull());
        QVERIFY(scaleByWholeFactor(QImage(), 2).isNull());
    }

    // A missing file, a PNG named .ico, and an icon without the 16 x 16 image the sizes are
    // drawn from: each an error naming what is wrong, and no icons at all.
    void unusableFileIsAnError_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<int>("side");
        QTest::addColumn<QString>("error");
        QTest::newRow("missing file") << QString() << 0 << QString();
        QTest::newRow("not an ICO") << QStringLiteral("png") << 16 << QString();
        QTest::newRow("no 16 x 16 image")
            << QStringLiteral("ico") << 32 << QStringLiteral("16 x 16");
    }
    void unusableFileIsAnError()
    {
        QFETCH(QString, format);
        QFETCH(int, side);
        QFETCH(QString, error);
        QTemporaryDir dir;
        QVERIFY(dir.isValid());
        const QString path = dir.filePath(QStringLiteral("icon.ico"));
        if (!format.isEmpty()) {
            QImage image(side, side, QImage::Format_ARGB32);
            image.fill(Qt::blue);
            QVERIFY(QImageWriter(path, format.toLatin1()).write(image));
        }
        const HicolorIcons result = hicolorIconsFromIco(path);
        QVERIFY(!result.error.isEmpty());
        QVERIFY2(result.error.contains(error), qPrintable(result.error));
        QVERIFY(result.icons.empty());
    }
};

QTEST_GUILESS_MAIN(TestHicolorIcons)
#include "tst_hicolor_icons.moc"
