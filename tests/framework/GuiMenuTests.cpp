// Menus: dispatch of a choice, the quit item and the Edit items. (Drawn
// bars, shortcuts and the shared check mark are used in the real windows.)
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include "Application.h"
#include "GuiTestWindows.h"
#include "MenuBarView.h"

namespace {
// A small bar like the application's: File (About, Quit) and Edit.
std::shared_ptr<MenuBar> SmallBar()
{
    auto bar = std::make_shared<MenuBar>();
    const char* rows[][4] = {{"", "FileMenu", "&File", ""},
                             {"FileMenu", "FileAbout", "About...", ""},
                             {"FileMenu", "FileQuit", "Quit", "Cmd+Q"},
                             {"", "EditMenu", "&Edit", ""},
                             {"EditMenu", "EditUndo", "&Undo", "Cmd+Z"},
                             {"EditMenu", "EditCut", "Cu&t", "Cmd+X"},
                             {"EditMenu", "EditCopy", "&Copy", "Cmd+C"},
                             {"EditMenu", "EditPaste", "&Paste", "Cmd+V"},
                             {"EditMenu", "EditClear", "Clear", ""}};
    for (auto& r : rows) {
        auto item = String(r[2]) == "Quit" ? std::make_shared<QuitMenuItem>() : std::make_shared<MenuItem>();
        item->SetName(r[1]);
        item->SetText(r[2]);
        item->SetKeyboardShortcut(r[3]);
        (*r[0] ? bar->Child(r[0]) : bar)->Append(item);
    }
    return bar;
}

// The action that draws the item in the window's bar.
QAction* ActionFor(Window* w, const MenuItem* item)
{
    for (QAction* a : w->Widget()->findChild<MenuBarView*>()->findChildren<QAction*>())
        if (a->text().toStdString() == item->Text()) return a;
    return nullptr;
}

struct CountingApp : Application {
    int opens = 0, closes = 0;
    void Event_Open() override { ++opens; }
    void Event_Close() override { ++closes; }
};

CountingApp* StartApp(const char* item = "", std::function<bool()> handler = {})
{
    auto app = std::make_unique<CountingApp>();
    CountingApp* started = app.get();
    if (*item) app->AddMenuHandler(item, handler);
    testing_seams::BeginRun([&] { RegisterAppObject(std::move(app)); });
    return started;
}
} // namespace

TEST_F(GuiTest, MenuChoicesGoToTheFrontWindowElseTheApplicationAndQuitEndsTheRun)
{
    std::vector<std::string> calls;
    auto bar = SmallBar();
    WinA::Script().menus = [&calls](Window& w) {
        w.AddMenuHandler("FileAbout", [&calls] {
            calls.push_back("window");
            return false;
        });
    };
    CountingApp* app = StartApp("FileAbout", [&calls] {
        calls.push_back("app");
        return false;
    });
    WinA* a = ImplicitInstance<WinA>();
    ChooseMenuItem(bar->Lookup("FileAbout"));
    ImplicitInstance<WinB>(); // now in front, binds nothing
    ChooseMenuItem(bar->Lookup("FileAbout"));
    a->Show();
    ChooseMenuItem(bar->Lookup("FileAbout"));
    a->Close();
    ChooseMenuItem(bar->Lookup("FileAbout"));
    EXPECT_EQ(calls, (std::vector<std::string>{"window", "app", "window", "app"}));
    // The quit item ends the run, with Close raised once however often it is chosen.
    ChooseMenuItem(bar->Lookup("FileQuit"));
    EXPECT_TRUE(testing_seams::RunQuit());
    EXPECT_EQ(testing_seams::RunExitCode(), 0);
    ChooseMenuItem(bar->Lookup("FileQuit"));
    EXPECT_EQ(std::pair(app->opens, app->closes), std::pair(1, 1));
}

TEST_F(GuiTest, EditItemsAreOfferedOnlyWhenTheFocusedFieldCanActAndActOnIt)
{
    auto bar = SmallBar();
    WinA::Script().create = [bar](Window& w) {
        w.SetMenuBar(bar);
        static_cast<WinA&>(w).AddControl(
            {.Name = "F", .Class = ControlClass::TextField, .Width = 100, .Height = 22, .Text = "hello"});
    };
    WinA* w = ImplicitInstance<WinA>();
    auto* field = static_cast<QLineEdit*>(w->ControlByName("F")->Widget());
    field->setFocus();
    field->deselect();
    QApplication::clipboard()->clear();
    auto action = [&](const char* name) { return ActionFor(w, bar->Lookup(name).get()); };
    auto choose = [&](const char* name) {
        ChooseMenuItem(bar->Lookup(name));
        return field->text().toStdString();
    };
    // Which of Undo, Cut, Copy, Paste and Clear are enabled while the menu is open.
    auto offered = [&] {
        String result;
        emit action("EditMenu")->menu()->aboutToShow();
        for (const char* name : {"EditUndo", "EditCut", "EditCopy", "EditPaste", "EditClear"})
            result += action(name)->isEnabled() ? "1" : "0";
        emit action("EditMenu")->menu()->aboutToHide();
        return result;
    };
    EXPECT_EQ(offered(), "00000");
    EXPECT_TRUE(action("EditCut")->isEnabled()); // enabled again once closed, for the shortcuts
    EXPECT_EQ(choose("EditCut"), "hello");       // nothing selected: nothing happens
    field->setSelection(0, 4);
    EXPECT_EQ(offered(), "01101");
    EXPECT_EQ(choose("EditCut"), "o");
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("hell"));
    EXPECT_EQ(offered(), "10010");
    EXPECT_EQ(choose("EditPaste"), "hello");
    field->setSelection(1, 2);
    EXPECT_EQ(choose("EditClear"), "hlo");
    EXPECT_EQ(choose("EditUndo"), "hello");
}
