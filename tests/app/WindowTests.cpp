// The four windows of the shell as a first run meets them, the menu bar
// drawn on About, and the presses the splash and About windows answer.
#include "AppRun.h"

#include "AboutWin.h"

namespace {

using Windows = AppRun;

// The terms come first; a choice made while they are up has no file to live
// in yet, and the hand-over's load must not drop it back to the defaults.
// The terms, the splash and the hand-over never end the run on the way.
// About stays when the user closes the main window, and its bar brings a
// fresh main window back and opens the maker's pages. The run ends, saving
// the acceptance and the choice as Quit does, only when About's own press
// closes the last window.
TEST_F(Windows, FirstRunThroughEveryWindow)
{
    Begin();
    TermsWin* terms = OpenWindowOf<TermsWin>();
    ASSERT_NE(terms, nullptr);
    ExpectReadable(*terms);
    Toggle();
    Toggle();              // checks off
    Answer("PushButton1"); // the terms close themselves once the splash is up
    EXPECT_FALSE(testing_seams::RunQuit());
    SplashWin* splash = OpenWindowOf<SplashWin>();
    ASSERT_NE(splash, nullptr);
    ExpectReadable(*splash);
    EXPECT_NE(splash->Backdrop(), nullptr);
    PressSplash(); // the splash closes itself before the main window shows
    RandomNumGenWin* main = OpenWindowOf<RandomNumGenWin>();
    ASSERT_TRUE(main && main->Visible());
    EXPECT_FALSE(testing_seams::RunQuit());
    ExpectReadable(*main);
    EXPECT_FALSE(WebAutoUpdateCheck()->Checked());
    EXPECT_EQ(checks_, 0);

    ChooseFromBar(main, "File", "About...");
    AboutWin* about = OpenWindowOf<AboutWin>();
    ASSERT_NE(about, nullptr);
    ExpectReadable(*about);
    EXPECT_NE(about->Find<ImageWell>("ImageWell1")->Image(), nullptr);
    Click(about, "StaticText5");
    Settle();
    EXPECT_EQ(OpenWindowOf<AboutWin>(), about) << "a press on the link";
    main->Widget()->close(); // the title bar's close button
    Settle();
    ASSERT_FALSE(MainShown());
    EXPECT_FALSE(testing_seams::RunQuit()) << "About is still up";
    ChooseFromBar(about, "Number Generator", "Random Number Generator");
    RandomNumGenWin* fresh = OpenWindowOf<RandomNumGenWin>();
    ASSERT_TRUE(fresh && fresh->Visible());
    EXPECT_EQ(fresh->Find<TextField>("EditField2")->Text(), "1");
    EXPECT_EQ(fresh->Find<TextField>("EditField1")->Text(), "40");
    ChooseFromBar(about, "Web", "Visit the Brackwater Web Site");
    ChooseFromBar(about, "Web", "Donate $5");
    EXPECT_EQ(urls_, (std::vector<String>{HomePageURL, HomePageURL, DonationURL}));

    fresh->Widget()->close();
    Settle();
    EXPECT_FALSE(testing_seams::RunQuit());
    EXPECT_FALSE(ReadPrefs());
    QTest::mouseClick(about->ContentWidget(), Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(OpenWindowOf<AboutWin>(), nullptr);
    EXPECT_TRUE(testing_seams::PumpUntil([] { return testing_seams::RunQuit(); }, 1000));
    EXPECT_EQ(testing_seams::RunExitCode(), 0);
    EXPECT_EQ(ReadPrefs(), GoldenPrefs(true)) << "saved at the end, as by Quit";
}

} // namespace
