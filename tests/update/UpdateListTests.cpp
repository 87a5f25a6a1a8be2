// Reading the update list: version values and records, from the list
// format's own cases.
#include <gtest/gtest.h>

#include <climits>
#include <vector>
#include "UpdateList.h"

namespace {

TEST(VersionValue, WeighsMajorMinorPatch) {
    const std::pair<const char*, int32_t> cases[] = {
        {"1.0.2", 102},
        {"1.1.0", 110},
        {"1.0.10", 110}, // as new as 1.1.0
        {"1.0.3.9", 103}, // a fourth part is ignored
        {"2", 200},
        {"1.1", 110},
        {"", 0},
        {"V1.1.0", 10}, // no leading number in the first part
        {"HTTP/1.0", 0},
        {"HTTP/1.1", 10},
        {"1.0.9beta", 109},
        {"-1.0.0", -100},
        {"1e2.0.0", 10000},
        {"1.5x.2", 152},
        {"..7", 7},
    };
    for (const auto& [text, value] : cases) EXPECT_EQ(VersionValue(text), value) << text;
}

// Parts and sums beyond 32 bits saturate instead of wrapping.
TEST(VersionValue, HugePartsSaturate) {
    const std::pair<const char*, int32_t> cases[] = {
        {"21474836.4.7", INT32_MAX},      // exactly the limit
        {"21474836.4.8", INT32_MAX},      // one above would wrap negative
        {"99999999999.0.0", INT32_MAX},
        {"0.0.99999999999999999999", INT32_MAX},
        {"1e400.0.0", INT32_MAX},
        {"-99999999999.0.0", INT32_MIN},
        {"-21474836.-4.-9", INT32_MIN},
        {"2147483647.2147483647.2147483647", INT32_MAX},
        {"-2147483648.2147483647.2147483647", INT32_MIN},
    };
    for (const auto& [text, value] : cases) EXPECT_EQ(VersionValue(text), value) << text;
}

TEST(VersionValue, TitleLineVersionFieldEndsAtFirstBlank) {
    const std::pair<const char*, int32_t> cases[] = {
        {"1.0.9 beta-test", 109},
        {" 1.1.0 leading blank", 0},
        {"1.1.0", 110},
        {"1.1.0\r", 110},          // from a CR LF file
        {"1.0.3.9 Fourth part", 103},
        {"HTTP/1.1 200 OK\r", 10},
        {"HTTP/1.0 404 Not Found\r", 0},
    };
    for (const auto& [line, value] : cases) EXPECT_EQ(TitleVersionValue(line), value) << line;
}

struct ListCase {
    const char* name;
    String page;
    std::vector<String> os, urls, infos;
    int32_t best;
};

TEST(ParseUpdateList, RecordsInPageOrder) {
    const std::vector<ListCase> cases{
        {"worked example",
         "1.1.0 New release\nhttp://a.test/110\nLine one.\nLine two.\n----\r\n"
         "1.0.2 Current release\nhttp://a.test/102\nLine three.\n",
         {"1.1.0 New release", "1.0.2 Current release"},
         {"http://a.test/110", "http://a.test/102"},
         {"Line one.\rLine two.\r", "Line three.\r"},
         110},
        {"one-line record", "1.2.0 Title only", {"1.2.0 Title only"}, {""}, {""}, 120},
        {"two-line record", "1.2.0 Title\nhttp://a.test/", {"1.2.0 Title"}, {"http://a.test/"}, {""}, 120},
        {"CR LF file", "1.1.0 New\r\nhttp://a.test/\r\nL1\r\nL2\r\n",
         {"1.1.0 New\r"}, {"http://a.test/\r"}, {"L1\r\rL2\r\r"}, 110},
        {"older records and zero versions kept",
         "0.9.0 Old\nu1\n----\r\nbeta\nu2\n----\r\n1.0.1 Older\nu3\ninfo\n",
         {"0.9.0 Old", "beta", "1.0.1 Older"}, {"u1", "u2", "u3"}, {"", "", "info\r"}, 101},
        {"record separator needs CR LF", "1.1.0 a\nu\n----\n1.2.0 b\n",
         {"1.1.0 a"}, {"u"}, {"----\r1.2.0 b\r"}, 110},
        {"error page parsed whole", "HTTP/1.1 404 Not Found\r\nServer: x\r\n\r\n<h1>gone</h1>",
         {"HTTP/1.1 404 Not Found\r"}, {"Server: x\r"}, {"\r\r<h1>gone</h1>"}, 10},
        {"negative versions never lower best below 0", "-1.0.0 Minus\nu\n", {"-1.0.0 Minus"}, {"u"}, {""}, 0},
        {"trailing separator leaves an empty record", "1.1.0 a\nu\n----\r\n", {"1.1.0 a", ""}, {"u", ""}, {"", ""}, 110},
        {"empty page", "", {}, {}, {}, 0},
    };
    for (const ListCase& c : cases) {
        SCOPED_TRACE(c.name);
        UpdateList list = ParseUpdateList(c.page);
        ASSERT_NE(list.info, nullptr);
        const UpdateInfoClass& info = *list.info;
        ASSERT_EQ(info.OS.Ubound(), static_cast<int32_t>(c.os.size()));
        ASSERT_EQ(info.newurl.Ubound(), info.OS.Ubound());
        ASSERT_EQ(info.Updateinfo.Ubound(), info.OS.Ubound());
        for (size_t i = 0; i < c.os.size(); ++i) {
            const auto at = static_cast<int32_t>(i + 1);
            EXPECT_EQ(info.OS(at), c.os[i]);
            EXPECT_EQ(info.newurl(at), c.urls[i]);
            EXPECT_EQ(info.Updateinfo(at), c.infos[i]);
        }
        EXPECT_EQ(list.best, c.best);
    }
}

} // namespace
