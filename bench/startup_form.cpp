// The program's start as app/main.cpp does it (the window, the application names), with
// the first paint noted.
#include "app/program_parts.h"
#include "bench/first_paint_probe.h"
#include "ui/application_identity.h"
#include "ui/application_look.h"
#include "ui/main_window.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    zelvarin::bench::FirstPaintProbe probe;
    zelvarin::ui::applyApplicationIdentity();
    zelvarin::ui::applyApplicationLook();
    probe.markApplicationReady();

    zelvarin::ProgramParts parts;
    zelvarin::ui::MainWindow form(parts.services());
    probe.markWindowBuilt();
    probe.watch(&form);
    form.show();
    const int rc = QApplication::exec();
    probe.report();
    return rc;
}
