#pragma once

#include "quiz/question_bank.h"
#include "quiz/quiz_engine.h"
#include "tests/support/port_doubles.h"

#include <array>
#include <cstddef>
#include <vector>

// Playing a test the same way whoever plays it: the engine in the model tests, the main
// window's controls in the window tests and the soak.
namespace zelvarin::testing {

using Phase = QuizEngine::Phase;
using Asked = std::array<int, kStepCount>;
// The questions a test asks where it does not matter which.
inline constexpr Asked kAsked{8, 2, 15, 0, 11, 6, 13};

// The key of a question, as the question bank has it.
inline OptionName keyOf(int question)
{
    for (OptionName n : kOptionNames) {
        if (keyNames(QuestionBank[static_cast<std::size_t>(question)].key, n))
            return n;
    }
    return OptionName::aa; // never: QuestionBank.KeysAreDistributedAsTheQuizExpects
}

// A wrong answer: the option after the key, round.
inline OptionName wrongOf(int question)
{
    return kOptionNames[(indexOf(keyOf(question)) + 1) % kOptionNames.size()];
}

inline OptionName answerOf(int question, bool right)
{
    return right ? keyOf(question) : wrongOf(question);
}

// Which steps are answered right.
using Rights = std::array<bool, kStepCount>;
inline constexpr Rights kAllRight{true, true, true, true, true, true, true};
inline constexpr Rights kAllWrong{};

enum class LastStep { Accepted, OnlyChosen };

// A new test asking `asked`, played to step `last`: each step's answer chosen (right where
// `rights` says) and accepted, with Next question between the steps; the answer of `last`
// is only chosen when told so. A Pupil can newTestAsking(asked), choose(question, option),
// accept() and next().
template<typename Pupil>
void playTo(Pupil &pupil, int last, const Rights &rights = kAllRight,
            LastStep lastStep = LastStep::Accepted, const Asked &asked = kAsked)
{
    pupil.newTestAsking(asked);
    for (int step = 0; step <= last; ++step) {
        const auto s = static_cast<std::size_t>(step);
        if (step > 0)
            pupil.next();
        pupil.choose(asked[s], answerOf(asked[s], rights[s]));
        if (step < last || lastStep == LastStep::Accepted)
            pupil.accept();
    }
}

// An engine with scripted ports that records the view state at the moment each box opened.
// It is the pupil of playTo in the model tests, acting on the engine directly.
struct EngineFixture
{
    ScriptedRandom random;
    RecordingMessages messages;
    RecordingExit exit;
    QuizEngine engine{random, messages, exit};
    std::vector<ViewState> viewsWhenShown;

    EngineFixture()
    {
        messages.whileOpen = [this](const Shown &) { viewsWhenShown.push_back(engine.view()); };
    }

    void newTestAsking(const Asked &questions)
    {
        random.ask(questions);
        engine.NewTest();
    }
    void choose(int question, OptionName n) { engine.chooseOption(question, n); }
    void accept() { engine.AcceptAnswer(); }
    void next() { engine.NextQuestion(); }
};

inline const char *phaseName(Phase phase)
{
    constexpr std::array<const char *, 4> kNames{"Idle", "Answering", "Answered", "Finished"};
    return kNames[static_cast<std::size_t>(phase)];
}

} // namespace zelvarin::testing
