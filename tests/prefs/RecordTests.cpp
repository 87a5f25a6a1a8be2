// The preferences record and its window-location store.
#include <gtest/gtest.h>
#include "BinaryMod.h"
#include "ByteText.h"
#include "QuandePrefs.h"

namespace {

const char* const NewPayload = "00 00 01 00 00 00 04 00 00 01 00";
const char* const DefaultLocation = "00 00 01 00 00 00 08 00 00 01 64 00 00 01 64";

StringArray Entries(std::initializer_list<String> items) {
    StringArray a;
    for (const auto& s : items) a.Append(s);
    return a;
}

void ExpectEntries(const StringArray& a, std::initializer_list<String> items) {
    ASSERT_EQ(a.Ubound(), static_cast<int32_t>(items.size()));
    int32_t i = 1;
    for (const auto& s : items) EXPECT_EQ(Dump(a(i++)), Dump(s));
}

} // namespace

TEST(QuandePrefs, NewRecordSerialisesToTheElevenPayloadBytes) {
    QuandePrefs p;
    EXPECT_EQ(Dump(p.ToString()), Dump(Hex(NewPayload))); // even before Default made a store
    p.Default();
    EXPECT_EQ(Dump(p.ToString()), Dump(Hex(NewPayload)));
    p.noautoupdate = true;
    EXPECT_EQ(Dump(p.ToString()), Dump(Hex("00 00 01 01 00 00 04 00 00 01 00")));
}

TEST(QuandePrefs, PopFromStringReadsTheFlagAndStore) {
    const struct { String payload; bool before; bool after; int32_t entries; } cases[] = {
        {"", true, true, 0},                                // nothing loaded: the flag is kept
        {"", false, false, 0},
        {Hex(NewPayload), true, false, 0},
        {Hex("00 00 01 01 00 00 04 00 00 01 00"), false, true, 0},
        {Hex("00 00 00"), false, true, 0},                  // empty first field: checks off
        {Hex("00 00 01 30"), false, true, 0},               // the digit "0" is not a zero byte
        {Hex("00 00 01 00"), true, false, 0},               // no store field
        {Hex("00 00 01 00 00 00 08 00 00 01 01 00 00 01 61"), true, false, 1},
    };
    for (const auto& c : cases) {
        QuandePrefs p;
        p.Default();
        p.DefaultOnly->DefaultOnlyPaths.Append("stale");
        p.noautoupdate = c.before;
        p.PopFromString(c.payload);
        EXPECT_EQ(p.noautoupdate, c.after) << Dump(c.payload);
        ASSERT_TRUE(p.DefaultOnly);
        EXPECT_EQ(p.DefaultOnly->DefaultOnlyPaths.Ubound(), c.entries) << Dump(c.payload);
    }
}

TEST(QuandePrefs, CopySharesTheStoreAndDefaultReplacesIt) {
    QuandePrefs p;
    p.Default();
    p.noautoupdate = true;
    const auto copy = p.Copy();
    EXPECT_TRUE(copy->noautoupdate);
    EXPECT_EQ(copy->DefaultOnly, p.DefaultOnly);
    const auto old = p.DefaultOnly;
    p.Default();
    EXPECT_NE(p.DefaultOnly, old);
    EXPECT_EQ(p.DefaultOnly->DefaultOnlyPaths.Ubound(), 0);
    EXPECT_TRUE(p.noautoupdate);
}

TEST(defaultpreffOnlydata, LoadedEntriesAreWrittenBackUnchanged) {
    defaultpreffOnlydata store;
    const String location = store.MakeWinLocationString(true, 70000, 3);
    store.DefaultOnlyPaths = Entries({location, "", String("\0\xff", 2)});
    const String text = store.ToString();
    QuandePrefs p;
    p.noautoupdate = true;
    p.DefaultOnly = std::make_shared<defaultpreffOnlydata>(store);
    QuandePrefs loaded;
    loaded.PopFromString(p.ToString());
    ExpectEntries(loaded.DefaultOnly->DefaultOnlyPaths, {location, "", String("\0\xff", 2)});
    EXPECT_EQ(loaded.DefaultOnly->ToString(), text);
    EXPECT_EQ(loaded.ToString(), p.ToString());
}

TEST(defaultpreffOnlydata, PopFromStringAppendsCountEntriesAfterThoseThere) {
    defaultpreffOnlydata store;
    store.PopFromString(Hex("00 00 01 02 00 00 01 61")); // count 2, one entry present
    ExpectEntries(store.DefaultOnlyPaths, {"a", ""});
    store.PopFromString(Hex("00 00 01 01 00 00 01 62"));
    ExpectEntries(store.DefaultOnlyPaths, {"a", "", "b"});
}

TEST(defaultpreffOnlydata, DamagedCountsAreBoundedByTheTextSize) {
    const struct { String text; int32_t most; } cases[] = {
        {Hex("00 00 03 FF FF FF"), 30},
        {Hex("00 00 04 7F FF FF FF"), 30},
        {BinaryMod::MakeLenField(String(40, '\xff')), 60},
        // A store of 24 slots cut short still comes back with all of them.
        {Hex("00 00 01 18 00 00 01 61 00 00 01 62"), 24},
    };
    for (const auto& c : cases) {
        defaultpreffOnlydata store;
        store.PopFromString(c.text);
        EXPECT_LE(store.DefaultOnlyPaths.Ubound(), c.most) << Dump(c.text);
        EXPECT_GE(store.DefaultOnlyPaths.Ubound(), 2) << Dump(c.text);
    }
    defaultpreffOnlydata cut;
    cut.PopFromString(Hex("00 00 01 18 00 00 01 61 00 00 01 62"));
    EXPECT_EQ(cut.DefaultOnlyPaths.Ubound(), 24);
}

TEST(defaultpreffOnlydata, ManyEntriesLoadInLinearTime) {
    const int32_t count = 1000000;
    String text = BinaryMod::MakeLenField(BinaryMod::DecimalToAscii(count));
    for (int32_t i = 0; i < count; ++i) text += BinaryMod::MakeLenField(i == count - 1 ? "end" : "");
    defaultpreffOnlydata store;
    store.PopFromString(text);
    ASSERT_EQ(store.DefaultOnlyPaths.Ubound(), count);
    EXPECT_EQ(store.DefaultOnlyPaths(count), "end");
    EXPECT_EQ(store.ToString(), text);
}

TEST(defaultpreffOnlydata, WindowLocationsUseTwentyFourSlots) {
    defaultpreffOnlydata store;
    EXPECT_EQ(Dump(store.GetWindowLocation(0)), Dump(Hex(DefaultLocation)));
    EXPECT_EQ(Dump(store.GetWindowLocation(25)), Dump(Hex(DefaultLocation)));
    EXPECT_EQ(store.DefaultOnlyPaths.Ubound(), 24);

    defaultpreffOnlydata padded;
    padded.SaveWindowLocation(25, "ignored");
    EXPECT_EQ(padded.DefaultOnlyPaths.Ubound(), 24);
    EXPECT_EQ(padded.ToString(), Hex("00 00 01 18") + String(24 * 3, '\0'));

    defaultpreffOnlydata saved;
    saved.SaveWindowLocation(3, "abc");
    const String expected = Hex("00 00 01 18 00 00 00 00 00 00 00 00 03 61 62 63") + String(21 * 3, '\0');
    EXPECT_EQ(saved.ToString(), expected);
    EXPECT_EQ(expected.size(), 79u);
    EXPECT_EQ(saved.GetWindowLocation(3), "abc");
    saved.SaveWindowLocation(24, "z");
    EXPECT_EQ(saved.DefaultOnlyPaths.Ubound(), 24); // a full store is not padded again

    defaultpreffOnlydata few; // fewer than 24 entries: saving keeps them, reading drops them
    few.DefaultOnlyPaths = Entries({"p", "q"});
    few.SaveWindowLocation(1, "r");
    EXPECT_EQ(few.DefaultOnlyPaths.Ubound(), 26);
    EXPECT_EQ(few.DefaultOnlyPaths(1), "r");
    EXPECT_EQ(few.DefaultOnlyPaths(2), "q");
    defaultpreffOnlydata dropped;
    dropped.DefaultOnlyPaths = Entries({"p", "q"});
    EXPECT_EQ(Dump(dropped.GetWindowLocation(2)), Dump(Hex(DefaultLocation)));
    EXPECT_EQ(dropped.DefaultOnlyPaths.Ubound(), 24);
}

TEST(defaultpreffOnlydata, LocationTexts) {
    defaultpreffOnlydata store;
    EXPECT_EQ(Dump(store.MakeWinLocationString(true, 300, -5)), Dump(Hex("00 00 01 01 00 00 08 00 00 02 01 2C 00 00 00")));
    EXPECT_EQ(Dump(store.MakeWinLocationString(false, 100, 100)), Dump(Hex(DefaultLocation)));
}
