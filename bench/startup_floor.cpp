// The toolkit's floor for start-up and memory: a QMainWindow with the main window's size,
// flags and menu bar, and an empty central widget. Whatever the main window costs above
// this is the program's own.
#include "bench/first_paint_probe.h"

#include <QApplication>
#include <QLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    zelvarin::bench::FirstPaintProbe probe;
    probe.markApplicationReady();

    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Zelvarin"));
    window.setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                          Qt::MSWindowsFixedSizeDialogHint);
    auto *central = new QWidget(&window);
    central->setFixedSize(762, 543);
    window.setCentralWidget(central);
    // An empty menu bar takes no height; the main window's two top-level entries give the
    // bar, and with it the window, the same size. The drop-down stays empty.
    window.menuBar()->addMenu(QStringLiteral("Тест"));
    window.menuBar()->addAction(QStringLiteral("за Zelvarin"));
    window.layout()->setSizeConstraint(QLayout::SetFixedSize);
    window.adjustSize();
    if (const QScreen *s = window.screen())
        window.move(s->availableGeometry().center() -
                    QPoint(window.width() / 2, window.height() / 2));

    probe.markWindowBuilt();
#ifndef Q_OS_WASM
    // In a browser the page times the first paint (bench/web_bench.mjs), and the window must
    // stay: the probe ends the program once the window is painted, which took the window off
    // the page, at times before the page had seen it painted.
    probe.watch(&window);
#endif
    // Normal, not show(): in a browser Qt shows a main window full-page otherwise.
    window.showNormal();
    const int rc = QApplication::exec();
    probe.report();
    return rc;
}
