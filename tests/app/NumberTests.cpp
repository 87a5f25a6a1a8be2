// The main window's draw on the inputs a user can type: whatever the
// fields hold, no crash and a number between the two bounds as read.
#include "AppRun.h"

#include <QRegularExpression>
#include <QString>

#include <algorithm>
#include <climits>
#include <set>

#include "RandomNumGenWin.h"

namespace {

struct Draw {
    const char* What;
    const char* Minimum;
    const char* Maximum;
    int64_t Low, High; // the bounds the fields stand for, saturated to 32 bits
};

const Draw kDraws[] = {
    {"Defaults", "1", "40", 1, 40},
    {"EmptyMinimum", "", "40", 0, 40},
    {"BothEmpty", "", "", 0, 0},
    {"MinimumAboveMaximum", "40", "1", 1, 40},
    {"NoNumber", "many", "few", 0, 0},
    {"LeadingNumber", "  7 apples", "9.99", 7, 9},
    {"Negative", "-12", "-3", -12, -3},
    {"BeyondThirtyTwoBits", "99999999999", "1", 1, INT32_MAX},
    {"HugeNegativeExponent", "-1e300", "5", INT32_MIN, 5},
    {"WholeRange", "-1e300", "1e300", INT32_MIN, INT32_MAX},
    {"Infinity", "1e999", "-1e999", INT32_MIN, INT32_MAX},
    {"SingleValueAtLimit", "2147483647", "2147483647", INT32_MAX, INT32_MAX},
};

class NumberDraw : public AppRun, public ::testing::WithParamInterface<Draw> {};

TEST_P(NumberDraw, StaysBetweenTheBounds) {
    const Draw& d = GetParam();
    Begin();
    RandomNumGenWin* w = TheRandomNumGenWin();
    w->Find<TextField>("EditField2")->SetText(d.Minimum);
    w->Find<TextField>("EditField1")->SetText(d.Maximum);
    for (int press = 0; press < 50; ++press) {
        w->Find<PushButton>("PushButton1")->Push();
        const QString shown = QString::fromStdString(w->Find<StaticText>("StaticText1")->Text());
        ASSERT_TRUE(QRegularExpression("^-?[0-9]+$").match(shown).hasMatch()) << shown.toStdString();
        bool ok = false;
        const qlonglong r = shown.toLongLong(&ok);
        ASSERT_TRUE(ok);
        ASSERT_GE(r, d.Low);
        ASSERT_LE(r, d.High);
    }
    EXPECT_EQ(w->Find<TextField>("EditField2")->Text(), d.Minimum) << "the fields are left as typed";
}

INSTANTIATE_TEST_SUITE_P(Inputs, NumberDraw, ::testing::ValuesIn(kDraws),
                         [](const auto& info) { return std::string(info.param.What); });

// Both ends can come up, and each press draws anew.
TEST_F(AppRun, DrawReachesBothEndsOfANarrowRange) {
    Begin();
    RandomNumGenWin* w = TheRandomNumGenWin();
    w->Find<TextField>("EditField2")->SetText("1");
    w->Find<TextField>("EditField1")->SetText("2");
    std::set<String> seen;
    for (int press = 0; press < 200 && seen.size() < 2; ++press) {
        w->Find<PushButton>("PushButton1")->Push();
        seen.insert(w->Find<StaticText>("StaticText1")->Text());
    }
    EXPECT_EQ(seen, (std::set<String>{"1", "2"}));
}

} // namespace
