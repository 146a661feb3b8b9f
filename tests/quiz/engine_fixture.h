#pragma once

#include "quiz/quiz_engine.h"
#include "tests/support/quiz_play.h"
#include "tests/support/recording_ports.h"
#include "tests/support/scripted_random.h"

#include <vector>

namespace zelvarin::testing {

// An engine with scripted ports that records the view state at the moment each box opened.
// It is the pupil of playTo, acting on the engine directly.
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

    static double drawing(int q) { return ScriptedRandom::drawing(q); }

    // A new test that asks the given questions in this order.
    void newTestAsking(const Asked &questions)
    {
        random.ask(questions);
        engine.NewTest();
    }
    void choose(int question, OptionName n) { engine.chooseOption(question, n); }
    void accept() { engine.AcceptAnswer(); }
    void next() { engine.NextQuestion(); }
};

} // namespace zelvarin::testing
