#include "app/program_start.h"
#include "app/screen_scale.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    zelvarin::choosePlatform();
    zelvarin::fitScaleToScreen();
    QApplication app(argc, argv);
    zelvarin::prepareApplication();
    zelvarin::Program program;
    program.window().show();
    return QApplication::exec();
}
