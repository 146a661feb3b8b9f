// zelvarin_artwork ASSETS_DIR CONTACT_SHEET.png
//
// Draws every picture of the quiz anew: the 17 dialog screenshots, the window background,
// the application icon and the three marker faces, and a contact sheet of all of them for
// review. The result depends on neither the time nor chance, only on the fonts installed.

#include "tools/artwork/app_icon.h"
#include "tools/artwork/background.h"
#include "tools/artwork/bmp8.h"
#include "tools/artwork/contact_sheet.h"
#include "tools/artwork/dialogs.h"
#include "tools/artwork/faces.h"
#include "tools/artwork/icon_file.h"

#include <QDir>
#include <QFile>
#include <QGuiApplication>
#include <QImageReader>
#include <QImageWriter>

#include <array>
#include <cstdio>

using namespace zelvarin::artwork;

namespace {

QString saveWith(const QImage &image, const QString &path, const char *format, int quality = -1)
{
    QImageWriter writer(path, format);
    if (quality >= 0)
        writer.setQuality(quality);
    if (!writer.write(image))
        return QStringLiteral("cannot write %1: %2").arg(path, writer.errorString());
    return {};
}

QString writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        return QStringLiteral("cannot write %1: %2").arg(path, file.errorString());
    return {};
}

// Every image a file holds, read back the way the quiz will read it.
std::vector<QImage> readBack(const QString &path)
{
    std::vector<QImage> images;
    QImageReader reader(path);
    do {
        const QImage image = reader.read();
        if (image.isNull())
            break;
        images.push_back(image);
    } while (reader.jumpToNextImage());
    return images;
}

class Generator
{
public:
    explicit Generator(const QString &assetsDir)
        : dir(assetsDir)
    {}

    void screenshots()
    {
        for (int i = 0; i < kScreenshotCount; ++i) {
            const Screenshot shot = drawScreenshot(i);
            for (const QString &problem : shot.problems)
                fail(QStringLiteral("screenshot %1: %2").arg(i).arg(problem));
            // Qt stores an image without an alpha channel as a 24-bit BMP.
            const QString name =
                QStringLiteral("screenshots/question_%1.bmp").arg(i, 2, 10, QLatin1Char('0'));
            store(name, saveWith(shot.image, dir.filePath(name), "bmp"));
        }
    }

    void background()
    {
        store(
            QStringLiteral("background.jpg"),
            saveWith(drawBackground(), dir.filePath(QStringLiteral("background.jpg")), "jpg", 90));
    }

    void icons()
    {
        QString error;
        writeIcon(QStringLiteral("zelvarin.ico"), applicationIcon(error), error, true);
        // Only enlargements of the images above: the contact sheet shows nothing new in it.
        writeIcon(QStringLiteral("zelvarin-program.ico"), programIcon(error), error, false);
    }

    void faces()
    {
        const std::array<std::pair<Face, const char *>, 3> all = {{
            {Face::Neutral, "faces/neutral.bmp"},
            {Face::Right, "faces/right.bmp"},
            {Face::Wrong, "faces/wrong.bmp"},
        }};
        for (const auto &[face, name] : all)
            store(QString::fromLatin1(name),
                  saveBmp8(drawFace(face), dir.filePath(QString::fromLatin1(name))), 2);
    }

    const std::vector<SheetEntry> &sheetEntries() const { return entries; }
    bool failed() const { return anyFailure; }

    void fail(const QString &message)
    {
        std::fprintf(stderr, "zelvarin_artwork: %s\n", qPrintable(message));
        anyFailure = true;
    }

private:
    void writeIcon(const QString &name, const std::vector<IconImage> &images, const QString &error,
                   bool onSheet)
    {
        if (!error.isEmpty()) {
            fail(name + QStringLiteral(": ") + error);
            return;
        }
        const IconFileResult file = encodeIcon4(images);
        if (!file.error.isEmpty()) {
            fail(name + QStringLiteral(": ") + file.error);
            return;
        }
        const QString written = writeFile(dir.filePath(name), file.bytes);
        if (onSheet)
            store(name, written, 4);
        else if (!written.isEmpty())
            fail(written);
    }

    // Records a written file for the contact sheet, or its error.
    void store(const QString &name, const QString &error, int zoom = 1)
    {
        if (!error.isEmpty()) {
            fail(error);
            return;
        }
        for (const QImage &image : readBack(dir.filePath(name))) {
            entries.push_back(
                {QStringLiteral("%1 (%2 x %3)").arg(name).arg(image.width()).arg(image.height()),
                 image, zoom});
        }
    }

    QDir dir;
    std::vector<SheetEntry> entries;
    bool anyFailure = false;
};

} // namespace

int main(int argc, char **argv)
{
    QGuiApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 3) {
        std::fprintf(stderr, "usage: zelvarin_artwork ASSETS_DIR CONTACT_SHEET.png\n");
        return 2;
    }
    const QDir assets(args[1]);
    for (const char *sub : {"screenshots", "faces"}) {
        if (!assets.mkpath(QString::fromLatin1(sub))) {
            std::fprintf(stderr, "zelvarin_artwork: cannot create %s in %s\n", sub,
                         qPrintable(args[1]));
            return 1;
        }
    }

    Generator generator(args[1]);
    generator.background();
    generator.icons();
    generator.faces();
    generator.screenshots();
    const QString sheetError = saveWith(drawContactSheet(generator.sheetEntries()), args[2], "png");
    if (!sheetError.isEmpty())
        generator.fail(sheetError);
    return generator.failed() ? 1 : 0;
}
