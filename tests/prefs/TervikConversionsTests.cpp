// The Boolean as one byte.
#include <gtest/gtest.h>
#include "ByteText.h"
#include "TervikConversions.h"

using namespace TervikConversions;

TEST(TervikConversions, BooleanTexts) {
    EXPECT_EQ(BoolToAscii(true), Hex("01"));
    EXPECT_EQ(BoolToAscii(false), Hex("00"));
    const struct { String text; bool value; } cases[] = {
        {Hex("00"), false}, {Hex("00 01"), false}, {Hex("01"), true}, {"0", true}, {"", true}, {Hex("FF"), true},
    };
    for (const auto& c : cases) EXPECT_EQ(AsciiToBool(c.text), c.value) << Dump(c.text);
}
