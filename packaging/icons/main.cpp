// zelvarin_hicolor_icons ICO OUTDIR NAME
// Writes OUTDIR/<size>x<size>/apps/NAME.png for every size of the hicolor theme that the
// package installs, drawn from the application icon without smoothing.
#include "packaging/icons/hicolor_icons.h"

#include <QCoreApplication>
#include <QDir>
#include <QImageWriter>
#include <QTextStream>

int main(int argc, char *argv[])
{
    // The image format plugins (ICO) are found through the application's library paths.
    QCoreApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 4) {
        err << "usage: zelvarin_hicolor_icons ICO OUTDIR NAME\n";
        return 2;
    }
    const QString &outDir = args.at(2);
    const QString &name = args.at(3);

    const auto [icons, error] = zelvarin::packaging::hicolorIconsFromIco(args.at(1));
    if (!error.isEmpty()) {
        err << error << '\n';
        return 1;
    }
    for (const auto &icon : icons) {
        const QString dir = QStringLiteral("%1/%2x%2/apps").arg(outDir).arg(icon.size);
        if (!QDir().mkpath(dir)) {
            err << "cannot create " << dir << '\n';
            return 1;
        }
        QImageWriter writer(QStringLiteral("%1/%2.png").arg(dir, name), "png");
        if (!writer.write(icon.image)) {
            err << writer.fileName() << ": " << writer.errorString() << '\n';
            return 1;
        }
    }
    return 0;
}
