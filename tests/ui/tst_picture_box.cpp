// Pictures drawn by their picture boxes, also on a screen of twice the scale.
#include "ui/picture_box.h"

#include <QTest>

using namespace zelvarin::ui;

class PictureBoxTest : public QObject
{
    Q_OBJECT

private slots:
    void picturesAreDrawnAsTheFileAndCleanlyScaled()
    {
        // At a whole scale factor (this test also runs at 2x) each pixel becomes a clean block.
        for (const char *name : {"screenshots/question_06.bmp", "faces/wrong.bmp"}) {
            const QString path = QStringLiteral(":/assets/") + QLatin1String(name);
            const QImage file(path);
            PictureBox box(file, QStringLiteral("picture"), nullptr);
            const QImage shot = box.grab().toImage().convertToFormat(QImage::Format_RGB32);
            const auto scale = static_cast<int>(shot.devicePixelRatio());
            QCOMPARE(shot.devicePixelRatio(), qreal(scale));
            qInfo("%s drawn at %dx", name, scale);
            QImage expected = file.convertToFormat(QImage::Format_RGB32);
            expected = expected.scaled(expected.size() * scale, Qt::IgnoreAspectRatio,
                                       Qt::FastTransformation);
            QCOMPARE(shot.size(), expected.size());
            QVERIFY2(shot == expected, name);
        }
    }
};

QTEST_MAIN(PictureBoxTest)
#include "tst_picture_box.moc"
