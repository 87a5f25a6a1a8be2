// When the run ends by itself: never while the terms, the splash or the
// hand-over hold the screen, and as by Quit once no window of ours is left,
// whatever closed the last one.
#include "AppRun.h"

#include "AboutWin.h"

namespace {

using RunEnd = AppRun;

// The window manager closes the main window while About is up; About's own
// press then closes the last window. The acceptance is saved at that end.
TEST_F(RunEnd, LastWindowClosingItselfEndsTheRunAndSaves) {
    Begin();
    Answer("PushButton1"); // the terms close themselves once the splash is up
    EXPECT_FALSE(testing_seams::RunQuit());
    PressSplash(); // the splash closes itself before the main window shows
    ASSERT_TRUE(MainShown());
    EXPECT_FALSE(testing_seams::RunQuit());

    TheApp()->FileAbout_Action();
    AboutWin* about = OpenWindowOf<AboutWin>();
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(OpenWindowOf<RandomNumGenWin>()->Widget()->close());
    Settle();
    EXPECT_FALSE(testing_seams::RunQuit()) << "About is still up";
    TheApp()->NumberGeneratorRandomNumberGenerator_Action(); // a new main window, while About keeps the run
    ASSERT_TRUE(MainShown());
    EXPECT_TRUE(OpenWindowOf<RandomNumGenWin>()->Widget()->close());
    Settle();
    EXPECT_FALSE(testing_seams::RunQuit());
    EXPECT_FALSE(ReadPrefs());

    QTest::mouseClick(about->ContentWidget(), Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_TRUE(about->IsClosed());
    EXPECT_TRUE(testing_seams::PumpUntil([] { return testing_seams::RunQuit(); }, 1000));
    EXPECT_EQ(testing_seams::RunExitCode(), 0);
    EXPECT_EQ(ReadPrefs(), GoldenPrefs(false)) << "saved at the end, as by Quit";
}

} // namespace
