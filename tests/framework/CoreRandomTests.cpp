// Draws stay within their bounds, reach both of them, and two generators
// made one after the other do not repeat each other.
#include <cstdint>
#include <set>
#include <vector>

#include <gtest/gtest.h>

#include "Random.h"

namespace {

TEST(CoreRandom, SmallRangesCoverEveryValueAndNothingElse)
{
    struct Case {
        int32_t a, b, low, high;
    };
    const Case cases[] = {
        {1, 40, 1, 40},
        {40, 1, 1, 40}, // bounds given the wrong way round
        {-3, 3, -3, 3},
        {0, 0, 0, 0},
        {INT32_MAX - 2, INT32_MAX, INT32_MAX - 2, INT32_MAX},
        {INT32_MIN + 2, INT32_MIN, INT32_MIN, INT32_MIN + 2},
    };
    Random random;
    for (const auto& c : cases) {
        std::set<int32_t> seen;
        for (int i = 0; i < 4000; ++i) {
            const int32_t v = random.InRange(c.a, c.b);
            ASSERT_GE(v, c.low);
            ASSERT_LE(v, c.high);
            seen.insert(v);
        }
        EXPECT_EQ(seen.size(), static_cast<size_t>(c.high - c.low + 1)) << c.a << ".." << c.b;
    }
}

TEST(CoreRandom, FullRangeAndFreshGenerators)
{
    // Each press of the button makes a new generator; two made in the same
    // instant must not draw the same sequence.
    Random a;
    Random b;
    std::vector<int32_t> first, second;
    bool low = false, high = false;
    for (int i = 0; i < 200; ++i) {
        first.push_back(a.InRange(INT32_MIN, INT32_MAX));
        second.push_back(b.InRange(INT32_MAX, INT32_MIN));
        low = low || first.back() < -(1 << 30) || second.back() < -(1 << 30);
        high = high || first.back() > (1 << 30) || second.back() > (1 << 30);
    }
    EXPECT_TRUE(low);
    EXPECT_TRUE(high);
    EXPECT_NE(first, second);
}

} // namespace
