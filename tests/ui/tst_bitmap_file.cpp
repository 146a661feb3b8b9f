// The in-place bitmap reader against Qt's own, and its refusals.
#include "quiz/question_bank.h"
#include "ui/bitmap_file.h"
#include "ui/picture_box.h"

#include <QBuffer>
#include <QFile>
#include <QResource>
#include <QTest>

using namespace zelvarin;
using namespace zelvarin::ui;

class BitmapFileTest : public QObject
{
    Q_OBJECT

private:
    static QByteArray bytesOf(const QString &path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // The bytes must outlive the picture, which points into them.
    static Picture view(const QByteArray &bytes)
    {
        return viewBgrBitmap(reinterpret_cast<const uchar *>(bytes.constData()), bytes.size());
    }

private slots:
    void everyScreenshotReadsAsQtReadsIt()
    {
        for (const Question &q : QuestionBank) {
            const QString path =
                QStringLiteral(":/assets/") + QString::fromUtf8(q.screenshot.data());
            // Stored uncompressed, so the in-place path is the one taken, without a copy.
            const QResource resource(path);
            QCOMPARE(resource.compressionAlgorithm(), QResource::NoCompression);
            const Picture loaded = loadPicture(path);
            QVERIFY2(loaded.bottomUp, qPrintable(path));
            QVERIFY(loaded.rows.constBits() >= resource.data());
            QVERIFY(loaded.rows.constBits() < resource.data() + resource.size());
            QCOMPARE(loaded.size(), QSize(q.screenshotWidth, q.screenshotHeight));
            const QImage reference = QImage(path).convertToFormat(QImage::Format_RGB32);
            QCOMPARE(loaded.upright().convertToFormat(QImage::Format_RGB32), reference);
        }
    }

    void oddWidthsKeepTheirRowPadding()
    {
        // 3 x 2 pixels: each row is 9 bytes of colour padded to 12.
        QImage source(3, 2, QImage::Format_RGB32);
        const QRgb colours[] = {0xff102030, 0xff405060, 0xff708090,
                                0xffa0b0c0, 0xffd0e0f0, 0xff010203};
        for (int i = 0; i < 6; ++i)
            source.setPixel(i % 3, i / 3, colours[i]);
        QByteArray bytes;
        QBuffer buffer(&bytes);
        QVERIFY(buffer.open(QIODevice::WriteOnly));
        QVERIFY(source.convertToFormat(QImage::Format_RGB888).save(&buffer, "BMP"));
        const Picture decoded = view(bytes);
        QVERIFY(decoded.bottomUp);
        QCOMPARE(decoded.upright().convertToFormat(QImage::Format_RGB32), source);
    }

    void picturesAreDrawnTheRightWayUpAndCleanlyScaled()
    {
        // The bottom-up rows of a screenshot, drawn by its picture box, give Qt's own reading;
        // at a whole scale factor (this test also runs at 2x) each pixel becomes a clean block.
        for (const char *name : {"screenshots/question_06.bmp", "faces/wrong.bmp"}) {
            const QString path = QStringLiteral(":/assets/") + QLatin1String(name);
            PictureBox box(loadPicture(path), QStringLiteral("picture"), nullptr);
            const QImage shot = box.grab().toImage().convertToFormat(QImage::Format_RGB32);
            const auto scale = static_cast<int>(shot.devicePixelRatio());
            QCOMPARE(shot.devicePixelRatio(), qreal(scale));
            qInfo("%s drawn at %dx", name, scale);
            QImage expected = QImage(path).convertToFormat(QImage::Format_RGB32);
            expected = expected.scaled(expected.size() * scale, Qt::IgnoreAspectRatio,
                                       Qt::FastTransformation);
            QCOMPARE(shot.size(), expected.size());
            QVERIFY2(shot == expected, name);
        }
    }

    void refusesWhatItDoesNotRead_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray good = bytesOf(QStringLiteral(":/assets/screenshots/question_00.bmp"));
        QByteArray eightBit = bytesOf(QStringLiteral(":/assets/faces/right.bmp"));
        QByteArray topDown = good;
        topDown[22] = char(0x8D); // height -115, rows stored from the top
        topDown[23] = char(0xFF);
        topDown[24] = char(0xFF);
        topDown[25] = char(0xFF);
        QByteArray compressed = good;
        compressed[30] = 1;
        QByteArray pixelsPastTheEnd = good;
        pixelsPastTheEnd[10] = char(0xFF);
        pixelsPastTheEnd[11] = char(0xFF);
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("not a bitmap") << QByteArray("GIF89a").leftJustified(60, '\0');
        QTest::newRow("8-bit with a palette") << eightBit;
        QTest::newRow("rows from the top") << topDown;
        QTest::newRow("compressed") << compressed;
        QTest::newRow("truncated pixels") << good.left(good.size() - 1);
        QTest::newRow("pixels past the end") << pixelsPastTheEnd;
        QTest::newRow("header only") << good.left(54);
    }
    void refusesWhatItDoesNotRead()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(view(bytes).rows.isNull());
    }
};

QTEST_MAIN(BitmapFileTest)
#include "tst_bitmap_file.moc"
