// Text and number functions on the cases the parsers above them meet:
// multi-byte separators, empty texts, separators at either end, raw bytes,
// and numbers typed by hand.
#include <cmath>
#include <limits>
#include <string>

#include <gtest/gtest.h>

#include "Text.h"

using namespace std::string_literals;

namespace {

const String CRLF = "\r\n";

struct FieldCase {
    String text, sep;
    int32_t n;
    String field;
    int32_t count;
};

TEST(CoreText, FieldsTable)
{
    const FieldCase cases[] = {
        {"a,b,c", ",", 1, "a", 3},
        {"a,b,c", ",", 3, "c", 3},
        {"a,b,c", ",", 4, "", 3},
        {"a,b,c", ",", -1, "", 3},
        {",a,", ",", 1, "", 3},
        {",a,", ",", 2, "a", 3},
        {",", ",", 2, "", 2},
        {"abc", ",", 1, "abc", 1},
        {"", ",", 1, "", 0},
        {"", "", 1, "", 0},
        {"abc", "", 1, "abc", 1},
        {"abc", "", 2, "", 1},
        // Multi-byte separators, as the HTTP reader and update list use them.
        {"head====\r\nbody", "====" + CRLF, 2, "body", 2},
        {"x====\r\n", "====" + CRLF, 2, "", 2},
        {"go to http://www.a.example/b", "http://www.", 2, "a.example/b", 2},
        {"a--b----c", "--", 3, "", 4},
        {"a--b----c", "--", 4, "c", 4},
        // Overlapping candidates are taken from the left.
        {"aaa", "aa", 1, "", 2},
        {"aaa", "aa", 2, "a", 2},
        // Bytes are bytes: NUL and high bytes are ordinary characters.
        {"a\0b\0c"s, "\0"s, 2, "b", 3},
        {"\xff\xfe|\x80", "|", 2, "\x80", 2},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("text \"" + c.text + "\" sep \"" + c.sep + "\" n " + std::to_string(c.n));
        EXPECT_EQ(NthField(c.text, c.sep, c.n), c.field);
        EXPECT_EQ(CountFields(c.text, c.sep), c.count);
        // The one-pass split agrees with the field-by-field view.
        const auto all = SplitFields(c.text, c.sep);
        ASSERT_EQ(static_cast<int32_t>(all.size()), c.count);
        for (int32_t i = 1; i <= c.count; ++i)
            EXPECT_EQ(all[static_cast<size_t>(i - 1)], NthField(c.text, c.sep, i));
    }
}

TEST(CoreText, MidTable)
{
    struct Case {
        String text;
        int32_t start, length;
        String result;
    };
    const Case cases[] = {
        {"abcdef", 1, 3, "abc"},
        {"abcdef", 4, 100, "def"},
        {"abcdef", 7, 1, ""},
        {"abcdef", 0, 2, "ab"},
        {"abcdef", -5, 2, "ab"},
        {"abcdef", 2, 0, ""},
        {"abcdef", 2, -1, ""},
        {"abcdef", INT32_MAX, INT32_MAX, ""},
        {"abcdef", INT32_MIN, INT32_MAX, "abcdef"},
        {"a\0b"s, 2, 2, "\0b"s},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("Mid(\"" + c.text + "\", " + std::to_string(c.start) + ", " +
                     std::to_string(c.length) + ")");
        EXPECT_EQ(Mid(c.text, c.start, c.length), c.result);
    }
    EXPECT_EQ(Mid("abcdef", 3), "cdef");
}

TEST(CoreText, ReplaceAllTable)
{
    struct Case {
        String text, find, replacement, result;
    };
    const Case cases[] = {
        {"a\nb\n", "\n", "\r", "a\rb\r"},
        {"aaaa", "aa", "a", "aa"},         // replaced text is not searched again
        {"abc", "b", "bb", "abbc"},        // no endless growth
        {"abc", "", "x", "abc"},           // nothing to find
        {"abc", "abcd", "x", "abc"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ReplaceAll(c.text, c.find, c.replacement), c.result) << c.text;
}

TEST(CoreText, BytesAndDecimalText)
{
    EXPECT_EQ(Chr(0), "\0"s);
    EXPECT_EQ(Chr(255), "\xff");
    EXPECT_EQ(Chr(256), "");
    EXPECT_EQ(Chr(-1), "");
    EXPECT_EQ(Asc("\xff"), 255); // bytes read unsigned
    EXPECT_EQ(Asc(""), 0);
    for (int32_t code = 0; code <= 255; ++code)
        ASSERT_EQ(Asc(Chr(code)), code);

    EXPECT_EQ(Len("a\0b"s), 3);
    EXPECT_EQ(Str(-64), "-64");
    EXPECT_EQ(Str(INT64_MIN), "-9223372036854775808");
}

TEST(CoreText, ValTable)
{
    struct Case {
        String text;
        double value;
    };
    const double inf = std::numeric_limits<double>::infinity();
    const Case cases[] = {
        {"", 0},
        {"abc", 0},
        {" 12abc", 12},
        {"\t 7", 7},
        {"\n7", 0}, // only blanks and tabs lead in
        {"-3.5e2x", -350},
        {"1.0.2", 1},
        {".", 0},
        {"-", 0},
        {"+", 0},
        {"+.5", 0.5},
        {"5.", 5},
        {"e5", 0},
        {"1e", 1},
        {"1E-2", 0.01},
        {"- 5", 0},
        {"1,000", 1},
        {"1e999", inf},
        {"1e99999999999999999999999", inf},
        {"0e99999999999999999999999", 0},
        {"1e-999", 0},
        {"inf", 0},
        {"nan", 0},
        {"0x10", 0},
        {"2147483648", 2147483648.0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Val(c.text), c.value) << "Val(\"" << c.text << "\")";

    // A very long run of digits is read, not rejected.
    EXPECT_EQ(Val(String(400, '9')), inf);
    EXPECT_DOUBLE_EQ(Val("1" + String(300, '0')), 1e300);
}

TEST(CoreText, ToIntegerTruncatesAndSaturates)
{
    struct Case {
        double value;
        int32_t result;
    };
    const double inf = std::numeric_limits<double>::infinity();
    const Case cases[] = {
        {-0.0, 0},
        {2.9, 2},
        {-2.9, -2},
        {2147483647.0, INT32_MAX},
        {2147483647.9, INT32_MAX},
        {2147483648.0, INT32_MAX},
        {inf, INT32_MAX},
        {-2147483648.0, INT32_MIN},
        {-2147483648.9, INT32_MIN},
        {-inf, INT32_MIN},
        {std::nan(""), 0},
        {-2147483647.5, -2147483647},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ToInteger(c.value), c.result) << c.value;
}

TEST(CoreText, StringArrayBoundsAreSafe)
{
    StringArray a;
    EXPECT_EQ(a.Ubound(), 0);
    a.Append("one");
    a.Append("two");
    EXPECT_EQ(a.Ubound(), 2);
    EXPECT_EQ(a(1), "one");
    EXPECT_EQ(a(3), "");
    EXPECT_EQ(a(-1), "");
    a.Set(5, "ignored");
    a.Set(-1, "ignored");
    EXPECT_EQ(a.Ubound(), 2);
    a.Redim(4);
    EXPECT_EQ(a.Ubound(), 4);
    EXPECT_EQ(a(2), "two");
    a.Redim(1);
    EXPECT_EQ(a.Ubound(), 1);
    EXPECT_EQ(a(2), "");
    a.Redim(-3);
    EXPECT_EQ(a.Ubound(), 0);
}

} // namespace
