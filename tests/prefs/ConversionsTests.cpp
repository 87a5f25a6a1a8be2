// Numbers as bits and bytes; length fields: their headers, and walking them to the nth.
#include <algorithm>
#include <bitset>
#include <gtest/gtest.h>
#include "BinaryMod.h"
#include "ByteText.h"

using namespace BinaryMod;

// Each number at every group boundary, as bits and as bytes, and back again.
// A negative number has no bits.
TEST(BinaryMod, NumbersInWholeGroupsAndBack)
{
    const struct {
        int32_t n;
        const char* hex;
    } cases[] = {{0, "00"},
                 {5, "05"},
                 {255, "FF"},
                 {256, "01 00"},
                 {65535, "FF FF"},
                 {65536, "01 00 00"},
                 {16777215, "FF FF FF"},
                 {16777216, "01 00 00 00"},
                 {INT32_MAX, "7F FF FF FF"},
                 {-1, ""},
                 {INT32_MIN, ""}};
    for (const auto& c : cases) {
        String bits; // built without the module
        for (unsigned char b : Hex(c.hex)) bits += std::bitset<8>(b).to_string();
        EXPECT_EQ(DecimalToBinary(c.n), bits) << c.n;
        EXPECT_EQ(Dump(DecimalToAscii(c.n)), c.hex) << c.n;
        EXPECT_EQ(BinaryToDecimal(bits), std::max(c.n, 0)) << c.n;
        EXPECT_EQ(AsciiToDecimal(Hex(c.hex)), std::max(c.n, 0)) << c.n;
    }
}

// Odd digits, leading zeros, and values past 2^31 - 1, which saturate instead of wrapping.
TEST(BinaryMod, DecodingOddAndOverflowingInput)
{
    const struct {
        String bits;
        int32_t value;
    } bits[] = {
        {"1x1", 7}, {String(200, '0') + "11", 3}, {"1" + String(31, '0'), INT32_MAX}, {String(40, '1'), INT32_MAX}};
    for (const auto& c : bits) EXPECT_EQ(BinaryToDecimal(c.bits), c.value) << c.bits;
    const struct {
        const char* hex;
        int32_t value;
    } bytes[] = {{"00 00 00 00 00 00 07", 7}, {"80 00 00 00", INT32_MAX}, {"01 00 00 00 00", INT32_MAX}};
    for (const auto& c : bytes) EXPECT_EQ(AsciiToDecimal(Hex(c.hex)), c.value) << c.hex;
    EXPECT_EQ(Dump(BinaryToAscii("11111111101")), "FF 05"); // a short last group reads as its value
}

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
