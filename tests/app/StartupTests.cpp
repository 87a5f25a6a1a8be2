// The start-up: which window opens first, the terms' two answers, and the
// splash's hand-over, which runs once whichever trigger comes first.
#include "AppRun.h"

#include "App.h"
#include "RandomNumGenWin.h"
#include "SplashWin.h"
#include "TermsWin.h"
#include "Testing.h"

namespace {

class Startup : public AppRun {};

TEST_F(Startup, WithoutPrefsFileOnlyTheTermsOpenAndNothingIsWritten) {
    Begin();
    Settle();
    TermsWin* terms = OpenWindowOf<TermsWin>();
    ASSERT_NE(terms, nullptr);
    EXPECT_TRUE(terms->Visible());
    EXPECT_EQ(OpenWindowOf<SplashWin>(), nullptr);
    RandomNumGenWin* main = OpenWindowOf<RandomNumGenWin>();
    ASSERT_NE(main, nullptr) << "the main window is made at start-up";
    EXPECT_FALSE(main->Visible());
    ASSERT_NE(TheApp(), nullptr);
    EXPECT_NE(TheApp()->SocketUpdate, nullptr);
    EXPECT_EQ(TheApp()->Defaultp, nullptr);
    EXPECT_EQ(UpdateChecks(), 0);
    EXPECT_FALSE(ReadPrefs());
}

struct ExistingFile {
    const char* What;
    QByteArray Bytes;
    bool Checked; // auto-update item after the hand-over
};

class StartupWithFile : public AppRun, public ::testing::WithParamInterface<ExistingFile> {};

// The file's existence alone decides; what it holds only decides the switch.
TEST_P(StartupWithFile, SplashOpensAndTheHandOverFollowsTheStoredSwitch) {
    const ExistingFile& file = GetParam();
    WritePrefs(file.Bytes);
    Begin();
    Settle();
    EXPECT_EQ(OpenWindowOf<TermsWin>(), nullptr);
    SplashWin* splash = OpenWindowOf<SplashWin>();
    ASSERT_NE(splash, nullptr);
    EXPECT_TRUE(splash->Visible());
    EXPECT_FALSE(MainWindowShown());

    PressSplash();
    Settle();
    EXPECT_TRUE(MainWindowShown());
    EXPECT_EQ(OpenWindowOf<SplashWin>(), nullptr);
    ASSERT_NE(WebAutoUpdateCheck(), nullptr);
    EXPECT_EQ(WebAutoUpdateCheck()->Checked(), file.Checked);
    EXPECT_EQ(TheApp()->DontAutoUpdate, !file.Checked);
    EXPECT_EQ(UpdateChecks(), file.Checked ? 1 : 0);

    Finish();
    EXPECT_EQ(ReadPrefs(), file.Bytes) << "a run that found the file writes nothing at quit";
}

INSTANTIATE_TEST_SUITE_P(Files, StartupWithFile,
                         ::testing::Values(ExistingFile{"Ours", GoldenPrefs(false), true},
                                           ExistingFile{"OursOff", GoldenPrefs(true), false},
                                           ExistingFile{"Empty", QByteArray(), true},
                                           ExistingFile{"Foreign", QByteArray("just some text\n"), true},
                                           ExistingFile{"MagicWithoutPayload",
                                                        GoldenPrefs(false).left(17), true}),
                         [](const auto& info) { return std::string(info.param.What); });

enum class Trigger { Timer, Press, Close };

class HandOver : public AppRun, public ::testing::WithParamInterface<Trigger> {};

// The first trigger hands over; the Close that the hand-over raises itself,
// and every later trigger, change nothing: the preferences are read once,
// the main window is shown once and one check starts.
TEST_P(HandOver, RunsOnceWhicheverTriggerComesFirst) {
    WritePrefs(GoldenPrefs(false));
    Begin();
    Settle();
    SplashWin* splash = OpenWindowOf<SplashWin>();
    ASSERT_NE(splash, nullptr);
    auto* status = splash->Find<StaticText>("StaticText7");
    ASSERT_NE(status, nullptr);
    EXPECT_EQ(status->Text(), "Loading...");

    switch (GetParam()) {
    case Trigger::Timer:
        testing_seams::Pump(3000);
        EXPECT_FALSE(MainWindowShown()) << "the timer waits 4000 ms";
        EXPECT_TRUE(testing_seams::PumpUntil([&] { return MainWindowShown(); }, 3000));
        break;
    case Trigger::Press:
        splash->PressAt(200, 10);
        EXPECT_EQ(status->Text(), "Loading Default Preferences...");
        EXPECT_TRUE(splash->IsClosed());
        break;
    case Trigger::Close:
        splash->Close();
        EXPECT_EQ(status->Text(), "Loading Default Preferences...");
        break;
    }
    Settle();
    EXPECT_TRUE(MainWindowShown());
    EXPECT_EQ(OpenWindowOf<SplashWin>(), nullptr);
    EXPECT_EQ(UpdateChecks(), 1);
    ASSERT_TRUE(WebAutoUpdateCheck()->Checked());

    // A second hand-over would read this file, uncheck the item and show
    // the main window again.
    WritePrefs(GoldenPrefs(true));
    OpenWindowOf<RandomNumGenWin>()->Close();
    Settle();
    TheApp()->StartupAfterSplash();
    SplashWin* late = TheSplashWin();
    late->Timer1_Action();
    late->PressAt(5, 5);
    late->Close();
    Settle();
    EXPECT_EQ(OpenWindowOf<RandomNumGenWin>(), nullptr);
    EXPECT_TRUE(WebAutoUpdateCheck()->Checked());
    EXPECT_FALSE(TheApp()->DontAutoUpdate);
    EXPECT_EQ(UpdateChecks(), 1);
}

INSTANTIATE_TEST_SUITE_P(Triggers, HandOver, ::testing::Values(Trigger::Timer, Trigger::Press, Trigger::Close),
                         [](const auto& info) {
                             switch (info.param) {
                             case Trigger::Timer: return std::string("Timer");
                             case Trigger::Press: return std::string("Press");
                             case Trigger::Close: return std::string("Close");
                             }
                             return std::string();
                         });

TEST_F(Startup, AgreeRecordsAcceptanceOpensSplashAndClosesTerms) {
    Begin();
    TermsWin* terms = OpenWindowOf<TermsWin>();
    ASSERT_NE(terms, nullptr);
    terms->Find<PushButton>("PushButton1")->Push();
    EXPECT_TRUE(TheApp()->TermsAgreed);
    EXPECT_TRUE(terms->IsClosed());
    Settle();
    EXPECT_EQ(OpenWindowOf<TermsWin>(), nullptr);
    SplashWin* splash = OpenWindowOf<SplashWin>();
    ASSERT_NE(splash, nullptr);
    EXPECT_TRUE(splash->Visible());
    EXPECT_FALSE(MainWindowShown()) << "the splash holds the start-up back";
    EXPECT_FALSE(ReadPrefs()) << "the acceptance is written at quit";
}

TEST_F(Startup, DisagreeQuitsWithStatusZeroAndWritesNothing) {
    Begin();
    TermsWin* terms = OpenWindowOf<TermsWin>();
    ASSERT_NE(terms, nullptr);
    terms->Find<PushButton>("PushButton2")->Push();
    EXPECT_TRUE(testing_seams::RunQuit());
    EXPECT_EQ(testing_seams::RunExitCode(), 0);
    EXPECT_FALSE(TheApp() && TheApp()->TermsAgreed);
    Finish();
    EXPECT_FALSE(ReadPrefs());
    EXPECT_EQ(UpdateChecks(), 0);

    // Nothing was recorded, so the next start asks again.
    Begin();
    EXPECT_NE(OpenWindowOf<TermsWin>(), nullptr);
    EXPECT_EQ(OpenWindowOf<SplashWin>(), nullptr);
}

} // namespace
