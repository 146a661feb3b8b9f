#pragma once

#include "quiz/colour.h"
#include "quiz/ports.h"
#include "quiz/question_bank.h"
#include "quiz/quiz_engine.h"
#include "quiz/view_state.h"
#include "tests/support/port_doubles.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

// What the main window must show after anything a pupil does, worked out here from the
// pupil's actions alone. It shares nothing with the quiz engine but the shape of the view
// state it is compared with and the names of the phases, so a fault in the engine cannot
// hide in both.
namespace zelvarin::stress {

using Phase = QuizEngine::Phase;
using zelvarin::testing::Shown;

inline constexpr Colour kBlack = 0x00000000;
inline constexpr Colour kRed = 0x000000FF;
inline constexpr Colour kBlue = 0x00FF0000;
inline constexpr Colour kWrongSlot = 0x00A2B9FF;
inline constexpr Colour kRightSlot = 0x00FFFF80;
inline constexpr Colour kEmptySlot = 0x80000005;

inline const std::string kRightText = "Правилен";
inline const std::string kWrongText = "Грешен";
inline const std::string kNoAnswerText = "Не сте отговорили на текущия въпрос!";

// " 3-и   въпрос " for step 2: the number has a blank in front and "-и   въпрос " after it.
inline std::string stepCaption(int step)
{
    return " " + std::to_string(step + 1) + "-и   въпрос ";
}

inline std::string gradeMessage(int right)
{
    constexpr std::array<const char *, 8> kGrades{"Слаб (2)",    "Слаб (2)",   "Слаб (2)",
                                                  "Среден (3)",  "Добър (4)",  "Мн. добър (5)",
                                                  "Отличен (6)", "Отличен (6)"};
    return "Отговорихте правилно на " + std::to_string(right) + " въпроса и оценката Ви е " +
           kGrades.at(static_cast<std::size_t>(right));
}

class PhaseModel
{
public:
    // startView: the window as it opens, which no action changes until the first new test.
    explicit PhaseModel(ViewState startView)
        : m_startView(std::move(startView))
    {
        m_captions.fill("Frame1");
    }

    Phase phase() const { return m_phase; }
    int step() const { return m_step; }
    int correct() const { return m_correct; }
    int finishedTests() const { return m_finished; }
    int newTests() const { return m_newTests; }
    const std::array<int, kStepCount> &order() const { return m_order; }

    bool acceptEnabled() const { return m_phase == Phase::Answering; }
    bool nextEnabled() const { return m_phase == Phase::Answered; }
    // The frame on view, if any.
    std::optional<int> questionOnView() const
    {
        if (m_phase == Phase::Answering || m_phase == Phase::Answered)
            return m_order[static_cast<std::size_t>(m_step)];
        return std::nullopt;
    }
    std::optional<OptionName> choiceOnView() const { return m_choice; }
    // Whether the pupil can change the choice in this frame now.
    bool takesChoice(int question) const
    {
        return m_phase == Phase::Answering && questionOnView() == question;
    }

    void newTest(const std::array<int, kStepCount> &order)
    {
        ++m_newTests;
        m_phase = Phase::Answering;
        m_order = order;
        m_step = 0;
        m_correct = 0;
        m_choice.reset();
        m_marked.fill(std::nullopt);
        m_captions[static_cast<std::size_t>(m_order[0])] = stepCaption(0);
    }

    void choose(int question, OptionName n)
    {
        if (takesChoice(question))
            m_choice = n;
    }

    // Accept answer; returns the boxes it shows.
    std::vector<Shown> accept()
    {
        if (m_phase != Phase::Answering)
            return {};
        if (!m_choice)
            return {{kNoAnswerText, "", MessageIcon::Error}};
        m_marked[static_cast<std::size_t>(m_step)] = *m_choice;
        if (isRight(m_step))
            ++m_correct;
        m_choice.reset();
        if (m_step < kStepCount - 1) {
            m_phase = Phase::Answered;
            return {};
        }
        m_phase = Phase::Finished;
        ++m_finished;
        return {{gradeMessage(m_correct), "Резултат", MessageIcon::Information}};
    }

    void next()
    {
        if (m_phase != Phase::Answered)
            return;
        ++m_step;
        m_phase = Phase::Answering;
        m_captions[static_cast<std::size_t>(m_order[static_cast<std::size_t>(m_step)])] =
            stepCaption(m_step);
    }

    // The whole view state the window must hold now.
    ViewState expectedView() const
    {
        if (m_phase == Phase::Idle)
            return m_startView;
        ViewState v;
        for (int q = 0; q < kQuestionCount; ++q) {
            FrameView &f = v.Frame[static_cast<std::size_t>(q)];
            f.Visible = false;
            f.Enabled = true;
            f.Caption = m_captions[static_cast<std::size_t>(q)];
            f.Picture2Visible = true;
            f.YesVisible = false;
            f.NoVisible = false;
            f.Text1 = std::string(QuestionBank[static_cast<std::size_t>(q)].key);
            for (OptionView &o : f.Options)
                o = OptionView{false, kBlack, false};
        }
        for (int s = 0; s < kStepCount; ++s) {
            const auto &chosen = m_marked[static_cast<std::size_t>(s)];
            if (!chosen)
                continue;
            FrameView &f = frameOfStep(v, s);
            const bool right = isRight(s);
            f.Enabled = false;
            f.Picture2Visible = false;
            f.YesVisible = right;
            f.NoVisible = !right;
            for (OptionName n : kOptionNames) {
                OptionView &o = f.option(n);
                o.Value = n == *chosen;
                if (nameOf(n) == f.Text1)
                    o.ForeColor = kBlue;
                else if (n == *chosen)
                    o.ForeColor = kRed;
                o.Strikethrough = n == *chosen && !right;
            }
        }
        if (const auto q = questionOnView()) {
            FrameView &f = v.Frame[static_cast<std::size_t>(*q)];
            f.Visible = true;
            if (m_phase == Phase::Answering && m_choice)
                f.option(*m_choice).Value = true;
        }
        for (int s = 0; s < kStepCount; ++s) {
            SlotView &slot = v.Box[static_cast<std::size_t>(s)];
            const bool shown = m_phase != Phase::Finished && m_marked[static_cast<std::size_t>(s)];
            slot.Text = !shown ? "" : isRight(s) ? kRightText : kWrongText;
            slot.BackColor = !shown ? kEmptySlot : isRight(s) ? kRightSlot : kWrongSlot;
        }
        v.Command1Enabled = acceptEnabled();
        v.Command2Enabled = nextEnabled();
        return v;
    }

private:
    bool isRight(int s) const
    {
        const int q = m_order[static_cast<std::size_t>(s)];
        return nameOf(*m_marked[static_cast<std::size_t>(s)]) ==
               QuestionBank[static_cast<std::size_t>(q)].key;
    }
    FrameView &frameOfStep(ViewState &v, int s) const
    {
        return v.Frame[static_cast<std::size_t>(m_order[static_cast<std::size_t>(s)])];
    }

    ViewState m_startView;
    Phase m_phase = Phase::Idle;
    int m_step = 0;
    int m_correct = 0;
    int m_finished = 0;
    int m_newTests = 0;
    std::array<int, kStepCount> m_order{};
    std::optional<OptionName> m_choice; // of the frame on view, while answering
    std::array<std::optional<OptionName>, kStepCount> m_marked{};
    std::array<std::string, kQuestionCount> m_captions;
};

} // namespace zelvarin::stress
