// Every operation out of turn: from each phase, and from inside each of the quiz's boxes.
// The window's greyed buttons are not the only guard; the quiz keeps its own rules.
#include "tests/support/quiz_play.h"

#include <gtest/gtest.h>

#include <tuple>

namespace zelvarin::testing {
namespace {

// A phase, or the box that opens in it: the no-answer box while Answering, the grade box as
// the test becomes Finished.
struct Moment
{
    Phase phase;
    bool inBox;
};
constexpr std::array kMoments{Moment{Phase::Idle, false},     Moment{Phase::Answering, false},
                              Moment{Phase::Answered, false}, Moment{Phase::Finished, false},
                              Moment{Phase::Answering, true}, Moment{Phase::Finished, true}};

std::string momentName(Moment m)
{
    if (m.inBox)
        return m.phase == Phase::Finished ? "GradeBox" : "NoAnswerBox";
    return phaseName(m.phase);
}

enum Operation { NewTest, AcceptAnswer, NextQuestion, ExitProgram, ChooseOption };
constexpr std::array kOperationNames{"NewTest", "AcceptAnswer", "NextQuestion", "ExitProgram",
                                     "chooseOption"};
// Where each operation acts: exactly where its button (or the answer on view) is usable.
constexpr std::array<std::array<bool, 4>, 5> kActs{{{true, true, true, true},
                                                    {false, true, false, false},
                                                    {false, false, true, false},
                                                    {true, true, true, true},
                                                    {false, true, false, false}}};

// Everything an operation can change, the world outside included.
auto snapshot(const EngineFixture &f)
{
    return std::tuple(f.engine.view(), f.engine.test(), f.messages.shown.size(), f.exit.calls,
                      f.random.reseeds);
}

// Brings the test to the moment; for a box, to just before the Accept that opens it.
void reach(EngineFixture &f, Moment m)
{
    if (m.phase == Phase::Finished) {
        playTo(f, 6, kAllRight, m.inBox ? LastStep::OnlyChosen : LastStep::Accepted);
    } else if (m.phase == Phase::Answered) {
        playTo(f, 2);
    } else if (m.phase == Phase::Answering) {
        playTo(f, 1);
        f.next(); // step 2 waits for its answer, none chosen
    }
}

void run(EngineFixture &f, Operation op)
{
    switch (op) {
    case NewTest:
        f.random.ask({3, 4, 5, 7, 9, 10, 12});
        f.engine.NewTest();
        break;
    case AcceptAnswer:
        f.engine.AcceptAnswer();
        break;
    case NextQuestion:
        f.engine.NextQuestion();
        break;
    case ExitProgram:
        f.engine.ExitProgram();
        break;
    case ChooseOption: // on the question of the step reached
        f.engine.chooseOption(
            kAsked[static_cast<std::size_t>(f.engine.test().CurrentStep.value_or(0))],
            OptionName::cc);
        break;
    }
}

class OutOfTurn : public ::testing::TestWithParam<std::tuple<Operation, Moment>>
{};

TEST_P(OutOfTurn, ActsOnlyWhereItsButtonIsUsableAndNeverInsideABox)
{
    const auto [op, moment] = GetParam();
    EngineFixture f;
    reach(f, moment);
    if (moment.inBox) {
        // A box runs a nested event loop, so anything may call back in while it is open.
        int boxes = 0;
        f.messages.whileOpen = [&f, &boxes, op = op, phase = moment.phase](const Shown &) {
            if (boxes++ > 0)
                return; // a box opened by the operation: counted below
            EXPECT_EQ(f.engine.phase(), phase);
            const auto before = snapshot(f);
            run(f, op);
            EXPECT_TRUE(snapshot(f) == before);
        };
        f.engine.AcceptAnswer();
        EXPECT_EQ(boxes, 1);
        EXPECT_EQ(f.engine.test().CurrentStep, moment.phase == Phase::Finished ? 6 : 2);
        return;
    }
    ASSERT_EQ(f.engine.phase(), moment.phase);
    const auto before = snapshot(f);
    run(f, op);
    EXPECT_EQ(!(snapshot(f) == before), kActs[op][static_cast<std::size_t>(moment.phase)]);
}

INSTANTIATE_TEST_SUITE_P(EveryOperationFromEveryPhaseAndBox, OutOfTurn,
                         ::testing::Combine(::testing::Values(NewTest, AcceptAnswer, NextQuestion,
                                                              ExitProgram, ChooseOption),
                                            ::testing::ValuesIn(kMoments)),
                         [](const auto &info) {
                             return std::string(kOperationNames[std::get<0>(info.param)]) + "In" +
                                    momentName(std::get<1>(info.param));
                         });

} // namespace
} // namespace zelvarin::testing
