// The start-up and the preferences file through the running application:
// which window opens first, the terms' two answers, the splash's hand-over
// (once, whichever trigger comes first), and when the file is written.
#include "AppRun.h"
#include "KeyPress.h"

namespace {

using Startup = AppRun;

// Before the terms are answered a toggle writes nothing (a file would let
// the next start skip them), and the terms window takes no menu shortcut;
// Disagree quits with status 0 and the next start asks again. A quit before
// the hand-over saves the acceptance, and a splash press once the run is
// quitting starts nothing.
TEST_F(Startup, WithoutFileTheTermsDecide)
{
    Begin();
    ASSERT_TRUE(OpenWindowOf<TermsWin>() && OpenWindowOf<TermsWin>()->Visible());
    EXPECT_EQ(OpenWindowOf<SplashWin>(), nullptr);
    EXPECT_FALSE(MainShown());
    ASSERT_TRUE(QTest::qWaitForWindowActive(OpenWindowOf<TermsWin>()->Widget()));
    Key(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(testing_seams::RunQuit());
    Toggle();
    Answer("PushButton2");
    EXPECT_TRUE(testing_seams::RunQuit() && testing_seams::RunExitCode() == 0) << testing_seams::RunExitCode();
    Finish();
    EXPECT_FALSE(ReadPrefs());

    Begin();
    Answer("PushButton1");
    EXPECT_FALSE(MainShown()) << "the splash holds the start-up back";
    ChooseMenuItem(TheApp()->GetMenuBar()->Lookup("FileQuit"));
    ASSERT_TRUE(testing_seams::RunQuit());
    PressSplash();
    EXPECT_FALSE(MainShown());
    Finish();
    EXPECT_EQ(ReadPrefs(), GoldenPrefs(false));
    EXPECT_EQ(checks_, 0);
}

enum Trigger { ByTimer, ByPress, ByClose };

// Checked: the auto-update item after the hand-over; First: the trigger that hands over.
struct ExistingFile {
    const char* What;
    QByteArray Bytes;
    bool Checked;
    Trigger First;
    friend void PrintTo(const ExistingFile& file, std::ostream* out) { *out << file.What; }
};

class HandOver : public AppRun, public ::testing::WithParamInterface<ExistingFile> { };

// Any file opens the splash; what it holds only sets the switch. The first
// trigger hands over; the Close the hand-over raises itself, and every
// later trigger, change nothing: the preferences are read once, the main
// window is shown once, at most one check starts, and the quit of a run
// that found a file writes nothing.
TEST_P(HandOver, RunsOnceWhicheverTriggerComesFirst)
{
    const ExistingFile& file = GetParam();
    WritePrefs(file.Bytes);
    Begin();
    EXPECT_EQ(OpenWindowOf<TermsWin>(), nullptr);
    SplashWin* splash = OpenWindowOf<SplashWin>();
    ASSERT_TRUE(splash && splash->Visible());
    ASSERT_TRUE(QTest::qWaitForWindowActive(splash->Widget()));
    Key(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_FALSE(testing_seams::RunQuit()) << "the splash takes no menu shortcut";
    Click(splash, "StaticText3");
    Settle();
    EXPECT_EQ(urls_, std::vector<String>{HomePageURL});
    EXPECT_FALSE(MainShown()) << "the link does not hand over";
    if (file.First == ByPress) Click(splash, "StaticText4"); // a label that leaves presses to the window
    if (file.First == ByClose) splash->Close();
    if (file.First == ByTimer) {
        Settle(3000);
        EXPECT_FALSE(MainShown()) << "the timer waits 4000 ms";
        EXPECT_TRUE(testing_seams::PumpUntil(MainShown, 3000));
    }
    Settle();
    EXPECT_TRUE(MainShown());
    EXPECT_EQ(OpenWindowOf<SplashWin>(), nullptr);
    EXPECT_EQ(WebAutoUpdateCheck()->Checked(), file.Checked);
    EXPECT_EQ(checks_, file.Checked ? 1 : 0);

    // A second hand-over would read this file, which says the opposite, flip
    // the item and start a check once checks are on.
    WritePrefs(GoldenPrefs(file.Checked));
    TheApp()->StartupAfterSplash();
    SplashWin* late = TheSplashWin();
    late->Timer1_Action();
    late->PressAt(5, 5);
    late->Close();
    Settle();
    EXPECT_TRUE(MainShown());
    EXPECT_EQ(WebAutoUpdateCheck()->Checked(), file.Checked);
    EXPECT_EQ(checks_, file.Checked ? 1 : 0);
    Finish();
    EXPECT_EQ(ReadPrefs(), GoldenPrefs(file.Checked));
}

INSTANTIATE_TEST_SUITE_P(
    Files, HandOver,
    ::testing::Values(ExistingFile{"OursByTimer", GoldenPrefs(false), true, ByTimer},
                      ExistingFile{"OursOffByPress", GoldenPrefs(true), false, ByPress},
                      ExistingFile{"EmptyByClose", QByteArray(), true, ByClose},
                      ExistingFile{"ForeignByPress", QByteArray("just some text\n"), true, ByPress},
                      ExistingFile{"MagicOnlyByClose", GoldenPrefs(false).left(17), true, ByClose}),
    [](const auto& info) { return std::string(info.param.What); });

} // namespace
