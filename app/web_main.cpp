// The program in a browser page (Qt for WebAssembly): the same start as main.cpp, and what a
// page needs besides. The page (packaging/web/) is the screen Qt draws on.
#include "app/program_start.h"

#include <QApplication>
#include <QFontDatabase>
#include <QScreen>

#include <emscripten/val.h>

namespace {

// A browser offers no fonts of the system: the face the windows ask for elsewhere than on
// Windows, Liberation Sans (Arial's and MS Sans Serif's stand-in, with Cyrillic), is
// compiled into the program, the same files the desktop build draws with.
void loadFonts()
{
    for (const char *file :
         {":/fonts/LiberationSans-Regular.ttf", ":/fonts/LiberationSans-Bold.ttf"}) {
        if (QFontDatabase::addApplicationFont(QString::fromLatin1(file)) < 0)
            qWarning("The font %s could not be loaded", file);
    }
}

// Qt's own default in a browser is its embedded DejaVu Sans at 12 pt; the menu bar, About's
// buttons and the boxes take the font a Linux desktop gives Qt programs (Qt's generic theme:
// Sans Serif at 9 pt, which fontconfig makes DejaVu Sans), so the window keeps its size.
void useDesktopDefaultFont()
{
    QApplication::setFont(QFont(QStringLiteral("DejaVu Sans"), 9));
}

// The page is the screen, and it changes size (a phone turned, a browser window resized):
// every window is centred on it again, as the desktop places them once.
void centreWindowsOn(const QScreen &screen)
{
    const QRect page = screen.availableGeometry();
    for (QWidget *window : QApplication::topLevelWidgets()) {
        if (!window->isVisible())
            continue;
        const QRect frame = window->frameGeometry();
        window->move(window->pos() + page.center() - frame.center());
    }
}

// A browser ends no page by itself: once the last window has gone (Exit, or the close box),
// the page is told, and says that the program has ended and how to start it again.
void tellPageWhenEnded()
{
    QObject::connect(qApp, &QGuiApplication::lastWindowClosed, [] {
        emscripten::val event =
            emscripten::val::global("Event").new_(std::string("zelvarin-ended"));
        emscripten::val::global("document").call<void>("dispatchEvent", event);
    });
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    loadFonts();
    useDesktopDefaultFont();
    zelvarin::prepareApplication();
    // exec() hands control to the browser's event loop and keeps main()'s stack, so the
    // program lives on there as on the desktop.
    zelvarin::Program program;
    // Qt for WebAssembly shows a main window full-page; it keeps its fixed size here.
    program.window().showNormal();
    QScreen *screen = program.window().screen();
    QObject::connect(screen, &QScreen::availableGeometryChanged, &app,
                     [screen] { centreWindowsOn(*screen); });
    tellPageWhenEnded();
    return QApplication::exec();
}
