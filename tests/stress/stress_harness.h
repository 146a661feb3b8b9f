#pragma once

#include "ports.h"

#include <QByteArray>
#include <QtGlobal>

#include <cstdint>
#include <deque>

// Pieces the random-event test and the soak test share.
namespace zelvarin::stress {

// Draws exactly what the test scripted. A draw that nobody scripted means a new test ran
// when the pupil's action should not have started one; it is counted, and the numbers then
// handed out still let the draw end.
class DrawScript final : public RandomSource
{
public:
    std::deque<double> script;
    int reseeds = 0;
    int unexpectedDraws = 0;

    void reseedFromClock() override { ++reseeds; }
    double next() override
    {
        if (script.empty()) {
            ++unexpectedDraws;
            return (unexpectedDraws % 17 + 0.5) / 17.0;
        }
        const double r = script.front();
        script.pop_front();
        return r;
    }
    // A number that the draw turns into question q: floor(r * 17) = q for any fraction
    // inside (0, 1), kept away from the edges so rounding cannot move it.
    void push(int question, double fraction)
    {
        script.push_back((question + 0.05 + 0.9 * fraction) / 17.0);
    }
};

// A count from the test's environment, or the default when it is unset or not a number.
inline std::uint64_t envCount(const char *name, std::uint64_t fallback)
{
    bool ok = false;
    const std::uint64_t value = qEnvironmentVariable(name).toULongLong(&ok, 0);
    return ok ? value : fallback;
}

} // namespace zelvarin::stress
