// Text and number functions on what the parsers above them meet: multi-byte
// separators, separators at either end, raw bytes, and numbers typed by hand.
// (Numbers as the main window's bounds read them are drawn through it.)
#include <cmath>
#include <limits>
#include <gtest/gtest.h>
#include "Text.h"

namespace {

using namespace std::string_literals;

constexpr double kInf = std::numeric_limits<double>::infinity();

// The field asked for, and how many there are. The one-pass split and the
// walk that takes the fields off the front must agree with both.
TEST(CoreText, FieldsTable)
{
    struct Case {
        String text, sep;
        int32_t n;
        String field;
        int32_t count;
    };
    const Case cases[] = {{"a,b,c", ",", 3, "c", 3},
                          {"a,b,c", ",", 4, "", 3},
                          {"a,b,c", ",", -1, "", 3},
                          {",a,", ",", 1, "", 3},
                          {",a,", ",", 2, "a", 3},
                          {"", ",", 1, "", 0},
                          {"abc", "", 1, "abc", 1},
                          {"abc", "", 2, "", 1},
                          {"head====\r\nbody", "====\r\n", 2, "body", 2},
                          {"x====\r\n", "====\r\n", 2, "", 2},
                          {"a--b----c", "--", 3, "", 4},
                          {"a--b----c", "--", 4, "c", 4},
                          {"aaa", "aa", 2, "a", 2}, // overlapping candidates are taken from the left
                          {"a\0b\0c"s, "\0"s, 2, "b", 3},
                          {"\xff\xfe|\x80", "|", 2, "\x80", 2}};
    for (const Case& c : cases) {
        SCOPED_TRACE("\"" + c.text + "\" sep \"" + c.sep + "\" n " + std::to_string(c.n));
        EXPECT_EQ(NthField(c.text, c.sep, c.n), c.field);
        EXPECT_EQ(CountFields(c.text, c.sep), c.count);
        const auto all = SplitFieldViews(c.text, c.sep);
        ASSERT_EQ(all.size(), static_cast<size_t>(c.count));
        for (int32_t i = 1; i <= c.count; ++i) EXPECT_EQ(all[static_cast<size_t>(i - 1)], NthField(c.text, c.sep, i));
        std::string_view rest = c.text;
        for (int32_t i = 1; i <= c.count; ++i) EXPECT_EQ(NextField(rest, c.sep), NthField(c.text, c.sep, i));
        EXPECT_EQ(rest, "");
    }
}

// A start before the first byte counts from the first; a length past the
// end, or a start and length at the 32-bit limits, stop at the end.
TEST(CoreText, MidAndBytesAtTheirEdges)
{
    struct Case {
        String text;
        int32_t start, length;
        String result;
    };
    const Case cases[] = {{"abcdef", 4, 100, "def"},
                          {"abcdef", 7, 1, ""},
                          {"abcdef", 0, 2, "ab"},
                          {"abcdef", -5, 2, "ab"},
                          {"abcdef", 2, -1, ""},
                          {"abcdef", INT32_MAX, INT32_MAX, ""},
                          {"abcdef", INT32_MIN, INT32_MAX, "abcdef"},
                          {"a\0b"s, 2, 2, "\0b"s},
                          {"abcdef", 3, INT32_MAX, "cdef"}};
    for (const Case& c : cases) EXPECT_EQ(Mid(c.text, c.start, c.length), c.result) << c.start << "," << c.length;
    EXPECT_EQ(Str(INT64_MIN), "-9223372036854775808");
}

// The leading number only: blanks and tabs before it, a fraction, an
// exponent of either sign; a number too large is infinite, one too small 0.
TEST(CoreText, ValReadsTheLeadingNumber)
{
    const std::pair<String, double> cases[] = {{"\t 7", 7},
                                               {"\n7", 0},
                                               {"-3.5e2x", -350},
                                               {"1.0.2", 1},
                                               {".", 0},
                                               {"5.", 5},
                                               {"1E-2", 0.01},
                                               {"1,000", 1},
                                               {"1e-999", 0},
                                               {"2147483648", 2147483648.0},
                                               {String(400, '9'), kInf},
                                               {"-999999999999999x", -999999999999999.0},
                                               {"9007199254740993", 9007199254740992.0}};
    for (const auto& [text, value] : cases) EXPECT_EQ(Val(text), value) << "Val(\"" << text << "\")";
    EXPECT_DOUBLE_EQ(Val("1" + String(300, '0')), 1e300);
}

// Toward zero, and held at the 32-bit limits; what is not a number gives 0.
TEST(CoreText, ToIntegerTruncatesAndSaturates)
{
    const std::pair<double, int32_t> cases[] = {{-0.0, 0},
                                                {2.9, 2},
                                                {-2.9, -2},
                                                {2147483647.9, INT32_MAX},
                                                {-2147483648.9, INT32_MIN},
                                                {-2147483647.5, -2147483647},
                                                {std::nan(""), 0}};
    for (const auto& [value, result] : cases) EXPECT_EQ(ToInteger(value), result) << value;
}

} // namespace
