// Text and number functions on what the parsers above them meet: multi-byte
// separators, separators at either end, raw bytes, and numbers typed by hand.
#include <cmath>
#include <limits>
#include <gtest/gtest.h>
#include "Text.h"

using namespace std::string_literals;
static const double inf = std::numeric_limits<double>::infinity();

TEST(CoreText, FieldsTable)
{
    struct Case {
        String text, sep;
        int32_t n;
        String field;
        int32_t count;
    };
    const Case cases[] = {{"a,b,c", ",", 3, "c", 3},
                          {"a,b,c", ",", -1, "", 3},
                          {",a,", ",", 2, "a", 3},
                          {"", ",", 1, "", 0},
                          {"abc", "", 2, "", 1},
                          {"head====\r\nbody", "====\r\n", 2, "body", 2},
                          {"x====\r\n", "====\r\n", 2, "", 2},
                          {"a--b----c", "--", 4, "c", 4},
                          {"aaa", "aa", 2, "a", 2}, // overlapping candidates are taken from the left
                          {"a\0b\0c"s, "\0"s, 2, "b", 3},
                          {"\xff\xfe|\x80", "|", 2, "\x80", 2}};
    for (const auto& c : cases) {
        SCOPED_TRACE("\"" + c.text + "\" sep \"" + c.sep + "\" n " + std::to_string(c.n));
        EXPECT_EQ(NthField(c.text, c.sep, c.n), c.field);
        EXPECT_EQ(CountFields(c.text, c.sep), c.count);
        // The one-pass split must agree with the field-by-field view.
        const auto all = SplitFieldViews(c.text, c.sep);
        ASSERT_EQ(all.size(), static_cast<size_t>(c.count));
        for (int32_t i = 1; i <= c.count; ++i) EXPECT_EQ(all[static_cast<size_t>(i - 1)], NthField(c.text, c.sep, i));
        // So must a walk that takes the fields off the front one by one.
        std::string_view rest = c.text;
        for (int32_t i = 1; i <= c.count; ++i) EXPECT_EQ(NextField(rest, c.sep), NthField(c.text, c.sep, i));
        EXPECT_EQ(rest, "");
    }
}

TEST(CoreText, ValReadsTheLeadingNumber)
{
    // Typed bounds and version parts meet these; the draw and the version
    // tests read the common forms.
    const std::pair<String, double> cases[] = {{"", 0},
                                               {"\t 7", 7},
                                               {"\n7", 0},
                                               {"-3.5e2x", -350},
                                               {"+.5", 0.5},
                                               {"5.", 5},
                                               {"e5", 0},
                                               {"1e", 1},
                                               {"1E-2", 0.01},
                                               {"- 5", 0},
                                               {"1e99999999999999999999999", inf},
                                               {"0e99999999999999999999999", 0},
                                               {"1e-999", 0},
                                               {"inf", 0},
                                               {"nan", 0},
                                               {"0x10", 0},
                                               {String(400, '9'), inf},
                                               {"9007199254740993", 9007199254740992.0},
                                               {"0000000000000000000012", 12}};
    for (const auto& [text, value] : cases) EXPECT_EQ(Val(text), value) << "Val(\"" << text << "\")";
    EXPECT_DOUBLE_EQ(Val("1" + String(300, '0')), 1e300);
}
