#include "app/program_start.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    zelvarin::choosePlatform();
    QApplication app(argc, argv);
    zelvarin::prepareApplication();
    zelvarin::Program program;
    program.window().show();
    return QApplication::exec();
}
