// Menus: where a choice goes, the quit item, and the Edit items (offered only
// when the focused field can act, and acting on it). (Drawn bars, shortcuts
// and the shared check mark are used in the real windows.)
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include "Application.h"
#include "GuiTestWindows.h"
#include "MenuBarView.h"

// A choice goes to the front window's handler, else to the application's; the
// quit item ends the run, with Close raised once however often it is chosen.
TEST_F(GuiTest, MenuChoicesGoToTheFrontWindowElseTheApplicationAndQuitEndsTheRun)
{
    struct CountingApp : Application {
        int opens = 0, closes = 0;
        void Event_Open() override { ++opens; }
        void Event_Close() override { ++closes; }
    };
    auto about = std::make_shared<MenuItem>();
    about->SetName("FileAbout");
    auto quit = std::make_shared<QuitMenuItem>();
    quit->SetName("FileQuit");
    std::vector<std::string> calls;
    auto record = [&calls](const char* who) {
        return [&calls, who] {
            calls.push_back(who);
            return false;
        };
    };
    CountingApp* app = nullptr;
    testing_seams::BeginRun([&] {
        auto made = std::make_unique<CountingApp>();
        app = made.get();
        app->AddMenuHandler("FileAbout", record("app"));
        RegisterAppObject(std::move(made));
    });
    WinA::Script().menus = [&](Window& w) { w.AddMenuHandler("FileAbout", record("window")); };
    WinA* a = ImplicitInstance<WinA>();
    ChooseMenuItem(about);
    ImplicitInstance<WinB>(); // now in front, binds nothing
    ChooseMenuItem(about);
    a->Show();
    ChooseMenuItem(about);
    a->Close();
    ChooseMenuItem(about);
    EXPECT_EQ(calls, (std::vector<std::string>{"window", "app", "window", "app"}));
    ChooseMenuItem(quit);
    EXPECT_TRUE(testing_seams::RunQuit());
    EXPECT_EQ(testing_seams::RunExitCode(), 0);
    ChooseMenuItem(quit);
    EXPECT_EQ(std::pair(app->opens, app->closes), std::pair(1, 1));
}

TEST_F(GuiTest, EditItemsAreOfferedOnlyWhenTheFocusedFieldCanActAndActOnIt)
{
    // The Edit menu as the application builds it.
    auto bar = std::make_shared<MenuBar>();
    const char* rows[][3] = {{"EditMenu", "&Edit", ""},        {"EditUndo", "&Undo", "Cmd+Z"},
                             {"EditCut", "Cu&t", "Cmd+X"},     {"EditCopy", "&Copy", "Cmd+C"},
                             {"EditPaste", "&Paste", "Cmd+V"}, {"EditClear", "Clear", ""}};
    for (auto& [name, text, shortcut] : rows) {
        auto item = std::make_shared<MenuItem>();
        item->SetName(name);
        item->SetText(text);
        item->SetKeyboardShortcut(shortcut);
        (item->Name() == "EditMenu" ? bar : bar->Child("EditMenu"))->Append(item);
    }
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
    // The action that draws the item in the window's bar.
    auto action = [&](const char* name) -> QAction* {
        for (QAction* a : w->Widget()->findChild<MenuBarView*>()->findChildren<QAction*>())
            if (a->text().toStdString() == bar->Lookup(name)->Text()) return a;
        return nullptr;
    };
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
