#include "quiz/quiz_engine.h"

#include "quiz/grade.h"
#include "quiz/quiz_texts.h"

#include <algorithm>
#include <cmath>

namespace zelvarin {

namespace {

std::int16_t drawQuestion(RandomSource &random)
{
    // r < 1 keeps floor(r * 17) within 0..16; the clamp only guards against a source that
    // breaks that promise.
    const double drawn = std::floor(random.next() * kQuestionCount);
    return static_cast<std::int16_t>(std::clamp(drawn, 0.0, double{kQuestionCount - 1}));
}

} // namespace

QuizEngine::QuizEngine(RandomSource &random, MessagePort &messages, ProgramExit &exit)
    : m_random(random)
    , m_messages(messages)
    , m_exit(exit)
    , m_view(initialViewState())
{}

int QuizEngine::questionOnView() const
{
    return m_test.QuestionOrder[static_cast<std::size_t>(*m_test.CurrentStep)];
}

void QuizEngine::putOnView(int step)
{
    FrameView &frame =
        m_view
            .Frame[static_cast<std::size_t>(m_test.QuestionOrder[static_cast<std::size_t>(step)])];
    frame.Visible = true;
    frame.Caption = texts::stepCaption(step);
}

QuizEngine::Phase QuizEngine::phase() const
{
    if (!m_test.CurrentStep)
        return Phase::Idle;
    // Marking a step locks its frame, and only a new test unlocks the frames; each question
    // comes on view once a test, so the frame on view is locked exactly when it is marked.
    if (m_view.Frame[static_cast<std::size_t>(questionOnView())].Enabled)
        return Phase::Answering;
    return *m_test.CurrentStep < kStepCount - 1 ? Phase::Answered : Phase::Finished;
}

void QuizEngine::showMessage(std::string_view text, std::string_view title, MessageIcon icon)
{
    struct Open
    {
        bool &flag;
        explicit Open(bool &f)
            : flag(f)
        {
            flag = true;
        }
        ~Open() { flag = false; }
        Open(const Open &) = delete;
        Open &operator=(const Open &) = delete;
    } open(m_showingMessage);
    m_messages.show(text, title, icon);
}

void QuizEngine::NewTest()
{
    if (m_showingMessage)
        return;
    m_random.reseedFromClock();

    auto &order = m_test.QuestionOrder;
    order[0] = drawQuestion(m_random);
    for (std::size_t i = 1; i < kStepCount; ++i) {
        do {
            m_test.DrawIsUnique = true;
            order[i] = drawQuestion(m_random);
            for (std::size_t j = 0; j < i; ++j) {
                if (order[j] == order[i])
                    m_test.DrawIsUnique = false;
            }
        } while (!m_test.DrawIsUnique);
    }

    for (FrameView &frame : m_view.Frame)
        frame.Enabled = true;
    for (FrameView &frame : m_view.Frame)
        frame.Visible = false;
    m_test.CurrentStep = 0;
    m_test.CorrectCount = 0;
    putOnView(0);
    m_view.Command1Enabled = true;
    // Next question must not stay enabled from an answered step of the abandoned test:
    // pressing it would skip the first question of the new one.
    m_view.Command2Enabled = false;
    for (SlotView &slot : m_view.Box) {
        slot.Text.clear();
        slot.BackColor = colours::kSystemWindow;
    }
    for (FrameView &frame : m_view.Frame) {
        frame.Picture2Visible = true;
        frame.YesVisible = false;
        frame.NoVisible = false;
        for (OptionView &option : frame.Options) {
            option.ForeColor = colours::kBlack;
            option.Strikethrough = false;
            option.Value = false;
        }
    }
}

void QuizEngine::AcceptAnswer()
{
    // Marking a step twice would count the same answer twice.
    if (m_showingMessage || phase() != Phase::Answering)
        return;
    const int step = *m_test.CurrentStep;
    FrameView &frame = m_view.Frame[static_cast<std::size_t>(questionOnView())];
    const auto matchesKey = [&frame](OptionName n) { return keyNames(frame.Text1, n); };

    if (std::none_of(frame.Options.begin(), frame.Options.end(),
                     [](const OptionView &o) { return o.Value; })) {
        showMessage(texts::kNoAnswer, "", MessageIcon::Error);
        return;
    }

    for (OptionName chosen : kOptionNames) {
        if (!frame.option(chosen).Value || matchesKey(chosen))
            continue;
        frame.option(chosen).Strikethrough = true;
        frame.option(chosen).ForeColor = colours::kRed;
        for (OptionName other : kOptionNames) {
            if (other != chosen && matchesKey(other))
                frame.option(other).ForeColor = colours::kBlue;
        }
    }

    m_view.Command1Enabled = false;
    frame.Enabled = false;
    frame.NoVisible = true;
    frame.Picture2Visible = false;

    SlotView &slot = m_view.Box[static_cast<std::size_t>(step)];
    slot.BackColor = colours::kWrongSlot;
    slot.Text = texts::kWrong;

    if (step < kStepCount - 1)
        m_view.Command2Enabled = true;

    for (OptionName n : kOptionNames) {
        if (!matchesKey(n) || !frame.option(n).Value)
            continue;
        ++m_test.CorrectCount;
        slot.BackColor = colours::kRightSlot;
        slot.Text = texts::kRight;
        frame.YesVisible = true;
        frame.NoVisible = false;
        frame.option(n).ForeColor = colours::kBlue;
    }

    if (step == kStepCount - 1)
        ShowGrade();
}

void QuizEngine::NextQuestion()
{
    // Past the last step there is no question left in the drawn order: that is Finished.
    if (m_showingMessage || phase() != Phase::Answered)
        return;
    const int step = ++*m_test.CurrentStep;
    m_view.Frame[static_cast<std::size_t>(m_test.QuestionOrder[static_cast<std::size_t>(step - 1)])]
        .Visible = false;
    putOnView(step);
    m_view.Command2Enabled = false;
    m_view.Command1Enabled = true;
}

void QuizEngine::ShowGrade()
{
    showMessage(gradeMessage(m_test.CorrectCount), texts::kResultTitle, MessageIcon::Information);
    m_view.Frame[static_cast<std::size_t>(questionOnView())].Visible = false;
    for (SlotView &slot : m_view.Box) {
        slot.Text.clear();
        slot.BackColor = colours::kSystemWindow;
    }
}

void QuizEngine::ExitProgram()
{
    if (m_showingMessage)
        return;
    m_exit.exitNow();
}

void QuizEngine::chooseOption(int question, OptionName option)
{
    if (m_showingMessage || question < 0 || question >= kQuestionCount)
        return;
    FrameView &frame = m_view.Frame[static_cast<std::size_t>(question)];
    if (!frame.Visible || !frame.Enabled)
        return;
    for (OptionName n : kOptionNames)
        frame.option(n).Value = (n == option);
}

} // namespace zelvarin
