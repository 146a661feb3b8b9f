#pragma once

#include "ports.h"
#include "question.h"

#include <cstddef>

namespace zelvarin::bench {

// Draws the questions 0, 1, 2, ... in turn, so that no draw is ever repeated and a test
// costs the same every time.
class SteppingRandom final : public RandomSource
{
public:
    void reseedFromClock() override {}
    double next() override
    {
        const double r = (static_cast<double>(m_next) + 0.5) / kQuestionCount;
        m_next = (m_next + 1) % kQuestionCount;
        return r;
    }

private:
    int m_next = 0;
};

// Boxes that close themselves at once: a benchmark never waits on a box.
class SilentMessages final : public MessagePort
{
public:
    void show(std::string_view /*text*/, std::string_view /*title*/, MessageIcon /*icon*/) override
    {
        ++m_shown;
    }
    std::size_t shown() const { return m_shown; }

private:
    std::size_t m_shown = 0;
};

class NoExit final : public ProgramExit
{
public:
    void exitNow() override {}
};

} // namespace zelvarin::bench
