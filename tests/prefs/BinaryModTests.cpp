// Number and length-field encodings, table by table.
#include <gtest/gtest.h>
#include <random>
#include "BinaryMod.h"
#include "ByteText.h"

using namespace BinaryMod;

namespace {

String Ones(size_t n) { return String(n, '1'); }
String Zeros(size_t n) { return String(n, '0'); }

// The Part's composition of AsciiToDecimal, which the module shortcuts.
int32_t AsciiToDecimalComposed(const String& s) {
    String bits;
    for (unsigned char c : s) bits += DecimalToBinary(c);
    return BinaryToDecimal(bits);
}

} // namespace

TEST(DecimalToBinary, WholeGroupsAtEveryBoundary) {
    const struct { int32_t n; String bits; } cases[] = {
        {0, "00000000"}, {5, "00000101"}, {100, "01100100"}, {255, Ones(8)},
        {256, "00000001" + Zeros(8)}, {65535, Ones(16)}, {65536, "00000001" + Zeros(16)},
        {16777215, Ones(24)}, {16777216, "00000001" + Zeros(24)}, {INT32_MAX, "0" + Ones(31)},
        {-1, ""}, {INT32_MIN, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(DecimalToBinary(c.n), c.bits) << c.n;
}

TEST(BinaryToDecimal, AnyNonZeroCharacterIsAOneAndLargeValuesSaturate) {
    const struct { String bits; int32_t value; } cases[] = {
        {"", 0}, {"101", 5}, {"1x1", 7}, {"00001011", 11}, {"2", 1},
        {Ones(31), INT32_MAX}, {Zeros(200) + "11", 3},
        {"1" + Zeros(31), INT32_MAX}, {Ones(40), INT32_MAX}, {"1" + Zeros(100), INT32_MAX},
    };
    for (const auto& c : cases) EXPECT_EQ(BinaryToDecimal(c.bits), c.value) << c.bits;
}

TEST(BinaryToAscii, OneBytePerGroup) {
    EXPECT_EQ(BinaryToAscii(""), "");
    EXPECT_EQ(Dump(BinaryToAscii("0000000100000000")), "01 00 ");
    EXPECT_EQ(Dump(BinaryToAscii(Ones(8) + "101")), "FF 05 "); // a short last group reads as its value
}

TEST(AsciiToDecimal, BigEndianValueOfTheBytes) {
    const struct { const char* hex; int32_t value; } cases[] = {
        {"", 0}, {"00 00 03", 3}, {"00 01 00", 256}, {"01 00 00", 65536}, {"0B", 11},
        {"00 00 00", 0}, {"FF FF FF", 16777215}, {"00 00 00 00 00 00 07", 7},
        {"7F FF FF FF", INT32_MAX}, {"80 00 00 00", INT32_MAX}, {"01 00 00 00 00", INT32_MAX},
    };
    for (const auto& c : cases) EXPECT_EQ(AsciiToDecimal(Hex(c.hex)), c.value) << c.hex;
}

TEST(AsciiToDecimal, AgreesWithTheBitTextComposition) {
    std::mt19937 gen(1234);
    for (int round = 0; round < 5000; ++round) {
        String s(gen() % 7, '\0');
        for (char& c : s) c = static_cast<char>(gen() % 3 == 0 ? 0 : gen() % 256);
        ASSERT_EQ(AsciiToDecimal(s), AsciiToDecimalComposed(s)) << Dump(s);
    }
}

TEST(DecimalToAscii, BaseTwoHundredFiftySixDigits) {
    const struct { int32_t n; const char* hex; } cases[] = {
        {0, "00"}, {100, "64"}, {256, "01 00"}, {65536, "01 00 00"}, {16777216, "01 00 00 00"}, {-1, ""},
    };
    for (const auto& c : cases) EXPECT_EQ(DecimalToAscii(c.n), Hex(c.hex)) << c.n;
}

TEST(MakeLenField, FramesContentsBehindAThreeByteHeader) {
    const struct { String content; const char* hex; } cases[] = {
        {"", "00 00 00"}, {String(1, '\0'), "00 00 01 00"}, {"abc", "00 00 03 61 62 63"},
        {"KORVAT", "00 00 06 4B 4F 52 56 41 54"}, {"1.0.2", "00 00 05 31 2E 30 2E 32"},
        {DecimalToAscii(-1), "00 00 00"},
    };
    for (const auto& c : cases) EXPECT_EQ(Dump(MakeLenField(c.content)), Dump(Hex(c.hex)));
    const struct { size_t length; const char* header; } headers[] = {
        {255, "00 00 FF"}, {256, "00 01 00"}, {65535, "00 FF FF"}, {65536, "01 00 00"},
    };
    for (const auto& h : headers) {
        const String field = MakeLenField(String(h.length, 'x'));
        EXPECT_EQ(field.substr(0, 3), Hex(h.header)) << h.length;
        EXPECT_EQ(field.size(), 3 + h.length);
    }
}

TEST(MakeLenField, ContentBeyondThreeByteLengthIsCutSoItStillReadsBack) {
    const String longest(MaxLenFieldContent, 'a');
    EXPECT_EQ(nthLenField(MakeLenField(longest), 1), longest);
    const String field = MakeLenField(longest + "bc");
    EXPECT_EQ(field.substr(0, 3), Hex("FF FF FF"));
    EXPECT_EQ(nthLenField(field, 1), longest);
    EXPECT_EQ(nthLenField(field + MakeLenField("next"), 2), "next");
}

TEST(nthLenField, WalksHeadersAndCutsAtTheEnd) {
    const String three = Hex("00 00 03 61 62 63 00 00 00 00 00 01 78");
    const struct { String s; int32_t n; String content; } cases[] = {
        {three, 1, "abc"}, {three, 2, ""}, {three, 3, "x"}, {three, 4, ""}, {three, 0, ""}, {three, -1, ""},
        {three, INT32_MAX, ""}, {"", 1, ""}, {Hex("05"), 1, ""},
        {Hex("00 00 09 61 62"), 1, "ab"},       // header promises more than remains
        {Hex("00 00 01 61 00 00"), 2, ""},      // two bytes: a field with no content
        {Hex("00 00 01 61 00 00 01 62"), 2, "b"},
        {Hex("FF FF FF 61"), 1, "a"},
    };
    for (const auto& c : cases) EXPECT_EQ(nthLenField(c.s, c.n), c.content) << Dump(c.s) << " n=" << c.n;
}

TEST(NextLenField, WalkingOnceGivesWhatNthLenFieldGives) {
    std::mt19937 gen(99);
    for (int round = 0; round < 2000; ++round) {
        String s;
        const int pieces = static_cast<int>(gen() % 8);
        for (int i = 0; i < pieces; ++i) {
            s += gen() % 4 ? Hex("00 00") + String(1, static_cast<char>(gen() % 6)) : String(1 + gen() % 3, 'z');
            s += String(gen() % 5, 'c');
        }
        size_t offset = 0;
        for (int32_t k = 1; k <= pieces + 3; ++k) ASSERT_EQ(NextLenField(s, offset), nthLenField(s, k)) << Dump(s) << k;
    }
}

TEST(nthLenField, AFarFieldNumberStopsAtTheEndOfTheText) {
    String s;
    for (int i = 0; i < 2000000; ++i) s += MakeLenField("");
    s += MakeLenField("last");
    EXPECT_EQ(nthLenField(s, 2000001), "last");
    EXPECT_EQ(nthLenField(s, INT32_MAX), "");
}
