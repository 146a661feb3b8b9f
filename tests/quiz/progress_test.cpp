// Moving through a test, the grade, new tests from every phase, and exit.
#include "quiz/grade.h"
#include "quiz/quiz_texts.h"
#include "tests/support/quiz_play.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace zelvarin::testing {
namespace {

int visibleFrames(const ViewState &view)
{
    return static_cast<int>(
        std::count_if(view.Frame.begin(), view.Frame.end(), [](auto &f) { return f.Visible; }));
}

TEST(WholeTest, FromDrawToGradeAndClearedStrip)
{
    EngineFixture f;
    f.newTestAsking(kAsked);
    const Rights rightAt{true, false, true, true, false, true, true};

    for (int step = 0; step < 7; ++step) {
        const int q = kAsked[static_cast<std::size_t>(step)];
        if (step > 0) {
            f.engine.NextQuestion();
            EXPECT_FALSE(f.engine.view().Frame[static_cast<std::size_t>(kAsked[step - 1])].Visible);
        }
        const FrameView &frame = f.engine.view().Frame[static_cast<std::size_t>(q)];
        EXPECT_EQ(visibleFrames(f.engine.view()), 1);
        EXPECT_TRUE(frame.Visible);
        EXPECT_TRUE(frame.Enabled);
        EXPECT_EQ(frame.Caption, " " + std::to_string(step + 1) + "-и   въпрос ");
        EXPECT_TRUE(f.engine.view().Command1Enabled);
        EXPECT_FALSE(f.engine.view().Command2Enabled);
        f.engine.chooseOption(q, answerOf(q, rightAt[static_cast<std::size_t>(step)]));
        f.engine.AcceptAnswer();
        EXPECT_EQ(f.engine.view().Command2Enabled, step < 6);
    }

    // The grade box opened over the marked seventh question and the filled strip.
    ASSERT_EQ(
        f.messages.shown,
        (std::vector<Shown>{{"Отговорихте правилно на 5 въпроса и оценката Ви е Мн. добър (5)",
                             "Резултат", MessageIcon::Information}}));
    const ViewState &shownOver = f.viewsWhenShown[0];
    EXPECT_TRUE(shownOver.Frame[13].Visible);
    EXPECT_TRUE(shownOver.Frame[13].YesVisible);
    EXPECT_EQ(shownOver.Box[6].Text, "Правилен");
    EXPECT_EQ(shownOver.Box[1].Text, "Грешен");
    EXPECT_FALSE(shownOver.Command2Enabled);

    // After the box: no frame, an empty strip in the window colour, both buttons greyed.
    const ViewState &view = f.engine.view();
    EXPECT_EQ(visibleFrames(view), 0);
    for (const SlotView &slot : view.Box) {
        EXPECT_EQ(slot.Text, "");
        EXPECT_EQ(slot.BackColor, colours::kSystemWindow);
    }
    EXPECT_FALSE(view.Command1Enabled);
    EXPECT_FALSE(view.Command2Enabled);
    EXPECT_EQ(*f.engine.test().CurrentStep, 6);
    EXPECT_EQ(f.engine.test().CorrectCount, 5);
}

struct GradeCase
{
    int correct;
    const char *message;
};

class Grade : public ::testing::TestWithParam<GradeCase>
{};

TEST_P(Grade, MessageForEveryCount)
{
    const GradeCase c = GetParam();
    EngineFixture f;
    Rights rightAt{};
    for (int i = 0; i < c.correct; ++i)
        rightAt[static_cast<std::size_t>(i)] = true;
    playTo(f, 6, rightAt);
    ASSERT_EQ(f.messages.shown.size(), 1U);
    EXPECT_EQ(f.messages.shown[0].text, c.message);
}

INSTANTIATE_TEST_SUITE_P(
    ZeroToSeven, Grade,
    ::testing::Values(
        GradeCase{0, "Отговорихте правилно на 0 въпроса и оценката Ви е Слаб (2)"},
        GradeCase{1, "Отговорихте правилно на 1 въпроса и оценката Ви е Слаб (2)"},
        GradeCase{2, "Отговорихте правилно на 2 въпроса и оценката Ви е Слаб (2)"},
        GradeCase{3, "Отговорихте правилно на 3 въпроса и оценката Ви е Среден (3)"},
        GradeCase{4, "Отговорихте правилно на 4 въпроса и оценката Ви е Добър (4)"},
        GradeCase{5, "Отговорихте правилно на 5 въпроса и оценката Ви е Мн. добър (5)"},
        GradeCase{6, "Отговорихте правилно на 6 въпроса и оценката Ви е Отличен (6)"},
        GradeCase{7, "Отговорихте правилно на 7 въпроса и оценката Ви е Отличен (6)"}),
    [](const auto &info) { return "Correct" + std::to_string(info.param.correct); });

TEST(GradeTable, CountsOutsideTheTableTakeGradeTwo)
{
    EXPECT_EQ(gradeMessage(8), "Отговорихте правилно на 8 въпроса и оценката Ви е Слаб (2)");
    EXPECT_EQ(gradeMessage(-1), "Отговорихте правилно на -1 въпроса и оценката Ви е Слаб (2)");
}

class NewTestFrom : public ::testing::TestWithParam<Phase>
{};

TEST_P(NewTestFrom, EveryPhaseLeadsToAFreshFirstStep)
{
    EngineFixture f;
    switch (GetParam()) {
    case Phase::Idle:
        break;
    case Phase::Answering:
        playTo(f, 2, kAllWrong, LastStep::OnlyChosen);
        break;
    case Phase::Answered:
        playTo(f, 2);
        break;
    case Phase::Finished:
        playTo(f, 6, kAllWrong);
        break;
    }
    ASSERT_EQ(f.engine.phase(), GetParam());

    const Asked next{15, 2, 9, 1, 0, 4, 16};
    f.newTestAsking(next);

    const ViewState &view = f.engine.view();
    EXPECT_EQ(visibleFrames(view), 1);
    EXPECT_TRUE(view.Frame[15].Visible);
    EXPECT_EQ(view.Frame[15].Caption, " 1-и   въпрос ");
    EXPECT_TRUE(view.Command1Enabled);
    // Next question is greyed whatever the phase, so the first question cannot be skipped.
    EXPECT_FALSE(view.Command2Enabled);
    EXPECT_EQ(*f.engine.test().CurrentStep, 0);
    EXPECT_EQ(f.engine.test().CorrectCount, 0);
    for (std::size_t i = 0; i < view.Frame.size(); ++i) {
        const FrameView &frame = view.Frame[i];
        SCOPED_TRACE("frame " + std::to_string(i));
        EXPECT_TRUE(frame.Enabled);
        EXPECT_TRUE(frame.Picture2Visible);
        EXPECT_FALSE(frame.YesVisible);
        EXPECT_FALSE(frame.NoVisible);
        for (const OptionView &o : frame.Options)
            EXPECT_EQ(o, (OptionView{false, colours::kBlack, false}));
    }
    for (const SlotView &slot : view.Box)
        EXPECT_EQ(slot, (SlotView{"", colours::kSystemWindow}));
}

INSTANTIATE_TEST_SUITE_P(Phases, NewTestFrom,
                         ::testing::Values(Phase::Idle, Phase::Answering, Phase::Answered,
                                           Phase::Finished),
                         [](const auto &info) { return std::string(phaseName(info.param)); });

TEST(Frames, HiddenFramesKeepTheirLastCaption)
{
    EngineFixture f;
    EXPECT_EQ(f.engine.view().Frame[kAsked[1]].Caption, "Frame1");
    playTo(f, 1, kAllWrong);
    f.newTestAsking({3, 4, 5, 6, 7, 9, 10});
    EXPECT_EQ(f.engine.view().Frame[kAsked[1]].Caption, " 2-и   въпрос ");
    EXPECT_EQ(f.engine.view().Frame[kAsked[2]].Caption, "Frame1");
}

TEST(Exit, EndsTheProgramInAnyPhase)
{
    EngineFixture f;
    f.engine.ExitProgram();
    f.newTestAsking(kAsked);
    f.engine.ExitProgram();
    EXPECT_EQ(f.exit.calls, 2);
    EXPECT_TRUE(f.messages.shown.empty());
}

} // namespace
} // namespace zelvarin::testing
