// The draw of a new test: 7 distinct questions, repeats drawn again for their own step only;
// and the program's random source, whose numbers below 1 reach every question.
#include "quiz/clock_random_source.h"
#include "tests/support/quiz_play.h"

#include <gtest/gtest.h>

#include <array>
#include <set>

namespace zelvarin::testing {
namespace {

// The questions of the test's seven steps.
Asked asked(const QuizEngine &engine)
{
    Asked steps{};
    std::copy_n(engine.test().QuestionOrder.begin(), kStepCount, steps.begin());
    return steps;
}

TEST(Draw, SevenDistinctQuestionsAndUnusedSlotsStayZero)
{
    EngineFixture f;
    for (int round = 0; round < 50; ++round) {
        f.engine.NewTest();
        const auto &order = f.engine.test().QuestionOrder;
        std::set<int> drawn(order.begin(), order.begin() + 7);
        EXPECT_EQ(drawn.size(), 7U);
        EXPECT_GE(*drawn.begin(), 0);
        EXPECT_LE(*drawn.rbegin(), 16);
        for (std::size_t i = 7; i < order.size(); ++i)
            EXPECT_EQ(order[i], 0) << "slot " << i;
    }
}

TEST(Draw, RepeatedValueIsDrawnAgainForItsOwnStepOnly)
{
    EngineFixture f;
    // 5, 9, then 5 and 9 again (rejected for step 2), then 2, ...
    for (int q : {5, 9, 5, 9, 2, 2, 11, 0, 16, 7})
        f.random.script.push_back(ScriptedRandom::drawing(q));
    f.engine.NewTest();
    EXPECT_EQ(asked(f.engine), (Asked{5, 9, 2, 11, 0, 16, 7}));
    EXPECT_EQ(f.random.served, 10);
    EXPECT_TRUE(f.engine.test().DrawIsUnique);
}

TEST(Draw, ProductIsFlooredAcrossTheWholeRange)
{
    EngineFixture f;
    // The largest double below 1 must still give question 16, and 0 gives question 0.
    f.random.script = {0.0, 0.9999999999999999, 1.0 / 17.0, 0.9999 / 17.0 + 2.0 / 17.0, 0.5, 0.25,
                       0.75};
    f.engine.NewTest();
    EXPECT_EQ(asked(f.engine), (Asked{0, 16, 1, 2, 8, 4, 12}));
}

TEST(Draw, GeneratorIsReseededAtEveryNewTest)
{
    EngineFixture f;
    f.engine.NewTest();
    f.engine.NewTest();
    f.engine.NewTest();
    EXPECT_EQ(f.random.reseeds, 3);
}

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
} // namespace zelvarin::testing
