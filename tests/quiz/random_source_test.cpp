// The program's random source: numbers below 1 that reach every question.
#include "quiz/clock_random_source.h"

#include <gtest/gtest.h>

#include <array>

namespace zelvarin {
namespace {

TEST(ClockRandomSource, DrawsStayBelowOneAndReachEveryQuestion)
{
    ClockRandomSource random;
    random.reseedFromClock();
    std::array<int, 17> hits{};
    for (int i = 0; i < 17000; ++i) {
        const double r = random.next();
        ASSERT_GE(r, 0.0);
        ASSERT_LT(r, 1.0);
        ++hits[static_cast<std::size_t>(r * 17)];
    }
    // Uniform: about 1000 each; far outside 800..1200 would mean a broken mapping.
    for (std::size_t q = 0; q < hits.size(); ++q) {
        EXPECT_GT(hits[q], 800) << q;
        EXPECT_LT(hits[q], 1200) << q;
    }
}

} // namespace
} // namespace zelvarin
