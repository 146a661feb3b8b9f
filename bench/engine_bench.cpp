// The quiz operations one by one. NewTest and chooseOption can be repeated as they are;
// AcceptAnswer and NextQuestion each need a test brought to the right point first, which
// is done outside the timed part (manual timing, one clock pair per call; the ClockPair
// row shows what that pair costs on its own). AnswerCycle times a whole answer in the
// ordinary way as a cross-check.
#include "quiz/clock_random_source.h"
#include "quiz/quiz_engine.h"
#include "tests/support/port_doubles.h"

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

using zelvarin::OptionName;
using zelvarin::QuizEngine;
using Clock = std::chrono::steady_clock;

constexpr std::array kRotation{OptionName::aa, OptionName::bb, OptionName::cc};

// One engine with the program's own random source (reseeded from the clock at every test)
// and ports that never wait.
struct Rig
{
    zelvarin::ClockRandomSource random;
    zelvarin::testing::RecordingMessages messages;
    zelvarin::testing::RecordingExit exit;
    QuizEngine engine{random, messages, exit};
    std::size_t turn = 0;

    // The boxes are counted, not kept, so a long run does not grow.
    Rig()
    {
        messages.whileOpen = [this](const zelvarin::testing::Shown &) { messages.shown.clear(); };
    }

    int questionOnView() const
    {
        const auto &test = engine.test();
        return test.QuestionOrder[static_cast<std::size_t>(*test.CurrentStep)];
    }

    // Right and wrong answers by turns, as the options are chosen in rotation.
    void choose() { engine.chooseOption(questionOnView(), kRotation[turn++ % kRotation.size()]); }

    // Leaves a question on view that waits for its answer, with an option chosen.
    void readyToAccept()
    {
        const auto &view = engine.view();
        if (!engine.test().CurrentStep || (!view.Command1Enabled && !view.Command2Enabled))
            engine.NewTest();
        else if (view.Command2Enabled)
            engine.NextQuestion();
        choose();
    }

    // Leaves an answered question with Next question enabled.
    void readyForNext()
    {
        while (!engine.view().Command2Enabled) {
            readyToAccept();
            engine.AcceptAnswer();
        }
    }
};

template<typename Operation> double timed(Operation operation)
{
    const auto start = Clock::now();
    operation();
    const auto stop = Clock::now();
    return std::chrono::duration<double>(stop - start).count();
}

void NewTest(benchmark::State &state)
{
    Rig rig;
    for (auto _ : state) {
        rig.engine.NewTest();
        benchmark::DoNotOptimize(rig.engine.view());
    }
}

// The engine's own share of NewTest: the same with a random source that costs nothing.
void NewTestSteppingRandom(benchmark::State &state)
{
    zelvarin::testing::ScriptedRandom random;
    zelvarin::testing::RecordingMessages messages;
    zelvarin::testing::RecordingExit exit;
    QuizEngine engine{random, messages, exit};
    for (auto _ : state) {
        engine.NewTest();
        benchmark::DoNotOptimize(engine.view());
    }
}

void chooseOption(benchmark::State &state)
{
    Rig rig;
    rig.engine.NewTest();
    const int question = rig.questionOnView();
    std::size_t turn = 0;
    for (auto _ : state) {
        rig.engine.chooseOption(question, kRotation[turn++ % kRotation.size()]);
        benchmark::DoNotOptimize(rig.engine.view());
    }
}

void AcceptAnswer(benchmark::State &state)
{
    Rig rig;
    for (auto _ : state) {
        rig.readyToAccept();
        state.SetIterationTime(timed([&rig] { rig.engine.AcceptAnswer(); }));
        benchmark::DoNotOptimize(rig.engine.view());
    }
}

void NextQuestion(benchmark::State &state)
{
    Rig rig;
    for (auto _ : state) {
        rig.readyForNext();
        state.SetIterationTime(timed([&rig] { rig.engine.NextQuestion(); }));
        benchmark::DoNotOptimize(rig.engine.view());
    }
}

void ClockPair(benchmark::State &state)
{
    for (auto _ : state)
        state.SetIterationTime(timed([] { benchmark::ClobberMemory(); }));
}

// choose + accept + next (or a new test after the seventh answer), untimed set-up free.
void AnswerCycle(benchmark::State &state)
{
    Rig rig;
    rig.engine.NewTest();
    for (auto _ : state) {
        rig.choose();
        rig.engine.AcceptAnswer();
        if (rig.engine.view().Command2Enabled)
            rig.engine.NextQuestion();
        else
            rig.engine.NewTest();
        benchmark::DoNotOptimize(rig.engine.view());
    }
}

} // namespace

BENCHMARK(NewTest);
BENCHMARK(NewTestSteppingRandom);
BENCHMARK(chooseOption);
BENCHMARK(AcceptAnswer)->UseManualTime();
BENCHMARK(NextQuestion)->UseManualTime();
BENCHMARK(ClockPair)->UseManualTime();
BENCHMARK(AnswerCycle);

BENCHMARK_MAIN();
