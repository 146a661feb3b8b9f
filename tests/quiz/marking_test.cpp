// Accepting an answer: the guard, and the marks for every key and every choice.
#include "quiz/question_bank.h"
#include "quiz/quiz_texts.h"
#include "tests/support/quiz_play.h"

#include <gtest/gtest.h>

#include <tuple>

namespace zelvarin::testing {
namespace {

// Questions with the keys aa, bb and cc.
constexpr int kKeyAa = 0;
constexpr int kKeyBb = 1;
constexpr int kKeyCc = 3;

using MarkingCase = std::tuple<int, OptionName>; // the question, the answer chosen

class Marking : public ::testing::TestWithParam<MarkingCase>
{};

TEST_P(Marking, ChosenOptionIsMarkedAgainstTheKey)
{
    const auto [question, choice] = GetParam();
    EngineFixture f;
    playTo(f, 0, kAllRight, LastStep::Accepted, {4, question, 6, 7, 8, 9, 10}); // step 0 right
    f.next();
    f.choose(question, choice);
    f.accept();

    const FrameView &frame = f.engine.view().Frame[static_cast<std::size_t>(question)];
    // Read from the bank here, not through the engine's own comparison.
    const auto key = static_cast<OptionName>(QuestionBank[question].key[0] - 'a');
    const bool right = key == choice;
    for (OptionName n : kOptionNames) {
        const OptionView &o = frame.option(n);
        SCOPED_TRACE(std::string(nameOf(n)));
        EXPECT_EQ(o.Value, n == choice);
        EXPECT_EQ(o.Strikethrough, !right && n == choice);
        const Colour expected = n == key      ? colours::kBlue
                                : n == choice ? colours::kRed
                                              : colours::kBlack;
        EXPECT_EQ(o.ForeColor, expected);
    }
    EXPECT_EQ(frame.YesVisible, right);
    EXPECT_EQ(frame.NoVisible, !right);
    EXPECT_FALSE(frame.Picture2Visible);
    EXPECT_FALSE(frame.Enabled);
    EXPECT_TRUE(frame.Visible);

    // Slot 1 holds step 1, whatever the question's index.
    const SlotView &slot = f.engine.view().Box[1];
    EXPECT_EQ(slot.Text, right ? texts::kRight : texts::kWrong);
    EXPECT_EQ(slot.BackColor, right ? colours::kRightSlot : colours::kWrongSlot);
    EXPECT_EQ(f.engine.test().CorrectCount, right ? 2 : 1);
    EXPECT_FALSE(f.engine.view().Command1Enabled);
    EXPECT_TRUE(f.engine.view().Command2Enabled);
}

INSTANTIATE_TEST_SUITE_P(EveryKeyAndChoice, Marking,
                         ::testing::Combine(::testing::Values(kKeyAa, kKeyBb, kKeyCc),
                                            ::testing::ValuesIn(kOptionNames)),
                         [](const auto &info) {
                             return "Key_" +
                                    std::string(QuestionBank[std::get<0>(info.param)].key) +
                                    "_Chose_" + std::string(nameOf(std::get<1>(info.param)));
                         });

TEST(Guard, NoChoiceShowsTheMessageAndChangesNothing)
{
    EngineFixture f;
    f.newTestAsking({2, 3, 4, 5, 6, 7, 8});
    const ViewState viewBefore = f.engine.view();
    const TestState testBefore = f.engine.test();

    f.engine.AcceptAnswer();

    ASSERT_EQ(f.messages.shown, (std::vector<Shown>{{"Не сте отговорили на текущия въпрос!", "",
                                                     MessageIcon::Error}}));
    EXPECT_EQ(f.engine.view(), viewBefore);
    EXPECT_EQ(f.engine.test(), testBefore);

    // The pupil can choose and accept again for the same step.
    f.engine.chooseOption(2, OptionName::bb);
    f.engine.AcceptAnswer();
    EXPECT_EQ(f.engine.view().Box[0].Text, "Правилен");
    EXPECT_EQ(f.messages.shown.size(), 1U);
}

TEST(KeyComparison, KeyIsComparedExactlyAndCaseSensitively)
{
    for (OptionName n : kOptionNames) {
        EXPECT_TRUE(keyNames(nameOf(n), n));
        for (const char *odd : {"AA", "aa ", " aa", "Aa", ""}) {
            SCOPED_TRACE(odd);
            EXPECT_FALSE(keyNames(odd, n));
        }
    }
    EXPECT_FALSE(keyNames("bb", OptionName::aa));
}

TEST(Choosing, OptionsOfOneFrameExcludeEachOtherAndFramesAreIndependent)
{
    EngineFixture f;
    f.newTestAsking({3, 4, 5, 6, 7, 8, 9});
    f.engine.chooseOption(3, OptionName::aa);
    f.engine.chooseOption(3, OptionName::cc);
    const FrameView &frame = f.engine.view().Frame[3];
    EXPECT_FALSE(frame.option(OptionName::aa).Value);
    EXPECT_FALSE(frame.option(OptionName::bb).Value);
    EXPECT_TRUE(frame.option(OptionName::cc).Value);

    // Frame 4 is hidden: a click there (it cannot normally happen) changes nothing.
    f.engine.chooseOption(4, OptionName::bb);
    for (const OptionView &o : f.engine.view().Frame[4].Options)
        EXPECT_FALSE(o.Value);
}

TEST(Choosing, LockedFrameKeepsItsChoiceAndMarks)
{
    EngineFixture f;
    f.newTestAsking({3, 4, 5, 6, 7, 8, 9});
    f.engine.chooseOption(3, OptionName::bb);
    f.engine.AcceptAnswer();
    const FrameView marked = f.engine.view().Frame[3];
    f.engine.chooseOption(3, OptionName::cc);
    f.engine.chooseOption(3, OptionName::aa);
    EXPECT_EQ(f.engine.view().Frame[3], marked);
}

} // namespace
} // namespace zelvarin::testing
