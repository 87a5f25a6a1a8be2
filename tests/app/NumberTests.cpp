// The main window's draw on the inputs a user can type: whatever the fields
// hold, no crash and a whole number between the two bounds as read.
#include "AppRun.h"

#include <set>

namespace {

// Low and High: the bounds the fields stand for, held at the 32-bit limits.
struct Draw {
    const char *Minimum, *Maximum;
    int64_t Low, High;
};

const Draw kDraws[] = {{"1", "40", 1, 40},
                       {"40", "1", 1, 40},
                       {"", "40", 0, 40},
                       {"", "", 0, 0},
                       {"many", "few", 0, 0},
                       {"  7 apples", "9.99", 7, 9},
                       {"-12", "-3", -12, -3},
                       {"99999999999", "1", 1, INT32_MAX},
                       {"-1e300", "1e300", INT32_MIN, INT32_MAX},
                       {"1e999", "-1e999", INT32_MIN, INT32_MAX},
                       {"2147483647", "2147483647", INT32_MAX, INT32_MAX},
                       // Numbers as Val reads them: the leading number only, exponents of any length.
                       {"- 5", "1e", 0, 1},
                       {"4.9e0", "+.5e1x", 4, 5},
                       {"0e99999999999999999999999", "1e99999999999999999999999", 0, INT32_MAX},
                       {"0x10", "00000000000000000000012", 0, 12}};

TEST_F(AppRun, DrawStaysBetweenTheBoundsWhateverIsTyped)
{
    Begin();
    RandomNumGenWin* w = TheRandomNumGenWin();
    for (const Draw& d : kDraws) {
        SCOPED_TRACE(String("[") + d.Minimum + "] .. [" + d.Maximum + "]");
        w->Find<TextField>("EditField2")->SetText(d.Minimum);
        w->Find<TextField>("EditField1")->SetText(d.Maximum);
        std::set<int64_t> seen;
        for (int press = 0; press < 50; ++press) {
            w->Find<PushButton>("PushButton1")->Push();
            const String shown = w->Find<StaticText>("StaticText1")->Text();
            const int64_t r = std::stoll(shown); // throws, and so fails, on no number
            ASSERT_EQ(std::to_string(r), shown) << "a whole number and nothing else";
            ASSERT_TRUE(r >= d.Low && r <= d.High) << r;
            seen.insert(r);
        }
        // Each press draws anew: both ends of a narrow range come up, and a
        // wide range gives more than one number.
        EXPECT_TRUE(d.High - d.Low > 1 ? seen.size() > 1 : int64_t(seen.size()) == d.High - d.Low + 1) << seen.size();
    }
}

} // namespace
