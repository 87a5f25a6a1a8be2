// Reading the update list: version values and records.
#include <gtest/gtest.h>

#include <climits>
#include <cstring>
#include <random>
#include <vector>
#include "PlainUpdateListReader.h"
#include "UpdateList.h"

namespace {

using Records = std::vector<std::vector<String>>; // title, address, information

Records RecordsOf(const UpdateList& list)
{
    Records got;
    const UpdateInfoClass& info = *list.info;
    for (int32_t i = 1; i <= info.OS.Ubound(); ++i) got.push_back({info.OS(i), info.newurl(i), info.Updateinfo(i)});
    return got;
}

// A title line's version ends at its first blank; parts and sums beyond
// 32 bits saturate instead of wrapping.
TEST(VersionValue, WeighsMajorMinorPatchOfTheTitleLine)
{
    const std::pair<const char*, int32_t> cases[] = {{"1.0.10", 110},
                                                     {"1.0.3.9", 103},
                                                     {"2", 200},
                                                     {"", 0},
                                                     {"V1.1.0", 10},
                                                     {"HTTP/1.1", 10},
                                                     {"-1.0.0", -100},
                                                     {"1.0.9 beta-test", 109},
                                                     {" 1.1.0 leading blank", 0},
                                                     {"1.1.0\r", 110},
                                                     {"21474836.4.8", INT32_MAX},
                                                     {"99999999999.0.0", INT32_MAX},
                                                     {"1e400.0.0", INT32_MAX},
                                                     {"-99999999999.0.0", INT32_MIN},
                                                     {"2147483647.2147483647.2147483647", INT32_MAX},
                                                     {"-2147483648.2147483647.2147483647", INT32_MIN}};
    for (const auto& [text, value] : cases) {
        EXPECT_EQ(TitleVersionValue(text), value) << text;
        EXPECT_TRUE(std::strchr(text, ' ') || VersionValue(text) == value) << text << " gives " << VersionValue(text);
    }
}

// Lists the random lists below never hold: the worked example, and CRs
// that do not end a line.
TEST(ParseUpdateList, RecordsInPageOrderAndTheBestVersion)
{
    struct Case {
        const char* name;
        String page;
        Records records;
        int32_t best;
    };
    const Case cases[] = {
        {"worked example",
         "1.1.0 New release\nhttp://a.test/110\nLine one.\nLine two.\n----\r\n"
         "1.0.2 Current release\nhttp://a.test/102\nLine three.\n",
         {{"1.1.0 New release", "http://a.test/110", "Line one.\rLine two.\r"},
          {"1.0.2 Current release", "http://a.test/102", "Line three.\r"}},
         110},
        {"a CR inside a line stays", "1.1.0 a\rb\nu\r\r\n\rx\r\n", {{"1.1.0 a\rb", "u\r", "\rx\r"}}, 110},
        {"best never below 0", "-1.0.0 Minus\nu\n", {{"-1.0.0 Minus", "u", ""}}, 0},
        {"separator needs CR LF", "1.1.0 a\nu\n----\n1.2.0 b\n", {{"1.1.0 a", "u", "----\r1.2.0 b\r"}}, 110}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        UpdateList list = ParseUpdateList(c.page);
        ASSERT_NE(list.info, nullptr);
        EXPECT_EQ(RecordsOf(list), c.records);
        EXPECT_EQ(list.best, c.best);
    }
}

// Random lists built from the pieces that matter: LF lists read as the plain
// reader reads them, and the same lists with every line ended by CR LF read
// exactly as their LF twins.
TEST(ParseUpdateList, LfListsAsThePlainReaderAndCrLfListsAsTheirLfTwins)
{
    // No run of these pieces makes a "----" line other than the record separator.
    const char* pieces[] = {"\n", "----\r\n", "1", "0", "12", ".", " ", "x", "-1", "99999999999", "http://a.test/"};
    std::mt19937 random(8);
    for (int n = 0; n < 3000; ++n) {
        String lf, crlf;
        for (int k = std::uniform_int_distribution<int>(0, 40)(random); k > 0; --k) {
            const String piece = pieces[std::uniform_int_distribution<size_t>(0, std::size(pieces) - 1)(random)];
            lf += piece;
            crlf += piece == "\n" ? "\r\n" : piece;
        }
        SCOPED_TRACE(testing::PrintToString(lf));
        const UpdateList now = ParseUpdateList(lf), plain = ReferenceParse(lf), twin = ParseUpdateList(crlf);
        ASSERT_EQ(RecordsOf(now), RecordsOf(plain));
        ASSERT_EQ(now.best, plain.best);
        ASSERT_EQ(RecordsOf(twin), RecordsOf(now));
        ASSERT_EQ(twin.best, now.best);
    }
}

} // namespace
