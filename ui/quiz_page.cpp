#include "ui/quiz_page.h"

#include "ui/command_button.h"
#include "ui/fonts.h"
#include "ui/option_button.h"
#include "ui/question_frame.h"
#include "ui/result_strip.h"
#include "ui/twips.h"
#include "ui/window_lock.h"

namespace zelvarin::ui {

// Draws the page before any box opens, so the box shows over what the quiz just did (the
// grade over the marked seventh answer).
class QuizPage::DrawFirstMessages final : public MessagePort
{
public:
    DrawFirstMessages(QuizPage &page, MessagePort &inner)
        : m_page(page)
        , m_inner(inner)
    {}
    void show(std::string_view text, std::string_view title, MessageIcon icon) override
    {
        m_page.drawView();
        m_inner.show(text, title, icon);
    }

private:
    QuizPage &m_page;
    MessagePort &m_inner;
};

QuizPage::QuizPage(RandomSource &random, WindowLock &lock, ProgramExit &exit, QWidget *parent)
    : FormBackground(parent)
    , m_lock(lock)
    , m_messages(std::make_unique<DrawFirstMessages>(*this, lock))
    , m_engine(random, *m_messages, exit)
    , m_drawn(m_engine.view())
    , m_resultStrip(std::make_unique<ResultStrip>(this))
{
    buildButtons();
    setTabOrder();
    m_exitButton->setFocus(); // the first control in tab order that can take the focus
}

QuizPage::~QuizPage() = default;

void QuizPage::buildButtons()
{
    const QFont font = arial(11.25, true);
    const auto button = [this, &font](const QString &text, const char *name, int leftTwips) {
        auto *b = new CommandButton(text, this);
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

    connect(m_newTestButton, &QPushButton::clicked, this, &QuizPage::newTest);
    connect(m_acceptButton, &QPushButton::clicked, this,
            [this] { run(&QuizEngine::AcceptAnswer); });
    connect(m_nextButton, &QPushButton::clicked, this, [this] { run(&QuizEngine::NextQuestion); });
    connect(m_exitButton, &QPushButton::clicked, this, &QuizPage::exitProgram);
}

void QuizPage::newTest()
{
    run(&QuizEngine::NewTest);
}

void QuizPage::exitProgram()
{
    run(&QuizEngine::ExitProgram);
}

QuestionFrame *QuizPage::frame(int question)
{
    QuestionFrame *built = m_frames[static_cast<std::size_t>(question)];
    return built != nullptr ? built : buildFrame(question);
}

QuestionFrame *QuizPage::buildFrame(int question)
{
    if (!m_faces) {
        m_faces = std::make_unique<MarkerPictures>(
            MarkerPictures{QImage(QStringLiteral(":/assets/faces/neutral.bmp")),
                           QImage(QStringLiteral(":/assets/faces/right.bmp")),
                           QImage(QStringLiteral(":/assets/faces/wrong.bmp"))});
    }
    const auto choose = [this](int q, OptionName option) {
        if (!m_lock.isHeld())
            m_engine.chooseOption(q, option);
        drawView(); // a refused choice is unchecked again
    };
    auto *built = new QuestionFrame(question, *m_faces, choose, this);
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

void QuizPage::setTabOrder()
{
    // The frames' answers come between the buttons and the strip as the frames are built.
    QList<QWidget *> order{m_acceptButton, m_nextButton, m_exitButton, m_newTestButton};
    order.append(m_resultStrip->tabOrder());
    for (qsizetype i = 1; i < order.size(); ++i)
        QWidget::setTabOrder(order[i - 1], order[i]);
}

template<typename Operation> void QuizPage::run(Operation operation)
{
    if (m_lock.isHeld())
        return;
    // New test always puts a question on view; Next question does once an answer is marked.
    const bool questionComes =
        operation == &QuizEngine::NewTest ||
        (operation == &QuizEngine::NextQuestion && m_engine.phase() == QuizEngine::Phase::Answered);
    (m_engine.*operation)();
    draw(questionComes);
}

void QuizPage::drawView()
{
    draw(false);
}

void QuizPage::draw(bool questionComes)
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
    const QString verdict = m_engine.phase() == QuizEngine::Phase::Answered && onView != nullptr
                                ? onView->accessibleDescription()
                                : QString();
    if (m_nextButton->accessibleDescription() != verdict)
        m_nextButton->setAccessibleDescription(verdict);

    // Buttons are enabled first and disabled last, with the focus moved in between: a
    // focused button that greys would hand the focus to the next control in tab order (Exit,
    // where one more Space ends the program), and a screen reader would say that control.
    if (now.Command1Enabled && !m_drawn.Command1Enabled)
        m_acceptButton->setEnabled(true);
    if (now.Command2Enabled && !m_drawn.Command2Enabled)
        m_nextButton->setEnabled(true);
    moveFocusAhead(onView, questionComes);
    if (!now.Command1Enabled && m_drawn.Command1Enabled)
        m_acceptButton->setEnabled(false);
    if (!now.Command2Enabled && m_drawn.Command2Enabled)
        m_nextButton->setEnabled(false);
    m_drawn = now;
}

void QuizPage::moveFocusAhead(QuestionFrame *onView, bool questionComes)
{
    // Where the pupil goes next: to the answers of a question that comes on view (the first
    // of a new test, however it was started, or the next one), and from an accepted answer to
    // Next question, or to New test after the last one.
    using Phase = QuizEngine::Phase;
    const Phase phase = m_engine.phase();
    QWidget *const hadFocus = window()->focusWidget();
    if (questionComes && onView != nullptr)
        onView->tabOrder().front()->setFocus(Qt::TabFocusReason);
    else if (hadFocus == m_acceptButton && phase != Phase::Answering)
        (phase == Phase::Answered ? m_nextButton : m_newTestButton)->setFocus(Qt::OtherFocusReason);
}

} // namespace zelvarin::ui
