#pragma once

#include "quiz/ports.h"
#include "quiz/question.h"

#include <array>
#include <deque>

namespace zelvarin::testing {

// Hands out the numbers it was given, in order. Past the script it walks through the 17
// questions (0, 1, 2, ...), so a draw never waits forever for a value it has not had, and it
// counts those draws: one nobody scripted means a new test ran when none should have.
class ScriptedRandom final : public RandomSource
{
public:
    std::deque<double> script;
    int reseeds = 0;
    int served = 0;
    int unscripted = 0;

    void reseedFromClock() override { ++reseeds; }
    double next() override
    {
        ++served;
        if (script.empty())
            return drawing(unscripted++ % kQuestionCount);
        const double r = script.front();
        script.pop_front();
        return r;
    }

    // The number the draw turns into question q: floor(r * 17) = q for any fraction inside
    // (0, 1); kept away from the edges so rounding cannot move it.
    static double drawing(int question, double fraction = 0.5)
    {
        return (question + 0.05 + 0.9 * fraction) / kQuestionCount;
    }
    // The next new test asks these questions, in this order.
    void ask(const std::array<int, kStepCount> &questions)
    {
        for (int q : questions)
            script.push_back(drawing(q));
    }
};

} // namespace zelvarin::testing
