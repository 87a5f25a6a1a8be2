// Reading the update list: version values and records.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <vector>
#include "UpdateList.h"

namespace {

// A title line's version ends at its first blank; parts and sums beyond
// 32 bits saturate instead of wrapping.
TEST(VersionValue, WeighsMajorMinorPatchOfTheTitleLine) {
    const std::pair<const char*, int32_t> cases[] = {
        {"1.0.2", 102}, {"1.0.10", 110}, {"1.0.3.9", 103}, {"2", 200}, {"1.1", 110}, {"", 0}, {"V1.1.0", 10},
        {"HTTP/1.0", 0}, {"HTTP/1.1", 10}, {"-1.0.0", -100}, {"1.0.9 beta-test", 109}, {" 1.1.0 leading blank", 0},
        {"1.1.0\r", 110}, {"21474836.4.7", INT32_MAX}, {"21474836.4.8", INT32_MAX}, {"99999999999.0.0", INT32_MAX},
        {"0.0.99999999999999999999", INT32_MAX}, {"1e400.0.0", INT32_MAX}, {"-99999999999.0.0", INT32_MIN},
        {"2147483647.2147483647.2147483647", INT32_MAX}, {"-2147483648.2147483647.2147483647", INT32_MIN},
    };
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(TitleVersionValue(text), value) << text;
        EXPECT_TRUE(std::strchr(text, ' ') || VersionValue(text) == value) << text << " gives " << VersionValue(text);
    }
}

TEST(ParseUpdateList, RecordsInPageOrderAndTheBestVersion) {
    struct Case {
        const char* name;
        String page;
        std::vector<std::vector<String>> records; // title, address, information
        int32_t best;
    };
    const Case cases[] = {
        {"worked example", "1.1.0 New release\nhttp://a.test/110\nLine one.\nLine two.\n----\r\n"
                           "1.0.2 Current release\nhttp://a.test/102\nLine three.\n",
         {{"1.1.0 New release", "http://a.test/110", "Line one.\rLine two.\r"},
          {"1.0.2 Current release", "http://a.test/102", "Line three.\r"}},
         110},
        {"one-line record", "1.2.0 Title only", {{"1.2.0 Title only", "", ""}}, 120},
        {"two-line record", "1.2.0 Title\nhttp://a.test/", {{"1.2.0 Title", "http://a.test/", ""}}, 120},
        {"CR LF file", "1.1.0 New\r\nhttp://a.test/\r\nL1\r\nL2\r\n",
         {{"1.1.0 New\r", "http://a.test/\r", "L1\r\rL2\r\r"}}, 110},
        {"separator needs CR LF", "1.1.0 a\nu\n----\n1.2.0 b\n", {{"1.1.0 a", "u", "----\r1.2.0 b\r"}}, 110},
        {"best never below 0", "-1.0.0 Minus\nu\n", {{"-1.0.0 Minus", "u", ""}}, 0},
        {"empty page", "", {}, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        UpdateList list = ParseUpdateList(c.page);
        ASSERT_NE(list.info, nullptr);
        const UpdateInfoClass& info = *list.info;
        std::vector<std::vector<String>> got;
        for (int32_t i = 1; i <= info.OS.Ubound(); ++i) got.push_back({info.OS(i), info.newurl(i), info.Updateinfo(i)});
        EXPECT_EQ(got, c.records);
        EXPECT_EQ(list.best, c.best);
    }
}

} // namespace
