// The preferences record and its store of entries, window locations among them.
#include <gtest/gtest.h>
#include "BinaryMod.h"
#include "ByteText.h"
#include "QuandePrefs.h"

const char* const NewPayload = "00 00 01 00 00 00 04 00 00 01 00";
const char* const DefaultLocation = "00 00 01 00 00 00 08 00 00 01 64 00 00 01 64";

// Loading replaces the whole record, stale entries included, and what it loads (the new record's
// payload, a store of three entries) is written back unchanged; an empty text keeps the flag.
TEST(QuandePrefs, GoldenPayloadAndWhatPopFromStringReads)
{
    const auto F = BinaryMod::MakeLenField;
    const struct {
        String payload;
        bool before, after;
        int32_t entries;
        bool same;
    } cases[] = {
        {"", false, false, 0, false},
        {Hex(NewPayload), true, false, 0, true},
        // Only a leading zero byte reads as false.
        {Hex("00 00 00"), false, true, 0, false},
        {Hex("00 00 01 30"), false, true, 0, false},
        {Hex("00 00 02 00 01"), true, false, 0, false},
        {Hex("00 00 02 01 00"), false, true, 0, false},
        {F(Hex("01"))
             + F(F(Hex("03")) + F(Hex("00 00 01 01 00 00 08 00 00 01 07 00 00 01 08")) + F("") + F(Hex("00 FF"))),
         false, true, 3, true}};
    for (const auto& c : cases) {
        QuandePrefs p;
        p.Default();
        p.DefaultOnly->DefaultOnlyPaths.Append("stale");
        p.noautoupdate = c.before;
        p.PopFromString(c.payload);
        EXPECT_EQ(p.noautoupdate, c.after) << Dump(c.payload);
        EXPECT_EQ(p.DefaultOnly->DefaultOnlyPaths.Ubound(), c.entries) << Dump(c.payload);
        if (c.same) {
            EXPECT_EQ(Dump(p.ToString()), Dump(c.payload));
        }
    }
}

// A damaged count must not grow the store far past what the text holds,
// yet a store of 24 slots cut short still comes back with all of them.
TEST(defaultpreffOnlydata, DamagedCountsAreBounded)
{
    const struct {
        String text;
        int32_t least, most;
    } cases[] = {{Hex("00 00 03 FF FF FF"), 2, 30},
                 {BinaryMod::MakeLenField(String(40, '\xff')), 2, 60},
                 {Hex("00 00 01 18 00 00 01 61 00 00 01 62"), 24, 24}};
    for (const auto& c : cases) {
        defaultpreffOnlydata store;
        store.PopFromString(c.text);
        EXPECT_GE(store.DefaultOnlyPaths.Ubound(), c.least) << Dump(c.text);
        EXPECT_LE(store.DefaultOnlyPaths.Ubound(), c.most) << Dump(c.text);
    }
}

// Locations live in slots 1 to 24; a slot never saved, or one outside them,
// reads as the default location (not maximised, at 100, 100).
TEST(defaultpreffOnlydata, WindowLocationsInTwentyFourSlots)
{
    defaultpreffOnlydata store;
    EXPECT_EQ(Dump(store.MakeWinLocationString(true, 300, -5)), "00 00 01 01 00 00 08 00 00 02 01 2C 00 00 00");
    store.SaveWindowLocation(3, "abc"); // an empty store first grows to 24 slots
    store.SaveWindowLocation(25, "ignored");
    EXPECT_EQ(Dump(store.ToString()),
              Dump(Hex("00 00 01 18 00 00 00 00 00 00 00 00 03 61 62 63") + String(21 * 3, '\0')));
    EXPECT_EQ(store.GetWindowLocation(3), "abc");
    for (int32_t n : {0, 1, 25}) EXPECT_EQ(Dump(store.GetWindowLocation(n)), DefaultLocation) << n;
    defaultpreffOnlydata few; // fewer than 24 entries are dropped on reading
    few.DefaultOnlyPaths.Append("p");
    EXPECT_EQ(Dump(few.GetWindowLocation(1)), DefaultLocation);
}
