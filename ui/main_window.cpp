#include "ui/main_window.h"

#include "ui/about_window.h"
#include "ui/bring_forward.h"
#include "ui/colours.h"
#include "ui/command_button.h"
#include "ui/fonts.h"
#include "ui/form_background.h"
#include "ui/option_button.h"
#include "ui/question_frame.h"
#include "ui/result_strip.h"
#include "ui/twips.h"
#include "ui/window_placement.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollArea>
#include <QWindow>

#include <zelvarin/app_identity.h>

namespace zelvarin::ui {

// Draws the window before any box opens, so the box shows over what the quiz just did
// (the grade over the marked seventh answer).
class MainWindow::DrawFirstMessages final : public MessagePort
{
public:
    DrawFirstMessages(MainWindow &form, MessagePort &inner)
        : m_form(form)
        , m_inner(inner)
    {}
    void show(std::string_view text, std::string_view title, MessageIcon icon) override
    {
        m_form.drawView();
        m_inner.show(text, title, icon);
    }

private:
    MainWindow &m_form;
    MessagePort &m_inner;
};

MainWindow::MainWindow(const MainWindowServices &services, QWidget *parent)
    : QMainWindow(parent)
    , m_platform(services.platform)
    , m_boxes(services.messages)
    , m_messages(std::make_unique<DrawFirstMessages>(*this, services.messages))
    , m_engine(services.random, *m_messages, services.exit)
    , m_drawn(m_engine.view())
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QString::fromLatin1(identity::kTitle));
    // A fixed single border: a close box, no minimise or maximise box.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);

    // The client area scrolls when the window at the desktop's scale is larger than the
    // screen (a small screen, or a large scale): the window then fits the screen, the pictures
    // stay at their scale, and every button can still be reached. Elsewhere it never scrolls.
    m_client = new FormBackground(this);
    m_scroller = new QScrollArea(this);
    m_scroller->setFrameShape(QFrame::NoFrame);
    m_scroller->setFocusPolicy(Qt::NoFocus); // the controls take the focus; it scrolls to them
    m_scroller->setWidget(m_client);
    setCentralWidget(m_scroller);
    m_resultStrip = std::make_unique<ResultStrip>(m_client);
    buildButtons();
    buildMenu();
    // The menu bar keeps its look while the About window has the window disabled.
    keepLookWhenDisabled(*menuBar());
    setTabOrder();
    // Placed before the window exists, and once more when its frame is known (on Windows as
    // soon as it exists; on Linux when the window manager has framed it).
    placeOnScreen(*this, m_scroller);
    // The menu bar takes the focus for a moment when it is used from the keyboard (Alt, then
    // the arrows); About opened from there gives the focus back to the control before it.
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget * /*old*/, QWidget *now) {
        if (now != nullptr && now->window() == this && now != menuBar()) {
            m_lastControl = now;
            // On a screen too small for the window the focused control scrolls into view,
            // also where the focus moves on by itself (Accept to Next question).
            if (m_client->isAncestorOf(now))
                m_scroller->ensureWidgetVisible(now);
        }
    });
    // Read last: finding its image plugin takes a search of the plugin folders, which the
    // background's decoding thread has made by now; read first, the icon waited for it.
    setWindowIcon(QIcon(QStringLiteral(":/assets/zelvarin.ico")));
    m_exitButton->setFocus(); // the first control in tab order that can take the focus
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
    connect(newTestItem, &QAction::triggered, this, &MainWindow::startNewTest);
    testMenu->addSeparator()->setObjectName(QStringLiteral("a"));
    QAction *exitItem = testMenu->addAction(QStringLiteral("Изход"));
    exitItem->setObjectName(QStringLiteral("mnuExit"));
    connect(exitItem, &QAction::triggered, this, [this] { run(&QuizEngine::ExitProgram); });

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
    connect(aboutItem, &QAction::triggered, this, &MainWindow::openAbout);
}

void MainWindow::buildButtons()
{
    const QFont font = arial(11.25, true);
    const auto button = [this, &font](const QString &text, const char *name, int leftTwips) {
        auto *b = new CommandButton(text, m_client);
        b->setObjectName(QLatin1String(name));
        b->setFont(font);
        b->setGeometry(twipsRect(leftTwips, 7560, 2310, 375));
        b->setAutoDefault(true); // Enter presses the focused button, as Space does
        return b;
    };
    m_newTestButton = button(QStringLiteral("Нов тест"), "Command4", 300);
    m_acceptButton = button(QStringLiteral("Приеми отговора"), "Command1", 3105);
    m_nextButton = button(QStringLiteral("Следващ въпрос"), "Command2", 5940);
    m_exitButton = button(QStringLiteral("Изход"), "Command3", 8850);
    m_acceptButton->setEnabled(false);
    m_nextButton->setEnabled(false);

    connect(m_newTestButton, &QPushButton::clicked, this, &MainWindow::startNewTest);
    connect(m_acceptButton, &QPushButton::clicked, this,
            [this] { run(&QuizEngine::AcceptAnswer); });
    connect(m_nextButton, &QPushButton::clicked, this, [this] { run(&QuizEngine::NextQuestion); });
    connect(m_exitButton, &QPushButton::clicked, this, [this] { run(&QuizEngine::ExitProgram); });
}

QuestionFrame *MainWindow::frame(int question)
{
    QuestionFrame *built = m_frames[static_cast<std::size_t>(question)];
    return built != nullptr ? built : buildFrame(question);
}

QuestionFrame *MainWindow::buildFrame(int question)
{
    if (!m_faces) {
        m_faces = std::make_unique<MarkerPictures>(
            MarkerPictures{QImage(QStringLiteral(":/assets/faces/neutral.bmp")),
                           QImage(QStringLiteral(":/assets/faces/right.bmp")),
                           QImage(QStringLiteral(":/assets/faces/wrong.bmp"))});
    }
    const auto choose = [this](int q, OptionName option) {
        if (!isLocked())
            m_engine.chooseOption(q, option);
        drawView(); // a refused choice is unchecked again
    };
    auto *built = new QuestionFrame(question, *m_faces, choose, m_client);
    built->setGeometry(twipsRect(300, 900, 10860, 6400));
    m_frames[static_cast<std::size_t>(question)] = built;

    // Its answers join the tab order after those of the nearest frame before it, or after
    // the buttons when there is none.
    QWidget *before = m_newTestButton;
    for (int q = question - 1; q >= 0; --q) {
        if (const QuestionFrame *earlier = m_frames[static_cast<std::size_t>(q)]) {
            before = earlier->tabOrder().back();
            break;
        }
    }
    for (OptionButton *option : built->tabOrder()) {
        QWidget::setTabOrder(before, option);
        before = option;
    }

    // A new frame looks as designed; bring it to what has been drawn so far.
    built->draw(m_drawn.Frame[static_cast<std::size_t>(question)], FrameView{});
    return built;
}

void MainWindow::setTabOrder()
{
    // The frames' answers come between the buttons and the strip as the frames are built.
    QList<QWidget *> order{m_acceptButton, m_nextButton, m_exitButton, m_newTestButton};
    order.append(m_resultStrip->tabOrder());
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void MainWindow::enterMenuBar()
{
    if (isLocked())
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

void MainWindow::startNewTest()
{
    run(&QuizEngine::NewTest);
}

void MainWindow::openAbout()
{
    // One About window: asked for again, the open one comes forward.
    if (m_about) {
        bringForwardLater(*m_about);
        return;
    }
    if (isLocked())
        return;
    // Disabling the window moves its focus on; closing About puts it back where it was.
    m_focusBeforeAbout = focusWidget() != menuBar() ? focusWidget() : m_lastControl.data();
    // The About window has no owner, so disabling this window leaves it usable; it is
    // kept above this window as its transient, or it could fall behind the disabled main
    // window and the program would look frozen.
    m_about = new AboutWindow(m_platform, m_boxes, windowIcon());
    connect(m_about, &QDialog::finished, this, &MainWindow::aboutClosed);
    // Centred on this window's screen, not on this window as a transient dialog would be.
    m_about->setScreen(screen());
    placeOnScreen(*m_about);
    m_about->winId();
    if (QWindow *w = m_about->windowHandle())
        w->setTransientParent(windowHandle());
    m_about->show();
    setEnabled(false);
    m_about->activateWindow();
}

void MainWindow::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    // A disabled owner never takes the focus on Windows, but a window manager or compositor
    // activates whatever window is clicked or Alt+Tabbed to, and the keyboard would then go
    // nowhere: the window that holds the lock, a message box or else About, takes it back.
    if (event->type() == QEvent::ActivationChange && isLocked() &&
        QApplication::activeWindow() == this) {
        QWidget *holder = QApplication::activeModalWidget();
        if (holder == nullptr)
            holder = m_about;
        if (holder != nullptr)
            bringForwardLater(*holder);
    }
}

void MainWindow::aboutClosed()
{
    m_about = nullptr; // it deletes itself; from now on this window may be activated
    setEnabled(true);
    activateWindow();
    if (QWidget *had = m_focusBeforeAbout;
        had != nullptr && had->isEnabled() && had->isVisible() && had->focusPolicy() != Qt::NoFocus)
        had->setFocus(Qt::ActiveWindowFocusReason);
    m_focusBeforeAbout = nullptr;
}

template<typename Operation> void MainWindow::run(Operation operation)
{
    if (isLocked())
        return;
    (m_engine.*operation)();
    drawView();
}

void MainWindow::drawView()
{
    // Every property is compared, not the state as a whole: a click may have moved an
    // option button away from the state (in a frame that takes no choice) and is put back.
    const ViewState &now = m_engine.view();
    QuestionFrame *onView = nullptr;
    // Hide before show, so that two frames are never on view at once.
    for (int pass = 0; pass < 2; ++pass) {
        for (std::size_t i = 0; i < now.Frame.size(); ++i) {
            if ((pass == 0) == now.Frame[i].Visible)
                continue;
            // A frame not built yet is drawn from the view state when it is built.
            if (m_frames[i] == nullptr && !now.Frame[i].Visible)
                continue;
            frame(static_cast<int>(i))->draw(now.Frame[i], m_drawn.Frame[i]);
        }
    }
    for (std::size_t i = 0; i < now.Frame.size(); ++i) {
        if (now.Frame[i].Visible)
            onView = m_frames[i];
    }
    m_resultStrip->draw(now.Box, m_drawn.Box);

    // Next question carries the verdict of the answer just marked, so that a screen reader
    // says it with the button the focus goes to; the marks themselves are on controls that
    // take no focus.
    const QString verdict =
        now.Command2Enabled && onView != nullptr ? onView->accessibleDescription() : QString();
    if (m_nextButton->accessibleDescription() != verdict)
        m_nextButton->setAccessibleDescription(verdict);

    // Buttons are enabled first and disabled last, with the focus moved in between: a
    // focused button that greys would hand the focus to the next control in tab order (Exit,
    // where one more Space ends the program), and a screen reader would say that control.
    if (now.Command1Enabled && !m_drawn.Command1Enabled)
        m_acceptButton->setEnabled(true);
    if (now.Command2Enabled && !m_drawn.Command2Enabled)
        m_nextButton->setEnabled(true);
    moveFocusAhead(now, onView);
    if (!now.Command1Enabled && m_drawn.Command1Enabled)
        m_acceptButton->setEnabled(false);
    if (!now.Command2Enabled && m_drawn.Command2Enabled)
        m_nextButton->setEnabled(false);
    m_drawn = now;
}

void MainWindow::moveFocusAhead(const ViewState &now, QuestionFrame *onView)
{
    // Where the pupil goes next: from an accepted answer to Next question (or New test after
    // the last one), and from Next question to the new question's answers.
    QWidget *const hadFocus = focusWidget();
    if (hadFocus == m_acceptButton && !now.Command1Enabled) {
        (now.Command2Enabled ? m_nextButton : m_newTestButton)->setFocus(Qt::OtherFocusReason);
    } else if (hadFocus == m_nextButton && !now.Command2Enabled) {
        if (onView != nullptr)
            onView->tabOrder().front()->setFocus(Qt::TabFocusReason);
        else
            m_newTestButton->setFocus(Qt::OtherFocusReason);
    }
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // While the About window or a box is open the main window cannot be closed.
    if (isLocked())
        event->ignore();
    else
        QMainWindow::closeEvent(event);
}

} // namespace zelvarin::ui
