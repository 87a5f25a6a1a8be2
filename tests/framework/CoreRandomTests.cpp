// Two generators made one after the other differ, and a full-range draw
// spreads over the whole range whichever way round the bounds come. (Narrow
// ranges, both bounds reached, are drawn through the main window.)
#include <algorithm>
#include <vector>
#include <gtest/gtest.h>
#include "Random.h"

namespace {

TEST(CoreRandom, FullRangeAndFreshGenerators)
{
    Random a, b; // made in the same instant, yet not the same sequence
    std::vector<int32_t> first, second;
    for (int i = 0; i < 200; ++i) {
        first.push_back(a.InRange(INT32_MIN, INT32_MAX));
        second.push_back(b.InRange(INT32_MAX, INT32_MIN));
    }
    EXPECT_NE(first, second);
    // Each of 200 draws misses a quarter of the range three times in four:
    // (3/4)^200, about 1e-25, is the chance that a sound draw fails here.
    for (const auto* draws : {&first, &second}) {
        EXPECT_LT(*std::min_element(draws->begin(), draws->end()), -(1 << 30));
        EXPECT_GT(*std::max_element(draws->begin(), draws->end()), 1 << 30);
    }
}

} // namespace
