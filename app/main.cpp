#include "main_window.h"

#include <QApplication>

#include <zelvarin/app_identity.h>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QString::fromLatin1(zelvarin::identity::kTitle));
    QApplication::setApplicationDisplayName(QString::fromLatin1(zelvarin::identity::kTitle));
    QApplication::setApplicationVersion(QString::fromLatin1(zelvarin::identity::kVersionText));
    QGuiApplication::setDesktopFileName(QString::fromLatin1(ZELVARIN_APP_ID));

    zelvarin::ui::Form1 form;
    form.show();
    return QApplication::exec();
}
