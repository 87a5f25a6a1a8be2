// Random draws stay within their bounds and reach both; two generators made
// one after the other differ. File types register once per object and are
// withdrawn on any change and on release.
#include <algorithm>
#include <memory>
#include <set>
#include <gtest/gtest.h>
#include "FileType.h"
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

TEST(CoreFileType, RegistersOnceAndWithdraws)
{
    const String name = "core-test-type";
    auto type = std::make_unique<FileType>();
    type->SetName(name);
    EXPECT_EQ(FileType::RegisteredCount(name), 0);
    EXPECT_EQ(static_cast<String>(*type), name);
    EXPECT_EQ(static_cast<String>(*type), name);
    EXPECT_EQ(FileType::RegisteredCount(name), 1);
    ASSERT_EQ(FileType::Registered(name), type.get());
    type->SetMacCreator(""); // any assignment withdraws, even one that changes nothing
    EXPECT_EQ(FileType::Registered(name), nullptr);
    static_cast<void>(static_cast<String>(*type));
    type.reset(); // released: withdrawn
    EXPECT_EQ(FileType::RegisteredCount(name), 0);
}
