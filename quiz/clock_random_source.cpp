#include "quiz/clock_random_source.h"

#include <chrono>
#include <cstdint>

namespace zelvarin {

void ClockRandomSource::reseedFromClock()
{
    const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    // Fold the clock's 64 bits into the generator's 31; a seed of 0 is mapped by the engine.
    const auto t = static_cast<std::uint64_t>(ticks);
    m_engine.seed(static_cast<std::uint_fast32_t>((t ^ (t >> 31U)) % 0x7FFFFFFFU));
}

double ClockRandomSource::next()
{
    // uniform_real_distribution may round up to its upper bound on some libraries; a draw
    // must stay below 1.
    double r = m_uniform(m_engine);
    while (r >= 1.0)
        r = m_uniform(m_engine);
    return r;
}

} // namespace zelvarin
