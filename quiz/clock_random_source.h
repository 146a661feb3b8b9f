#pragma once

#include "ports.h"

#include <random>

namespace zelvarin {

// The random source of the real program: a Mersenne twister reseeded from the clock.
class ClockRandomSource final : public RandomSource
{
public:
    void reseedFromClock() override;
    double next() override;

private:
    std::mt19937_64 m_engine;
    std::uniform_real_distribution<double> m_uniform{0.0, 1.0};
};

} // namespace zelvarin
