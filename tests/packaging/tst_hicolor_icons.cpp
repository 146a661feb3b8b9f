// The hicolor icons drawn from the application icon: every size, whole-factor blocks of the
// icon's own pixels, the same images in the icon of the Windows program, and an error instead
// of a half set when the icon file is unusable.
#include "packaging/icons/hicolor_icons.h"

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
    for (int i = 0; i < reader.imageCount(); ++i) {
        reader.jumpToImage(i);
        const QImage image = reader.read();
        if (image.width() == size && image.height() == size) {
            return image.convertToFormat(QImage::Format_ARGB32);
        }
    }
    return {};
}

} // namespace

class TestHicolorIcons : public QObject
{
    Q_OBJECT

private slots:
    void everySizeIsABlockCopyOfTheIcon_data();
    void everySizeIsABlockCopyOfTheIcon();
    void sizesComeInTableOrder();
    void enlargingRepeatsEachPixelAsASquare();
    void factorOneKeepsTheImage();
    void factorBelowOneGivesNoImage();
    void missingFileIsAnError();
    void fileThatIsNotAnIcoIsAnError();
    void icoWithoutA16PixelImageIsAnError();
};

void TestHicolorIcons::everySizeIsABlockCopyOfTheIcon_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < int(kHicolorSizes.size()); ++i) {
        const int size = kHicolorSizes.at(i).size;
        QTest::addRow("%dpx", size) << i;
    }
}

void TestHicolorIcons::everySizeIsABlockCopyOfTheIcon()
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
        for (int x = 0; x < source.width(); ++x) {
            sourceColours.insert(source.pixel(x, y));
        }
    }
    // A one-colour icon would let any scaling pass the comparison below.
    QVERIFY(sourceColours.size() > 2);
    for (int y = 0; y < icon.height(); ++y) {
        for (int x = 0; x < icon.width(); ++x) {
            if (icon.pixel(x, y) != source.pixel(x / wanted.factor, y / wanted.factor)) {
                QFAIL(qPrintable(QStringLiteral("pixel (%1, %2) is not the icon's pixel (%3, %4)")
                                     .arg(x)
                                     .arg(y)
                                     .arg(x / wanted.factor)
                                     .arg(y / wanted.factor)));
            }
        }
    }
    QCOMPARE(icoImage(wanted.size, QStringLiteral(ZELVARIN_PROGRAM_ICO_PATH)), icon);
}

void TestHicolorIcons::sizesComeInTableOrder()
{
    const HicolorIcons result = hicolorIconsFromIco(icoPath());
    QVERIFY2(result.error.isEmpty(), qPrintable(result.error));
    QList<int> sizes;
    for (const auto &icon : result.icons) {
        sizes << icon.size;
    }
    QCOMPARE(sizes, (QList<int>{16, 32, 48, 64, 128, 256}));
    for (const auto &size : kHicolorSizes) {
        QCOMPARE(size.sourceSize * size.factor, size.size);
    }
}

void TestHicolorIcons::enlargingRepeatsEachPixelAsASquare()
{
    QImage source(2, 2, QImage::Format_ARGB32);
    source.setPixel(0, 0, qRgb(255, 0, 0));
    source.setPixel(1, 0, qRgb(0, 0, 255));
    source.setPixel(0, 1, qRgba(0, 0, 0, 0));
    source.setPixel(1, 1, qRgb(0, 128, 0));

    const QImage big = scaleByWholeFactor(source, 3);
    QCOMPARE(big.size(), QSize(6, 6));
    for (int y = 0; y < 6; ++y) {
        for (int x = 0; x < 6; ++x) {
            QCOMPARE(big.pixel(x, y), source.pixel(x / 3, y / 3));
        }
    }
}

void TestHicolorIcons::factorOneKeepsTheImage()
{
    QImage source(3, 1, QImage::Format_ARGB32);
    source.setPixel(0, 0, qRgb(1, 2, 3));
    source.setPixel(1, 0, qRgb(200, 100, 50));
    source.setPixel(2, 0, qRgba(9, 9, 9, 128));
    QCOMPARE(scaleByWholeFactor(source, 1), source);
}

void TestHicolorIcons::factorBelowOneGivesNoImage()
{
    QImage source(2, 2, QImage::Format_ARGB32);
    source.fill(Qt::red);
    QVERIFY(scaleByWholeFactor(source, 0).isNull());
    QVERIFY(scaleByWholeFactor(QImage(), 2).isNull());
}

void TestHicolorIcons::missingFileIsAnError()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const HicolorIcons result = hicolorIconsFromIco(dir.filePath(QStringLiteral("none.ico")));
    QVERIFY(!result.error.isEmpty());
    QVERIFY(result.icons.empty());
}

void TestHicolorIcons::fileThatIsNotAnIcoIsAnError()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("looks.ico"));
    QImage image(16, 16, QImage::Format_ARGB32);
    image.fill(Qt::blue);
    QVERIFY(QImageWriter(path, "png").write(image));

    const HicolorIcons result = hicolorIconsFromIco(path);
    QVERIFY(!result.error.isEmpty());
    QVERIFY(result.icons.empty());
}

void TestHicolorIcons::icoWithoutA16PixelImageIsAnError()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString path = dir.filePath(QStringLiteral("only32.ico"));
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::green);
    QVERIFY(QImageWriter(path, "ico").write(image));

    const HicolorIcons result = hicolorIconsFromIco(path);
    QVERIFY2(result.error.contains(QStringLiteral("16 x 16")), qPrintable(result.error));
    QVERIFY(result.icons.empty());
}

QTEST_GUILESS_MAIN(TestHicolorIcons)
#include "tst_hicolor_icons.moc"
