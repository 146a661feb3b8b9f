// The program's start as app/main.cpp does it (the window, the application names), with
// the first paint noted.
#include "first_paint_probe.h"
#include "main_window.h"

#include <QApplication>

#include <zelvarin/app_identity.h>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    zelvarin::bench::FirstPaintProbe probe;
    QApplication::setApplicationName(QString::fromLatin1(zelvarin::identity::kTitle));
    QApplication::setApplicationDisplayName(QString::fromLatin1(zelvarin::identity::kTitle));
    QApplication::setApplicationVersion(QString::fromLatin1(zelvarin::identity::kVersionText));
    probe.markApplicationReady();

    zelvarin::ui::Form1 form;
    probe.markWindowBuilt();
    probe.watch(&form);
    form.show();
    const int rc = QApplication::exec();
    probe.report();
    return rc;
}
