#pragma once

#include "ports.h"
#include "quiz_engine.h"

#include <deque>
#include <functional>
#include <string>
#include <vector>

namespace zelvarin::testing {

// Hands out the numbers it was given, in order; past the script it repeats a spread of
// values so a test never hangs in the draw.
class ScriptedRandom final : public RandomSource
{
public:
    std::deque<double> script;
    int reseeds = 0;
    int served = 0;

    void reseedFromClock() override { ++reseeds; }
    double next() override
    {
        ++served;
        if (script.empty())
            return static_cast<double>(served % 17) / 17.0;
        const double r = script.front();
        script.pop_front();
        return r;
    }
};

struct ShownMessage
{
    std::string text;
    std::string title;
    MessageIcon icon;
    ViewState viewWhenShown;
};

// Records every box and the view state at the moment it opened.
class RecordingMessages final : public MessagePort
{
public:
    std::vector<ShownMessage> shown;
    std::function<const ViewState &()> currentView;

    void show(std::string_view text, std::string_view title, MessageIcon icon) override
    {
        shown.push_back({std::string(text), std::string(title), icon,
                         currentView ? currentView() : ViewState{}});
    }
};

class RecordingExit final : public ProgramExit
{
public:
    int calls = 0;
    void exitNow() override { ++calls; }
};

// An engine with scripted ports that records the view at every message.
struct EngineFixture
{
    ScriptedRandom random;
    RecordingMessages messages;
    RecordingExit exit;
    QuizEngine engine{random, messages, exit};

    EngineFixture()
    {
        messages.currentView = [this]() -> const ViewState & { return engine.view(); };
    }

    // The value that draws question q.
    static double drawing(int q) { return (q + 0.5) / 17.0; }

    // A new test that asks the given questions in this order.
    void newTestAsking(const std::array<int, 7> &questions)
    {
        for (int q : questions)
            random.script.push_back(drawing(q));
        engine.NewTest();
    }

    int onView() const
    {
        return engine.test().QuestionOrder[static_cast<std::size_t>(*engine.test().CurrentStep)];
    }
};

} // namespace zelvarin::testing
