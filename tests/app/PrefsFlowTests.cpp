// The preferences file through the running application: written at quit
// only after the terms were accepted in the run, and at once at every
// toggle; toggles and quits before the hand-over do not fail.
#include "AppRun.h"

#include "App.h"
#include "RandomNumGenWin.h"
#include "SplashWin.h"
#include "TermsWin.h"
#include "Testing.h"

namespace {

class PrefsFlow : public AppRun {
protected:
    void Agree() {
        TermsWin* terms = OpenWindowOf<TermsWin>();
        ASSERT_NE(terms, nullptr);
        terms->Find<PushButton>("PushButton1")->Push();
        Settle();
    }
    void Toggle() { EXPECT_FALSE(TheApp()->MenuHandler("WebAutoUpdateCheck")()); }
};

TEST_F(PrefsFlow, FirstRunWritesTheFileAtQuitAndTheNextStartShowsTheSplash) {
    Begin();
    Agree();
    PressSplash();
    Settle();
    EXPECT_TRUE(MainWindowShown());
    EXPECT_FALSE(ReadPrefs()) << "nothing before the quit";
    Finish();
    EXPECT_EQ(ReadPrefs(), GoldenPrefs(false));

    Begin();
    EXPECT_EQ(OpenWindowOf<TermsWin>(), nullptr);
    EXPECT_NE(OpenWindowOf<SplashWin>(), nullptr);
}

TEST_F(PrefsFlow, EachToggleRewritesTheFileAndQuitLeavesIt) {
    WritePrefs(GoldenPrefs(false));
    Begin();
    PressSplash();
    Settle();
    ASSERT_TRUE(WebAutoUpdateCheck()->Checked());

    Toggle();
    EXPECT_FALSE(WebAutoUpdateCheck()->Checked());
    EXPECT_TRUE(TheApp()->DontAutoUpdate);
    EXPECT_EQ(ReadPrefs(), GoldenPrefs(true));
    Toggle();
    EXPECT_TRUE(WebAutoUpdateCheck()->Checked());
    EXPECT_FALSE(TheApp()->DontAutoUpdate);
    EXPECT_EQ(ReadPrefs(), GoldenPrefs(false));
    Settle();
    EXPECT_EQ(UpdateChecks(), 1) << "only the hand-over's check";

    // The quit of a run that found the file writes nothing: a change made
    // behind the program's back survives it.
    const QByteArray elsewhere = GoldenPrefs(true);
    WritePrefs(elsewhere);
    Finish();
    EXPECT_EQ(ReadPrefs(), elsewhere);
}

TEST_F(PrefsFlow, AgreeThenToggleThenQuitRecordsTheToggle) {
    Begin();
    Agree();
    PressSplash();
    Settle();
    Toggle();
    EXPECT_EQ(ReadPrefs(), GoldenPrefs(true));
    Finish();
    EXPECT_EQ(ReadPrefs(), GoldenPrefs(true));
}

TEST_F(PrefsFlow, QuitAfterAgreeBeforeTheHandOverStillRecordsTheAcceptance) {
    Begin();
    Agree();
    ASSERT_NE(OpenWindowOf<SplashWin>(), nullptr);
    EXPECT_EQ(TheApp()->Defaultp, nullptr);
    Finish();
    EXPECT_EQ(ReadPrefs(), GoldenPrefs(false));
    EXPECT_EQ(UpdateChecks(), 0) << "the closing splash does not hand over";

    Begin();
    EXPECT_NE(OpenWindowOf<SplashWin>(), nullptr);
}

// Once the run is quitting, a splash trigger that still arrives starts nothing.
TEST_F(PrefsFlow, NoHandOverOnceTheRunIsQuitting) {
    WritePrefs(GoldenPrefs(true));
    Begin();
    ChooseMenuItem(TheApp()->GetMenuBar()->Lookup("FileQuit"));
    ASSERT_TRUE(testing_seams::RunQuit());
    PressSplash();
    Settle();
    EXPECT_FALSE(MainWindowShown());
    EXPECT_EQ(TheApp()->Defaultp, nullptr);
    Finish();
    EXPECT_EQ(ReadPrefs(), GoldenPrefs(true));
}

// Before the hand-over the item shows the bar's initial state (unchecked),
// so a toggle there switches checks on, and the hand-over then reads that.
TEST_F(PrefsFlow, ToggleDuringTheSplashWritesAndTheHandOverReadsIt) {
    WritePrefs(GoldenPrefs(true));
    Begin();
    ASSERT_EQ(TheApp()->Defaultp, nullptr);
    Toggle();
    EXPECT_TRUE(WebAutoUpdateCheck()->Checked());
    EXPECT_EQ(ReadPrefs(), GoldenPrefs(false));
    PressSplash();
    Settle();
    EXPECT_TRUE(WebAutoUpdateCheck()->Checked());
    EXPECT_EQ(UpdateChecks(), 1);
}

// A file written while the terms are still unanswered would let the next
// start skip them; the choice waits for the acceptance instead.
TEST_F(PrefsFlow, ToggleBeforeTheTermsAreAnsweredWritesNothingYet) {
    Begin();
    Toggle();
    EXPECT_TRUE(WebAutoUpdateCheck()->Checked());
    EXPECT_FALSE(ReadPrefs());
    TheApp()->MenuHandler("WebAutoUpdateCheck")();
    EXPECT_FALSE(ReadPrefs());
    OpenWindowOf<TermsWin>()->Find<PushButton>("PushButton2")->Push();
    Finish();
    EXPECT_FALSE(ReadPrefs()) << "disagreed: nothing recorded";

    Begin();
    Toggle(); // unchecked -> checked: automatic checks on
    Toggle(); // and off again
    Agree();
    Finish();
    EXPECT_EQ(ReadPrefs(), GoldenPrefs(true)) << "the choice is saved with the acceptance";
}

} // namespace
