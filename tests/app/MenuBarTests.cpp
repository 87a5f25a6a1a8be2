// The one menu bar: its 19 rows, lookups by name, one shared state, the
// six handlers of the application object; and the one file type.
#include "AppRun.h"

#include "AboutWin.h"
#include "App.h"
#include "FileType.h"
#include "MenuBar1.h"
#include "RandomNumGenWin.h"
#include "SharedConstants.h"

namespace {

enum class Kind { Menu, Item, Separator, Quit };

struct Row {
    const char* Name;
    Kind RowKind;
    const char* Text;
    const char* Shortcut; // nullptr: never assigned
};

const Row kExpected[] = {
    {"FileMenu", Kind::Menu, "&File", ""},
    {"FileAbout", Kind::Item, "About...", ""},
    {"FileQuit", Kind::Quit, "Quit", "Cmd+Q"},
    {"EditMenu", Kind::Menu, "&Edit", ""},
    {"EditUndo", Kind::Item, "&Undo", "Cmd+Z"},
    {"UntitledMenu2", Kind::Separator, "-", nullptr},
    {"EditCut", Kind::Item, "Cu&t", "Cmd+X"},
    {"EditCopy", Kind::Item, "&Copy", "Cmd+C"},
    {"EditPaste", Kind::Item, "&Paste", "Cmd+V"},
    {"EditClear", Kind::Item, "Clear", ""},
    {"NumGenMenu", Kind::Menu, "Number Generator", ""},
    {"NumberGeneratorRandomNumberGenerator", Kind::Item, "Random Number Generator", ""},
    {"WebMenu", Kind::Menu, "Web", ""},
    {"WebCheckforupdatenow", Kind::Item, "Check for update now..", ""},
    {"WebAutoUpdateCheck", Kind::Item, "Automatically check for updates", ""},
    {"UntitledMenu1", Kind::Separator, "-", nullptr},
    {"WebVisittheBrackwaterWebSite", Kind::Item, "Visit the Brackwater Web Site", ""},
    {"UntitledMenu0", Kind::Separator, "-", nullptr},
    {"WebDonate5", Kind::Item, "Donate $5", ""},
};

class MenuBarTest : public AppRun {};

TEST_F(MenuBarTest, HoldsTheNineteenRowsInOrder) {
    Begin();
    std::shared_ptr<MenuBar> bar = TheApp()->GetMenuBar();
    ASSERT_NE(bar, nullptr);
    EXPECT_EQ(bar, TheMenuBar1()) << "one bar, built once";

    // Walk the tree as a menu bar shows it: each menu, then its items.
    std::vector<std::shared_ptr<MenuItem>> walked;
    for (int m = 0; m < bar->Count(); ++m) {
        std::shared_ptr<MenuItem> menu = bar->Item(m);
        walked.push_back(menu);
        for (int i = 0; i < menu->Count(); ++i) {
            walked.push_back(menu->Item(i));
            EXPECT_EQ(menu->Item(i)->Count(), 0) << "no submenus";
        }
    }
    ASSERT_EQ(walked.size(), std::size(kExpected));
    for (size_t n = 0; n < walked.size(); ++n) {
        const Row& row = kExpected[n];
        const MenuItem& item = *walked[n];
        SCOPED_TRACE(row.Name);
        EXPECT_EQ(item.Name(), row.Name);
        EXPECT_EQ(item.Text(), row.Text);
        EXPECT_EQ(item.Parent() == bar.get(), row.RowKind == Kind::Menu);
        EXPECT_EQ(item.IsSeparator(), row.RowKind == Kind::Separator);
        EXPECT_EQ(item.IsQuitItem(), row.RowKind == Kind::Quit);
        EXPECT_TRUE(item.AutoEnable());
        EXPECT_FALSE(item.Checked()) << "nothing checked before the hand-over";
        EXPECT_EQ(item.KeyboardShortcutWasSet(), row.Shortcut != nullptr);
        if (row.Shortcut) {
            EXPECT_EQ(item.KeyboardShortcut(), row.Shortcut);
        }
    }
}

TEST_F(MenuBarTest, LookupsReachEveryDepthAndTheMainWindowSharesTheBar) {
    Begin();
    RandomNumGenWin* main = OpenWindowOf<RandomNumGenWin>();
    ASSERT_NE(main, nullptr);
    std::shared_ptr<MenuBar> bar = TheApp()->GetMenuBar();
    EXPECT_EQ(main->GetMenuBar(), bar);

    for (const Row& row : kExpected) EXPECT_NE(bar->Lookup(row.Name), nullptr) << row.Name;
    EXPECT_EQ(bar->Child("WebAutoUpdateCheck"), nullptr) << "not a direct child of the bar";
    EXPECT_EQ(WebAutoUpdateCheck(), bar->Lookup("WebAutoUpdateCheck"));
    EXPECT_EQ(WebAutoUpdateCheck()->Text(), "Automatically check for updates");

    EXPECT_EQ(main->UntitledMenu3(), nullptr);
    EXPECT_EQ(main->WebAutoUpdateCheck(), WebAutoUpdateCheck());
    ASSERT_NE(main->FileQuit(), nullptr);
    EXPECT_EQ(main->FileQuit()->Name(), "FileQuit");
    EXPECT_EQ(main->UntitledMenu2()->Parent(), main->EditMenu().get());
    EXPECT_EQ(main->UntitledMenu0()->Parent(), main->WebMenu().get());

    // One state, whichever holder changes it.
    main->WebAutoUpdateCheck()->SetChecked(true);
    EXPECT_TRUE(WebAutoUpdateCheck()->Checked());
    WebAutoUpdateCheck()->SetChecked(false);
    EXPECT_FALSE(main->WebAutoUpdateCheck()->Checked());
}

// Every handler of the application object answers False and does its one thing.
TEST_F(MenuBarTest, HandlersOfTheApplicationObject) {
    WritePrefs(GoldenPrefs(false));
    Begin();
    PressSplash();
    Settle();
    const int checksAfterHandOver = UpdateChecks();
    Application* app = TheApp();

    const char* unbound[] = {"FileMenu", "FileQuit", "EditMenu", "EditUndo", "UntitledMenu2", "EditCut",
                             "EditCopy", "EditPaste", "EditClear", "NumGenMenu", "WebMenu", "UntitledMenu1",
                             "UntitledMenu0"};
    for (const char* name : unbound) EXPECT_FALSE(app->MenuHandler(name)) << name;

    auto run = [&](const char* name) {
        std::function<bool()> handler = app->MenuHandler(name);
        EXPECT_TRUE(handler) << name;
        return handler ? handler() : true;
    };

    EXPECT_FALSE(run("WebVisittheBrackwaterWebSite"));
    EXPECT_FALSE(run("WebDonate5"));
    ASSERT_EQ(urls_.size(), 2u);
    EXPECT_EQ(urls_[0], HomePageURL);
    EXPECT_EQ(urls_[1], DonationURL);

    EXPECT_FALSE(run("FileAbout"));
    ASSERT_NE(OpenWindowOf<AboutWin>(), nullptr);
    EXPECT_TRUE(OpenWindowOf<AboutWin>()->Visible());

    OpenWindowOf<RandomNumGenWin>()->Close();
    Settle();
    EXPECT_FALSE(run("NumberGeneratorRandomNumberGenerator"));
    EXPECT_TRUE(MainWindowShown()) << "a fresh main window after the user closed it";

    EXPECT_FALSE(run("WebCheckforupdatenow"));
    Settle();
    EXPECT_EQ(UpdateChecks(), checksAfterHandOver + 1);

    EXPECT_FALSE(run("WebAutoUpdateCheck"));
    EXPECT_FALSE(WebAutoUpdateCheck()->Checked());
    Settle();
    EXPECT_EQ(UpdateChecks(), checksAfterHandOver + 1) << "the toggle starts no check";
}

// Registered once by start-up; released with the module objects.
TEST_F(MenuBarTest, FileTypeTextIsRegisteredOnce) {
    Begin();
    EXPECT_EQ(FileType::RegisteredCount("text"), 1);
    const FileType* type = FileType::Registered("text");
    ASSERT_NE(type, nullptr);
    EXPECT_EQ(type->MacType(), "TEXT");
    EXPECT_EQ(type->MacCreator(), "R*ch");
    EXPECT_EQ(type->Extensions(), "");
    Finish();
    EXPECT_EQ(FileType::RegisteredCount("text"), 0);
    Begin();
    EXPECT_EQ(FileType::RegisteredCount("text"), 1);
}

} // namespace
