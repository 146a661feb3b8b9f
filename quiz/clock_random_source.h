#pragma once

#include "quiz/ports.h"

#include <random>

namespace zelvarin {

// The random source of the real program, reseeded from the clock at every new test. A
// generator with a one-word state keeps the reseed cheap (a Mersenne twister refills 312
// words each time); drawing 7 of 17 asks nothing more of it.
class ClockRandomSource final : public RandomSource
{
public:
    void reseedFromClock() override;
    double next() override;

private:
    std::minstd_rand m_engine;
    std::uniform_real_distribution<double> m_uniform{0.0, 1.0};
};

} // namespace zelvarin
