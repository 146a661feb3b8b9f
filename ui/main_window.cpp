#include "ui/main_window.h"

#include "ui/colours.h"
#include "ui/quiz_page.h"
#include "ui/window_lock.h"
#include "ui/window_placement.h"

#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QMenuBar>
#include <QScrollArea>

#include <zelvarin/app_identity.h>

namespace zelvarin::ui {

MainWindow::MainWindow(const MainWindowServices &services, QWidget *parent)
    : QMainWindow(parent)
    , m_lock(new WindowLock(*this, services.platform, services.messages))
    , m_scroller(new QScrollArea(this))
    , m_page(new QuizPage(services.random, *m_lock, services.exit, m_scroller))
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromLatin1(identity::kTitle));
    // A fixed single border: a close box, no minimise or maximise box.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);

    // The page scrolls when the window at the desktop's scale is larger than the screen (a
    // small screen, or a large scale): the window then fits the screen, the pictures stay at
    // their scale, and every button can still be reached. Elsewhere it never scrolls.
    m_scroller->setFrameShape(QFrame::NoFrame);
    m_scroller->setFocusPolicy(Qt::NoFocus); // the controls take the focus; it scrolls to them
    m_scroller->setWidget(m_page);
    setCentralWidget(m_scroller);
    buildMenu();
    // The menu bar keeps its look while the About window has the window disabled.
    keepLookWhenDisabled(*menuBar());
    // Placed before the window exists, and once more when its frame is known (on Windows as
    // soon as it exists; on Linux when the window manager has framed it).
    placeOnScreen(*this, m_scroller);
    // On a screen too small for the window the focused control scrolls into view, also where
    // the focus moves on by itself (Accept to Next question).
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget * /*old*/, QWidget *now) {
        if (now != nullptr && m_page->isAncestorOf(now))
            m_scroller->ensureWidgetVisible(now);
    });
    // Read last: finding its image plugin takes a search of the plugin folders, which the
    // background's decoding thread has made by now; read first, the icon waited for it.
    setWindowIcon(QIcon(QStringLiteral(":/assets/zelvarin.ico")));
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenu()
{
    QMenu *testMenu = menuBar()->addMenu(QStringLiteral("Тест"));
    testMenu->setObjectName(QStringLiteral("mnuTest"));
    QAction *newTestItem = testMenu->addAction(QStringLiteral("Нов тест"));
    newTestItem->setObjectName(QStringLiteral("mnuNew"));
    newTestItem->setShortcut(Qt::Key_F2);
    newTestItem->setShortcutContext(Qt::WindowShortcut);
    connect(newTestItem, &QAction::triggered, m_page, &QuizPage::newTest);
    testMenu->addSeparator()->setObjectName(QStringLiteral("a"));
    QAction *exitItem = testMenu->addAction(QStringLiteral("Изход"));
    exitItem->setObjectName(QStringLiteral("mnuExit"));
    connect(exitItem, &QAction::triggered, m_page, &QuizPage::exitProgram);

    // F10 opens the menu bar, as on Windows and GTK desktops.
    auto *menuBarKey = new QAction(this);
    menuBarKey->setShortcut(Qt::Key_F10);
    menuBarKey->setShortcutContext(Qt::WindowShortcut);
    addAction(menuBarKey);
    connect(menuBarKey, &QAction::triggered, this, &MainWindow::enterMenuBar);

    // A command on the menu bar itself: it acts when clicked and opens no drop-down.
    QAction *aboutItem =
        menuBar()->addAction(QStringLiteral("за ") + QString::fromLatin1(identity::kTitle));
    aboutItem->setObjectName(QStringLiteral("mnuAbout"));
    connect(aboutItem, &QAction::triggered, m_lock, &WindowLock::openAbout);
}

void MainWindow::enterMenuBar()
{
    if (m_lock->isHeld())
        return;
    // Qt takes the menu bar into its keyboard mode (first menu highlighted, arrows and Enter
    // to go on) on a press and release of Alt alone, and has no call for it: F10 plays that
    // key to the focused control, as a recorded key is played back. Pressed again, it
    // leaves the menu bar, as Alt does.
    QWidget *target = focusWidget() != nullptr ? focusWidget() : this;
    QKeyEvent altPressed(QEvent::KeyPress, Qt::Key_Alt, Qt::AltModifier);
    QCoreApplication::sendEvent(target, &altPressed);
    QKeyEvent altReleased(QEvent::KeyRelease, Qt::Key_Alt, Qt::NoModifier);
    QCoreApplication::sendEvent(target, &altReleased);
}

} // namespace zelvarin::ui
