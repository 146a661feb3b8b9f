#include "app/program_parts.h"
#include "ui/application_identity.h"
#include "ui/application_look.h"
#include "ui/main_window.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    zelvarin::ui::applyApplicationIdentity();
    zelvarin::ui::applyApplicationLook();
    QGuiApplication::setDesktopFileName(QString::fromLatin1(ZELVARIN_APP_ID));

    zelvarin::ProgramParts parts;
    zelvarin::ui::MainWindow form(parts.services());
    form.show();
    return QApplication::exec();
}
