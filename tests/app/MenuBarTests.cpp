// The one menu bar as a user meets it: drawn on every window that shows it,
// chosen with real clicks, with one shared state whichever window it is
// chosen from.
#include "AppRun.h"

#include "AboutWin.h"
#include "UpDateWin.h"
#include "UpdateList.h"

namespace {

using MenuBarUse = AppRun;

// The content area keeps the table's size below the bar, so every control
// keeps its place within it.
void ExpectBarAboveContent(const Window* w)
{
    const auto* bar = w->Widget()->findChild<QMenuBar*>();
    ASSERT_NE(bar, nullptr) << w->Title();
    EXPECT_EQ(w->ContentWidget()->size(), QSize(w->Width(), w->Height()));
    EXPECT_EQ(w->ContentWidget()->y(), bar->height());
    EXPECT_EQ(w->Widget()->height(), w->Height() + bar->height());
}

// A first run: About stays when the user closes the main window, and its
// bar brings a fresh main window back and opens the maker's pages. The run
// ends, saving the acceptance as by Quit, only when About's own press
// closes the last window; the terms, the splash and the hand-over never
// end it on the way.
TEST_F(MenuBarUse, AboutWindowsBarReopensTheMainWindowAndTheLastCloseEndsTheRun)
{
    Begin();
    Answer("PushButton1"); // the terms close themselves once the splash is up
    EXPECT_FALSE(testing_seams::RunQuit());
    PressSplash(); // the splash closes itself before the main window shows
    RandomNumGenWin* main = OpenWindowOf<RandomNumGenWin>();
    ASSERT_TRUE(main && main->Visible());
    EXPECT_FALSE(testing_seams::RunQuit());
    ChooseFromBar(main, "File", "About...");
    AboutWin* about = OpenWindowOf<AboutWin>();
    ASSERT_NE(about, nullptr);
    ExpectBarAboveContent(about);

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
    EXPECT_EQ(urls_, (std::vector<String>{HomePageURL, DonationURL}));

    fresh->Widget()->close();
    Settle();
    EXPECT_FALSE(testing_seams::RunQuit());
    EXPECT_FALSE(ReadPrefs());
    QTest::mouseClick(about->ContentWidget(), Qt::LeftButton, {}, QPoint(3, 3));
    EXPECT_EQ(OpenWindowOf<AboutWin>(), nullptr);
    EXPECT_TRUE(testing_seams::PumpUntil([] { return testing_seams::RunQuit(); }, 1000));
    EXPECT_EQ(testing_seams::RunExitCode(), 0);
    EXPECT_EQ(ReadPrefs(), GoldenPrefs(false)) << "saved at the end, as by Quit";
}

// The update window's bar is the application's: the toggle there flips the
// one check mark that every drawn bar shows and rewrites the file at once;
// its check item starts a check.
TEST_F(MenuBarUse, UpdateWindowsBarTogglesTheOneSharedCheckMark)
{
    RandomNumGenWin* main = Started();
    ASSERT_NE(main, nullptr);
    UpDateWin* w = TheUpDateWin();
    w->Show();
    w->updata = ParseUpdateList("1.2.0 Newest\nhttp://dl.example.test/120.zip\nOne.\n").info;
    w->displaydata();
    Settle();
    ExpectBarAboveContent(w);
    ASSERT_FALSE(HasFatalFailure());

    auto shownChecked = [](const Window* win) {
        for (QAction* a : win->Widget()->findChildren<QAction*>())
            if (a->text() == "Automatically check for updates") return a->isChecked();
        ADD_FAILURE() << "no such item";
        return false;
    };
    ASSERT_FALSE(shownChecked(main) || shownChecked(w));
    for (bool off : {false, true}) {
        ChooseFromBar(w, "Web", "Automatically check for updates");
        EXPECT_EQ(WebAutoUpdateCheck()->Checked(), !off);
        EXPECT_EQ(shownChecked(main), !off);
        EXPECT_EQ(shownChecked(w), !off);
        EXPECT_EQ(ReadPrefs(), GoldenPrefs(off));
    }
    EXPECT_EQ(checks_, 0) << "a toggle starts no check";
    ChooseFromBar(w, "Web", "Check for update now..");
    EXPECT_EQ(checks_, 1);
}

} // namespace
