// Every operation out of turn: from each phase, and from inside each of the quiz's boxes.
// The window's greyed buttons are not the only guard; the quiz keeps its own rules.
#include "tests/quiz/engine_fixture.h"

#include <gtest/gtest.h>

#include <tuple>

namespace zelvarin::testing {
namespace {

constexpr std::array<int, 7> kAsked{8, 2, 15, 0, 11, 6, 13}; // keys bb, bb, bb, aa, aa, cc, cc
constexpr std::array<OptionName, 7> kRight{OptionName::bb, OptionName::bb, OptionName::bb,
                                           OptionName::aa, OptionName::aa, OptionName::cc,
                                           OptionName::cc};

enum Phase { Idle, Answering, Answered, Finished, NoAnswerBox, GradeBox };
enum Operation { NewTest, AcceptAnswer, NextQuestion, ExitProgram, ChooseOption };
constexpr std::array kPhaseNames{"Idle",     "Answering",   "Answered",
                                 "Finished", "NoAnswerBox", "GradeBox"};
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

// A new test with steps 0..last answered right.
void answer(EngineFixture &f, int last)
{
    f.newTestAsking(kAsked);
    for (std::size_t step = 0; step <= static_cast<std::size_t>(last); ++step) {
        if (step > 0)
            f.engine.NextQuestion();
        f.engine.chooseOption(kAsked[step], kRight[step]);
        f.engine.AcceptAnswer();
    }
}

// Brings the test to the phase; for a box, to the moment before the Accept that opens it.
void reach(EngineFixture &f, Phase phase)
{
    if (phase == Idle)
        return;
    answer(f, phase == Answered ? 2 : phase == Finished ? 6 : phase == GradeBox ? 5 : 1);
    if (phase == Answering || phase == NoAnswerBox || phase == GradeBox)
        f.engine.NextQuestion(); // step 2 waits for its answer, or step 6
    if (phase == GradeBox)
        f.engine.chooseOption(kAsked[6], kRight[6]);
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

class OutOfTurn : public ::testing::TestWithParam<std::tuple<Operation, Phase>>
{};

TEST_P(OutOfTurn, ActsOnlyWhereItsButtonIsUsableAndNeverInsideABox)
{
    const auto [op, phase] = GetParam();
    EngineFixture f;
    reach(f, phase);
    if (phase == NoAnswerBox || phase == GradeBox) {
        // A box runs a nested event loop, so anything may call back in while it is open.
        int boxes = 0;
        f.messages.whileOpen = [&f, &boxes, op = op](const Shown &) {
            if (boxes++ > 0)
                return; // a box opened by the operation: counted below
            const auto before = snapshot(f);
            run(f, op);
            EXPECT_TRUE(snapshot(f) == before);
        };
        f.engine.AcceptAnswer();
        EXPECT_EQ(boxes, 1);
        EXPECT_EQ(f.engine.test().CurrentStep, phase == GradeBox ? 6 : 2);
        return;
    }
    const auto before = snapshot(f);
    run(f, op);
    EXPECT_EQ(!(snapshot(f) == before), kActs[op][phase]);
}

INSTANTIATE_TEST_SUITE_P(EveryOperationFromEveryPhaseAndBox, OutOfTurn,
                         ::testing::Combine(::testing::Values(NewTest, AcceptAnswer, NextQuestion,
                                                              ExitProgram, ChooseOption),
                                            ::testing::Values(Idle, Answering, Answered, Finished,
                                                              NoAnswerBox, GradeBox)),
                         [](const auto &info) {
                             return std::string(kOperationNames[std::get<0>(info.param)]) + "In" +
                                    kPhaseNames[std::get<1>(info.param)];
                         });

} // namespace
} // namespace zelvarin::testing
