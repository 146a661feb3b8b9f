#pragma once

#include "quiz/quiz_engine.h"
#include "tests/support/recording_ports.h"
#include "tests/support/scripted_random.h"

#include <array>
#include <vector>

namespace zelvarin::testing {

// An engine with scripted ports that records the view state at the moment each box opened.
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
    void newTestAsking(const std::array<int, 7> &questions)
    {
        random.ask(questions);
        engine.NewTest();
    }

    int onView() const
    {
        return engine.test().QuestionOrder[static_cast<std::size_t>(*engine.test().CurrentStep)];
    }
};

} // namespace zelvarin::testing
