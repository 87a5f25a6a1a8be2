// Length fields: their headers, and walking them to the nth.
#include <gtest/gtest.h>
#include "BinaryMod.h"
#include "ByteText.h"

using namespace BinaryMod;

// Each field, cut ones included, must leave the next field readable.
TEST(BinaryMod, MakeLenFieldHeadersAndTheCutAtThreeBytes)
{
    const struct {
        size_t length;
        const char* header;
    } cases[] = {{0, "00 00 00"},     {255, "00 00 FF"},      {256, "00 01 00"},
                 {65536, "01 00 00"}, {16777215, "FF FF FF"}, {16777217, "FF FF FF"}};
    for (const auto& c : cases) {
        const String field = MakeLenField(String(c.length, 'x'));
        EXPECT_EQ(Dump(field.substr(0, 3)), c.header) << c.length;
        EXPECT_EQ(nthLenField(field + MakeLenField("next"), 2), "next") << c.length;
    }
}

TEST(BinaryMod, nthLenFieldWalksHeadersAndCutsAtTheEnd)
{
    const String three = Hex("00 00 03 61 62 63 00 00 00 00 00 01 78");
    const struct {
        String s;
        int32_t n;
        String content;
    } cases[] = {{three, 1, "abc"},
                 {three, 2, ""},
                 {three, 3, "x"},

                 {three, 0, ""},

                 {three, INT32_MAX, ""},
                 {"", 1, ""},
                 {Hex("05"), 1, ""},
                 {Hex("FF FF FF 61"), 1, "a"},
                 // A header promising more than remains, then two last bytes making a field with no content.
                 {Hex("00 00 09 61 62"), 1, "ab"},
                 {Hex("00 00 01 61 00 00 01 62"), 2, "b"},
                 {Hex("00 00 01 61 00 00"), 2, ""}};
    for (const auto& c : cases) EXPECT_EQ(nthLenField(c.s, c.n), c.content) << Dump(c.s) << " n=" << c.n;
}
