#include "main_window.h"

#include "about_window.h"
#include "bitmap_file.h"
#include "clock_random_source.h"
#include "colours.h"
#include "command_button.h"
#include "fonts.h"
#include "form_background.h"
#include "option_button.h"
#include "qt_ports.h"
#include "question_frame.h"
#include "result_strip.h"
#include "system_platform.h"
#include "twips.h"

#include <QAction>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QWindow>

namespace zelvarin::ui {

// Draws the window before any box opens, so the box shows over what the quiz just did
// (the grade over the marked seventh answer).
class Form1::DrawFirstMessages final : public MessagePort
{
public:
    DrawFirstMessages(Form1 &form, MessagePort &inner)
        : m_form(form)
        , m_inner(inner)
    {}
    void show(std::string_view text, std::string_view title, MessageIcon icon) override
    {
        m_form.drawView();
        m_inner.show(text, title, icon);
    }

private:
    Form1 &m_form;
    MessagePort &m_inner;
};

namespace {

template<typename Port, typename Make> std::unique_ptr<Port> ownUnless(Port *given, Make make)
{
    return given != nullptr ? nullptr : make();
}

} // namespace

Form1::Form1(Form1Services services, QWidget *parent)
    : QMainWindow(parent)
    , m_ownRandom(ownUnless(services.random, [] { return std::make_unique<ClockRandomSource>(); }))
    , m_ownMessages(
          ownUnless(services.messages, [this] { return std::make_unique<MessageBoxPort>(this); }))
    , m_ownExit(ownUnless(services.exit, [] { return std::make_unique<ApplicationExit>(); }))
    , m_platform(services.platform)
    , m_givenMessages(services.messages)
    , m_messages(std::make_unique<DrawFirstMessages>(
          *this, services.messages != nullptr ? *services.messages : *m_ownMessages))
    , m_engine(services.random != nullptr ? *services.random : *m_ownRandom, *m_messages,
               services.exit != nullptr ? *services.exit : *m_ownExit)
    , m_drawn(m_engine.view())
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Zelvarin"));
    setWindowIcon(QIcon(QStringLiteral(":/assets/zelvarin.ico")));
    // A fixed single border: a close box, no minimise or maximise box.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint |
                   Qt::MSWindowsFixedSizeDialogHint);

    setCentralWidget(new FormBackground(this));
    m_strip = std::make_unique<ResultStrip>(centralWidget());
    buildFrames();
    buildButtons();
    buildMenu();
    // The menu bar keeps its look while the About window has the window disabled.
    QPalette menuPalette = menuBar()->palette();
    keepLookWhenDisabled(menuPalette);
    menuBar()->setPalette(menuPalette);
    setTabOrder();
    layout()->setSizeConstraint(QLayout::SetFixedSize);
    adjustSize();
    if (const QScreen *s = screen())
        move(s->availableGeometry().center() - QPoint(width() / 2, height() / 2));
    m_command3->setFocus(); // the first control in tab order that can take the focus
}

Form1::~Form1() = default;

void Form1::buildMenu()
{
    QMenu *mnuTest = menuBar()->addMenu(tr("Тест"));
    mnuTest->setObjectName(QStringLiteral("mnuTest"));
    QAction *mnuNew = mnuTest->addAction(tr("Нов тест"));
    mnuNew->setObjectName(QStringLiteral("mnuNew"));
    mnuNew->setShortcut(Qt::Key_F2);
    mnuNew->setShortcutContext(Qt::WindowShortcut);
    connect(mnuNew, &QAction::triggered, this, &Form1::Command4_Click);
    mnuTest->addSeparator()->setObjectName(QStringLiteral("a"));
    QAction *mnuExit = mnuTest->addAction(tr("Изход"));
    mnuExit->setObjectName(QStringLiteral("mnuExit"));
    connect(mnuExit, &QAction::triggered, this, [this] { run(&QuizEngine::ExitProgram); });

    // A command on the menu bar itself: it acts when clicked and opens no drop-down.
    QAction *mnuAbout = menuBar()->addAction(tr("за Zelvarin"));
    mnuAbout->setObjectName(QStringLiteral("mnuAbout"));
    connect(mnuAbout, &QAction::triggered, this, &Form1::mnuAbout_Click);
}

void Form1::buildButtons()
{
    const QFont font = arial(11.25, true);
    const auto button = [this, &font](const QString &text, const char *name, int leftTwips) {
        auto *b = new CommandButton(text, centralWidget());
        b->setObjectName(QLatin1String(name));
        b->setFont(font);
        b->setGeometry(twipsRect(leftTwips, 7560, 2310, 375));
        b->setAutoDefault(true); // Enter presses the focused button, as Space does
        return b;
    };
    m_command4 = button(tr("Нов тест"), "Command4", 300);
    m_command1 = button(tr("Приеми отговора"), "Command1", 3105);
    m_command2 = button(tr("Следващ въпрос"), "Command2", 5940);
    m_command3 = button(tr("Изход"), "Command3", 8850);
    m_command1->setEnabled(false);
    m_command2->setEnabled(false);

    connect(m_command4, &QPushButton::clicked, this, &Form1::Command4_Click);
    connect(m_command1, &QPushButton::clicked, this, [this] { run(&QuizEngine::AcceptAnswer); });
    connect(m_command2, &QPushButton::clicked, this, [this] { run(&QuizEngine::NextQuestion); });
    connect(m_command3, &QPushButton::clicked, this, [this] { run(&QuizEngine::ExitProgram); });
}

void Form1::buildFrames()
{
    const MarkerPictures markers{loadPicture(QStringLiteral(":/assets/faces/neutral.bmp")),
                                 loadPicture(QStringLiteral(":/assets/faces/right.bmp")),
                                 loadPicture(QStringLiteral(":/assets/faces/wrong.bmp"))};
    const auto choose = [this](int question, OptionName option) {
        m_engine.chooseOption(question, option);
        drawView();
    };
    for (int i = 0; i < kQuestionCount; ++i) {
        auto *frame = new QuestionFrame(i, markers, choose, centralWidget());
        frame->setGeometry(twipsRect(300, 900, 10860, 6400));
        m_frames[static_cast<std::size_t>(i)] = frame;
    }
}

void Form1::setTabOrder()
{
    QList<QWidget *> order{m_command1, m_command2, m_command3, m_command4};
    for (QuestionFrame *frame : m_frames) {
        for (OptionButton *option : frame->tabOrder())
            order.append(option);
    }
    order.append(m_strip->tabOrder());
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

void Form1::Command4_Click()
{
    run(&QuizEngine::NewTest);
}

void Form1::mnuAbout_Click()
{
    if (m_platform == nullptr) {
        m_ownPlatform = makeSystemPlatform();
        m_platform = m_ownPlatform.get();
    }
    // The About window has no owner, so disabling this window leaves it usable; it is
    // kept above this window as its transient, or it could fall behind the disabled main
    // window and the program would look frozen.
    m_about = new frmAbout(*m_platform, m_givenMessages, windowIcon());
    connect(m_about, &QDialog::finished, this, &Form1::aboutClosed);
    m_about->winId();
    if (QWindow *w = m_about->windowHandle())
        w->setTransientParent(windowHandle());
    m_about->show();
    setEnabled(false);
    m_about->activateWindow();
}

void Form1::aboutClosed()
{
    setEnabled(true);
    activateWindow();
}

template<typename Operation> void Form1::run(Operation operation)
{
    (m_engine.*operation)();
    drawView();
}

void Form1::drawView()
{
    // Every property is compared, not the state as a whole: a click may have moved an
    // option button away from the state (in a frame that takes no choice) and is put back.
    const ViewState &now = m_engine.view();
    QWidget *const hadFocus = focusWidget();
    // Hide before show, so that two frames are never on view at once.
    for (int pass = 0; pass < 2; ++pass) {
        for (std::size_t i = 0; i < now.Frame.size(); ++i) {
            if ((pass == 0) == now.Frame[i].Visible)
                continue;
            m_frames[i]->draw(now.Frame[i], m_drawn.Frame[i]);
        }
    }
    m_strip->draw(now.Box, m_drawn.Box);
    if (now.Command1Enabled != m_drawn.Command1Enabled)
        m_command1->setEnabled(now.Command1Enabled);
    if (now.Command2Enabled != m_drawn.Command2Enabled)
        m_command2->setEnabled(now.Command2Enabled);
    m_drawn = now;
    passFocusOn(hadFocus);
}

void Form1::passFocusOn(QWidget *hadFocus)
{
    // A button that greys while it has the focus hands it to the next control in tab order;
    // after Next question that is Exit, and one more Space would end the program. Send the
    // focus where the pupil goes next instead.
    if (hadFocus == m_command1 && !m_command1->isEnabled()) {
        (m_command2->isEnabled() ? m_command2 : m_command4)->setFocus(Qt::OtherFocusReason);
    } else if (hadFocus == m_command2 && !m_command2->isEnabled()) {
        for (QuestionFrame *frame : m_frames) {
            if (frame->isVisibleTo(this))
                frame->tabOrder().front()->setFocus(Qt::TabFocusReason);
        }
    }
}

void Form1::closeEvent(QCloseEvent *event)
{
    // While the About window is open the main window is disabled and cannot be closed.
    if (!isEnabled())
        event->ignore();
    else
        QMainWindow::closeEvent(event);
}

} // namespace zelvarin::ui
