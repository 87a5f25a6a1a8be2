// Random draws stay within their bounds and reach both; two generators made
// one after the other differ.
#include <algorithm>
#include <set>
#include <gtest/gtest.h>
#include "Random.h"

TEST(CoreRandom, SmallRangesCoverEveryValueAndNothingElse)
{
    struct Case { int32_t a, b, low, high; };
    const Case cases[] = {
        {1, 40, 1, 40}, {40, 1, 1, 40}, {0, 0, 0, 0}, // bounds may come the wrong way round
        {INT32_MAX - 2, INT32_MAX, INT32_MAX - 2, INT32_MAX}, {INT32_MIN + 2, INT32_MIN, INT32_MIN, INT32_MIN + 2}};
    Random random;
    for (const auto& c : cases) {
        std::set<int32_t> seen;
        for (int i = 0; i < 4000; ++i) seen.insert(random.InRange(c.a, c.b));
        EXPECT_EQ(std::pair(*seen.begin(), *seen.rbegin()), std::pair(c.low, c.high)) << c.a << ".." << c.b;
        EXPECT_EQ(seen.size(), static_cast<size_t>(c.high - c.low + 1)) << c.a << ".." << c.b;
    }
}

TEST(CoreRandom, FullRangeAndFreshGenerators)
{
    Random a, b; // made in the same instant, yet not the same sequence
    std::vector<int32_t> first, second;
    for (int i = 0; i < 200; ++i) {
        first.push_back(a.InRange(INT32_MIN, INT32_MAX));
        second.push_back(b.InRange(INT32_MAX, INT32_MIN));
    }
    EXPECT_NE(first, second);
    EXPECT_LT(*std::min_element(first.begin(), first.end()), -(1 << 30));
    EXPECT_GT(*std::max_element(second.begin(), second.end()), 1 << 30);
}
