// The one menu bar: its 19 rows, lookups at every depth, one shared state,
// the handlers of the application object; and the one file type.
#include "AppRun.h"

#include "AboutWin.h"
#include "FileType.h"

namespace {

// Kind: M a menu on the bar, S a separator, Q the quit item, "" an item. Shortcut nullptr: never assigned.
struct Row { const char *Name, *Kind, *Text, *Shortcut; };

const Row kRows[] = {
    {"FileMenu", "M", "&File", ""},
    {"FileAbout", "", "About...", ""},
    {"FileQuit", "Q", "Quit", "Cmd+Q"},
    {"EditMenu", "M", "&Edit", ""},
    {"EditUndo", "", "&Undo", "Cmd+Z"},
    {"UntitledMenu2", "S", "-", nullptr},
    {"EditCut", "", "Cu&t", "Cmd+X"},
    {"EditCopy", "", "&Copy", "Cmd+C"},
    {"EditPaste", "", "&Paste", "Cmd+V"},
    {"EditClear", "", "Clear", ""},
    {"NumGenMenu", "M", "Number Generator", ""},
    {"NumberGeneratorRandomNumberGenerator", "", "Random Number Generator", ""},
    {"WebMenu", "M", "Web", ""},
    {"WebCheckforupdatenow", "", "Check for update now..", ""},
    {"WebAutoUpdateCheck", "", "Automatically check for updates", ""},
    {"UntitledMenu1", "S", "-", nullptr},
    {"WebVisittheBrackwaterWebSite", "", "Visit the Brackwater Web Site", ""},
    {"UntitledMenu0", "S", "-", nullptr},
    {"WebDonate5", "", "Donate $5", ""},
};

using MenuBarTest = AppRun;

TEST_F(MenuBarTest, NineteenRowsOneSharedStateAndEveryHandlerAnswersFalse) {
    WritePrefs(GoldenPrefs(false));
    Begin();
    EXPECT_EQ(FileType::RegisteredCount("text"), 1);
    std::shared_ptr<MenuBar> bar = TheApp()->GetMenuBar();
    ASSERT_NE(bar, nullptr);

    // As the bar shows them: each menu, then its items; no deeper levels.
    std::vector<std::shared_ptr<MenuItem>> walked;
    for (int m = 0; m < bar->Count(); ++m) {
        walked.push_back(bar->Item(m));
        for (int i = 0; i < bar->Item(m)->Count(); ++i) walked.push_back(bar->Item(m)->Item(i));
    }
    ASSERT_EQ(walked.size(), std::size(kRows));
    for (size_t n = 0; n < walked.size(); ++n) {
        const Row& r = kRows[n];
        const MenuItem& item = *walked[n];
        const String kind = String(item.Parent() == bar.get() ? "M" : item.Count() ? "+" : "") +
                            (item.IsSeparator() ? "S" : "") + (item.IsQuitItem() ? "Q" : "");
        // Nothing is checked before the hand-over.
        EXPECT_EQ(std::tuple(item.Name(), kind, item.Text(), item.KeyboardShortcutWasSet(), item.KeyboardShortcut(),
                             item.AutoEnable(), item.Checked(), bar->Lookup(r.Name).get()),
                  std::tuple(String(r.Name), String(r.Kind), String(r.Text), r.Shortcut != nullptr,
                             String(r.Shortcut ? r.Shortcut : ""), true, false, &item));
        // Every plain item has a handler here but the Edit ones, which are the framework's.
        EXPECT_EQ(bool(TheApp()->MenuHandler(r.Name)), !*r.Kind && String(r.Name).rfind("Edit", 0) != 0) << r.Name;
    }
    EXPECT_EQ(TheRandomNumGenWin()->UntitledMenu3(), nullptr);

    PressSplash();
    ASSERT_EQ(checks_, 1);
    auto run = [](const char* name) { return TheApp()->MenuHandler(name)(); };
    EXPECT_FALSE(run("WebVisittheBrackwaterWebSite"));
    EXPECT_FALSE(run("WebDonate5"));
    EXPECT_EQ(urls_, (std::vector<String>{HomePageURL, DonationURL}));
    EXPECT_FALSE(run("FileAbout"));
    EXPECT_TRUE(OpenWindowOf<AboutWin>() && OpenWindowOf<AboutWin>()->Visible());
    OpenWindowOf<RandomNumGenWin>()->Close();
    Settle();
    EXPECT_FALSE(run("NumberGeneratorRandomNumberGenerator"));
    EXPECT_TRUE(MainShown()) << "a fresh main window after the user closed it";
    // Each toggle rewrites the file at once and starts no check; the main
    // window's item is the application's.
    for (bool off : {true, false}) {
        EXPECT_FALSE(run("WebAutoUpdateCheck"));
        EXPECT_EQ(TheRandomNumGenWin()->WebAutoUpdateCheck()->Checked(), !off);
        EXPECT_EQ(ReadPrefs(), GoldenPrefs(off));
    }
    EXPECT_FALSE(run("WebCheckforupdatenow"));
    Settle();
    EXPECT_EQ(checks_, 2);
}

} // namespace
