#include "ui/application_identity.h"
#include "ui/main_window.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    zelvarin::ui::applyApplicationIdentity();
    QGuiApplication::setDesktopFileName(QString::fromLatin1(ZELVARIN_APP_ID));

    zelvarin::ui::MainWindow form;
    form.show();
    return QApplication::exec();
}
