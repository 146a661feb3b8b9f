#pragma once

#include "quiz/ports.h"
#include "quiz/question.h"

#include <array>
#include <deque>
#include <functional>
#include <ostream>
#include <string>
#include <string_view>
#include <vector>

// The doubles of the quiz's ports (quiz/ports.h): boxes and the program's exit recorded, and
// the random source scripted.
namespace zelvarin::testing {

// A box as it was shown; a test compares the boxes it expects with these, whole.
struct Shown
{
    std::string text;
    std::string title;
    MessageIcon icon;

    bool operator==(const Shown &) const = default;
};

inline std::ostream &operator<<(std::ostream &out, const Shown &s)
{
    return out << '"' << s.text << "\" titled \"" << s.title << "\" icon "
               << static_cast<int>(s.icon);
}

// Answers every box at once and records it. whileOpen runs while the box "is open", so a
// test can look at the window (or act on it) at that moment.
class RecordingMessages final : public MessagePort
{
public:
    std::vector<Shown> shown;
    std::function<void(const Shown &)> whileOpen;

    void show(std::string_view text, std::string_view title, MessageIcon icon) override
    {
        shown.push_back({std::string(text), std::string(title), icon});
        if (whileOpen)
            whileOpen(shown.back());
    }
};

class RecordingExit final : public ProgramExit
{
public:
    int calls = 0;
    void exitNow() override { ++calls; }
};

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
