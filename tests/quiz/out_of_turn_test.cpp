// Every operation out of turn: from each phase, and from inside one of the quiz's own boxes.
// The window's greyed buttons are not the only guard; the quiz keeps its own rules.
#include "tests/quiz/engine_fixture.h"

#include <gtest/gtest.h>

#include <functional>
#include <tuple>

namespace zelvarin::testing {
namespace {

constexpr std::array<int, 7> kAsked{8, 2, 15, 0, 11, 6, 13}; // keys bb, bb, bb, aa, aa, cc, cc
constexpr std::array<OptionName, 7> kRight{OptionName::bb, OptionName::bb, OptionName::bb,
                                           OptionName::aa, OptionName::aa, OptionName::cc,
                                           OptionName::cc};

enum class Phase { Idle, Answering, Answered, Finished };
enum class Operation { NewTest, AcceptAnswer, NextQuestion, ExitProgram, chooseOption };

constexpr std::array<const char *, 4> kPhaseNames{"Idle", "Answering", "Answered", "Finished"};
constexpr std::array<const char *, 5> kOperationNames{"NewTest", "AcceptAnswer", "NextQuestion",
                                                      "ExitProgram", "chooseOption"};

// Whether an operation acts in a phase: exactly where its button (or the answer) is usable.
constexpr std::array<std::array<bool, 4>, 5> kActs{{
    /* NewTest      */ {true, true, true, true},
    /* AcceptAnswer */ {false, true, false, false},
    /* NextQuestion */ {false, false, true, false},
    /* ExitProgram  */ {true, true, true, true},
    /* chooseOption */ {false, true, false, false},
}};

// Everything an operation can change, the world outside included.
struct Snapshot
{
    ViewState view;
    TestState test;
    std::size_t boxes = 0;
    int exits = 0;
    int reseeds = 0;

    bool operator==(const Snapshot &) const = default;
};

Snapshot snapshot(const EngineFixture &f)
{
    return {f.engine.view(), f.engine.test(), f.messages.shown.size(), f.exit.calls,
            f.random.reseeds};
}

// Answers steps 0..last right, moving on between them.
void answer(EngineFixture &f, int last)
{
    for (int step = 0; step <= last; ++step) {
        if (step > 0)
            f.engine.NextQuestion();
        f.engine.chooseOption(kAsked[static_cast<std::size_t>(step)],
                              kRight[static_cast<std::size_t>(step)]);
        f.engine.AcceptAnswer();
    }
}

void reach(EngineFixture &f, Phase phase)
{
    if (phase == Phase::Idle)
        return;
    f.newTestAsking(kAsked);
    if (phase == Phase::Answering) {
        answer(f, 1);
        f.engine.NextQuestion(); // step 2 waits for its answer
    } else {
        answer(f, phase == Phase::Answered ? 2 : 6);
    }
}

void run(EngineFixture &f, Operation op)
{
    switch (op) {
    case Operation::NewTest:
        f.random.ask({3, 4, 5, 7, 9, 10, 12});
        f.engine.NewTest();
        break;
    case Operation::AcceptAnswer:
        f.engine.AcceptAnswer();
        break;
    case Operation::NextQuestion:
        f.engine.NextQuestion();
        break;
    case Operation::ExitProgram:
        f.engine.ExitProgram();
        break;
    case Operation::chooseOption: {
        // The question of the step reached (none on view before the first test).
        const auto step = f.engine.test().CurrentStep.value_or(0);
        f.engine.chooseOption(kAsked[static_cast<std::size_t>(step)], OptionName::cc);
        break;
    }
    }
}

class OutOfTurn : public ::testing::TestWithParam<std::tuple<Operation, Phase>>
{};

TEST_P(OutOfTurn, ActsOnlyWhereItsButtonIsUsable)
{
    const auto [op, phase] = GetParam();
    EngineFixture f;
    reach(f, phase);
    const Snapshot before = snapshot(f);
    run(f, op);
    const bool acted = !(snapshot(f) == before);
    EXPECT_EQ(acted, kActs[static_cast<std::size_t>(op)][static_cast<std::size_t>(phase)]);
}

INSTANTIATE_TEST_SUITE_P(
    EveryOperationFromEveryPhase, OutOfTurn,
    ::testing::Combine(
        ::testing::Values(Operation::NewTest, Operation::AcceptAnswer, Operation::NextQuestion,
                          Operation::ExitProgram, Operation::chooseOption),
        ::testing::Values(Phase::Idle, Phase::Answering, Phase::Answered, Phase::Finished)),
    [](const auto &info) {
        return std::string(kOperationNames[static_cast<std::size_t>(std::get<0>(info.param))]) +
               "In" + kPhaseNames[static_cast<std::size_t>(std::get<1>(info.param))];
    });

// A box runs a nested event loop, so anything may call back in while it is open: nothing
// starts until it has closed. Both of the quiz's boxes, each operation.
enum class Box { NoAnswer, Grade };

class WhileABoxIsOpen : public ::testing::TestWithParam<std::tuple<Operation, Box>>
{};

TEST_P(WhileABoxIsOpen, NothingStarts)
{
    const auto [op, box] = GetParam();
    EngineFixture f;
    if (box == Box::NoAnswer) {
        reach(f, Phase::Answering); // step 2, nothing chosen
    } else {
        f.newTestAsking(kAsked);
        answer(f, 5);
        f.engine.NextQuestion();
        f.engine.chooseOption(kAsked[6], kRight[6]);
    }
    int calls = 0;
    f.messages.whileOpen = [&f, &calls, op = op](const Shown &) {
        if (calls++ > 0)
            return; // a box opened by the operation itself would be a fault counted below
        const Snapshot before = snapshot(f);
        run(f, op);
        EXPECT_TRUE(snapshot(f) == before);
    };
    f.engine.AcceptAnswer();
    EXPECT_EQ(calls, 1);
    EXPECT_EQ(f.random.unscripted, 0);
    // The box closed as if nothing had been pressed.
    EXPECT_EQ(f.engine.view().Command1Enabled, box == Box::NoAnswer);
    EXPECT_EQ(f.engine.test().CurrentStep, box == Box::NoAnswer ? 2 : 6);
}

INSTANTIATE_TEST_SUITE_P(
    EachOperationInEachBox, WhileABoxIsOpen,
    ::testing::Combine(::testing::Values(Operation::NewTest, Operation::AcceptAnswer,
                                         Operation::NextQuestion, Operation::ExitProgram,
                                         Operation::chooseOption),
                       ::testing::Values(Box::NoAnswer, Box::Grade)),
    [](const auto &info) {
        return std::string(kOperationNames[static_cast<std::size_t>(std::get<0>(info.param))]) +
               (std::get<1>(info.param) == Box::Grade ? "InTheGradeBox" : "InTheNoAnswerBox");
    });

} // namespace
} // namespace zelvarin::testing
