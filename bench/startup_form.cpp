// The program's start as app/main.cpp runs it, with the first paint noted.
#include "app/program_start.h"
#include "bench/first_paint_probe.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    zelvarin::bench::FirstPaintProbe probe;
    zelvarin::prepareApplication();
    probe.markApplicationReady();

    zelvarin::Program program;
    probe.markWindowBuilt();
    probe.watch(&program.window());
    program.window().show();
    const int rc = QApplication::exec();
    probe.report();
    return rc;
}
