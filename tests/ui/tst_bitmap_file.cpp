// The in-place bitmap reader against Qt's own, and its refusals.
#include "bitmap_file.h"
#include "question_bank.h"

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
    static QImage decode(const QByteArray &bytes)
    {
        return decodeBgrBitmap(reinterpret_cast<const uchar *>(bytes.constData()), bytes.size());
    }

private slots:
    void everyScreenshotReadsAsQtReadsIt()
    {
        for (const Question &q : QuestionBank) {
            const QString path =
                QStringLiteral(":/assets/") + QString::fromUtf8(q.screenshot.data());
            // Stored uncompressed, so the fast path is the one taken.
            QCOMPARE(QResource(path).compressionAlgorithm(), QResource::NoCompression);
            const QImage fast = decode(bytesOf(path));
            QVERIFY2(!fast.isNull(), qPrintable(path));
            QCOMPARE(fast.size(), QSize(q.screenshotWidth, q.screenshotHeight));
            const QImage reference = QImage(path).convertToFormat(QImage::Format_RGB32);
            QCOMPARE(fast.convertToFormat(QImage::Format_RGB32), reference);
            QCOMPARE(loadPicture(path).convertToFormat(QImage::Format_RGB32), reference);
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
        const QImage decoded = decode(bytes);
        QVERIFY(!decoded.isNull());
        QCOMPARE(decoded.convertToFormat(QImage::Format_RGB32), source);
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
        QVERIFY(decode(bytes).isNull());
    }
};

QTEST_MAIN(BitmapFileTest)
#include "tst_bitmap_file.moc"
