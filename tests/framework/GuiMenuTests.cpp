// Menus: the shared model and its views, shortcuts, lookups, dispatch of a
// choice, the quit item and the Edit items.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include "Application.h"
#include "GuiTestWindows.h"
#include "MenuBarView.h"
#include "MenuShortcut.h"

namespace {
std::shared_ptr<MenuItem> Item(const String& name, const String& text, const String& shortcut = "")
{
    auto item = std::make_shared<MenuItem>();
    item->SetName(name);
    item->SetAutoEnable(true);
    item->SetText(text);
    if (text != "-") item->SetKeyboardShortcut(shortcut);
    return item;
}

// A small bar like the application's: File (About, Quit), Edit, Web.
std::shared_ptr<MenuBar> SmallBar()
{
    auto bar = std::make_shared<MenuBar>();
    bar->Append(Item("FileMenu", "&File"));
    bar->Child("FileMenu")->Append(Item("FileAbout", "About..."));
    auto quit = std::make_shared<QuitMenuItem>();
    quit->SetName("FileQuit");
    quit->SetText("Quit");
    quit->SetKeyboardShortcut("Cmd+Q");
    bar->Child("FileMenu")->Append(quit);
    bar->Append(Item("EditMenu", "&Edit"));
    for (auto [name, text, key] : {std::tuple{"EditUndo", "&Undo", "Cmd+Z"}, {"UntitledMenu2", "-", ""},
                                   {"EditCut", "Cu&t", "Cmd+X"}, {"EditCopy", "&Copy", "Cmd+C"},
                                   {"EditPaste", "&Paste", "Cmd+V"}, {"EditClear", "Clear", ""}})
        bar->Child("EditMenu")->Append(Item(name, text, key));
    bar->Append(Item("WebMenu", "Web"));
    bar->Child("WebMenu")->Append(Item("WebAutoUpdateCheck", "Automatically check for updates"));
    return bar;
}

MenuBarView* ViewOf(Window& w)
{
    return w.Widget()->findChild<MenuBarView*>();
}

class CountingApp : public Application {
public:
    int opens = 0, closes = 0;
    void Event_Open() override { ++opens; }
    void Event_Close() override { ++closes; }
};
} // namespace

TEST(GuiMenuModel, LookupFindsItemsAtAnyDepthChildOnlyDirectOnes)
{
    auto bar = SmallBar();
    EXPECT_EQ(bar->Count(), 3);
    EXPECT_EQ(bar->Lookup("WebAutoUpdateCheck")->Text(), "Automatically check for updates");
    EXPECT_EQ(bar->Lookup("FileQuit")->IsQuitItem(), true);
    EXPECT_EQ(bar->Lookup("UntitledMenu3"), nullptr);
    EXPECT_EQ(bar->Child("WebAutoUpdateCheck"), nullptr);
    EXPECT_EQ(bar->Child("WebMenu")->Item(0)->Parent(), bar->Child("WebMenu").get());
    EXPECT_EQ(bar->Item(3), nullptr);
    EXPECT_EQ(bar->Item(-1), nullptr);
    EXPECT_TRUE(bar->Lookup("UntitledMenu2")->IsSeparator());
    EXPECT_FALSE(bar->Lookup("UntitledMenu2")->KeyboardShortcutWasSet());
    EXPECT_TRUE(bar->Lookup("EditClear")->KeyboardShortcutWasSet());
}

TEST(GuiMenuModel, AppendKeepsTheTreeATree)
{
    auto bar = SmallBar();
    auto web = bar->Child("WebMenu");
    web->Append(bar);                      // an ancestor
    web->Append(web);                      // itself
    bar->Append(bar->Lookup("FileAbout")); // already has a parent
    bar->Append(nullptr);
    EXPECT_EQ(web->Count(), 1);
    EXPECT_EQ(bar->Count(), 3);
}

TEST(GuiMenuModel, ShortcutsMapCommandToControl)
{
    struct Row { String text; QKeySequence keys; };
    const Row rows[] = {
        {"Cmd+Q", QKeySequence(Qt::CTRL | Qt::Key_Q)},
        {"Cmd+Z", QKeySequence(Qt::CTRL | Qt::Key_Z)},
        {"Cmd+Shift+Z", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)},
        {"Option+X", QKeySequence(Qt::ALT | Qt::Key_X)},
        {"", QKeySequence()},
    };
    for (const Row& r : rows) EXPECT_EQ(MenuShortcut(r.text), r.keys) << r.text;
}

TEST_F(GuiTest, MenuBarIsDrawnWithCaptionsSeparatorsAndShortcuts)
{
    auto bar = SmallBar();
    WinA::Script().create = [bar](Window& w) { w.SetMenuBar(bar); };
    WinA* w = ImplicitInstance<WinA>();
    MenuBarView* view = ViewOf(*w);
    ASSERT_NE(view, nullptr);
    ASSERT_EQ(view->actions().size(), 3);
    EXPECT_EQ(view->actions()[0]->text(), QStringLiteral("&File"));
    QMenu* edit = view->actions()[1]->menu();
    ASSERT_NE(edit, nullptr);
    ASSERT_EQ(edit->actions().size(), 6);
    EXPECT_TRUE(edit->actions()[1]->isSeparator());
    EXPECT_EQ(edit->actions()[2]->text(), QStringLiteral("Cu&t"));
    EXPECT_EQ(edit->actions()[2]->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_X));
    EXPECT_EQ(view->ActionFor(bar->Lookup("FileQuit").get())->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Q));
    EXPECT_TRUE(view->ActionFor(bar->Lookup("EditClear").get())->shortcut().isEmpty());
}

TEST_F(GuiTest, OneModelInTwoWindowsKeepsOneCheckedState)
{
    auto bar = SmallBar();
    auto toggle = bar->Lookup("WebAutoUpdateCheck");
    WinA::Script().create = [bar](Window& w) { w.SetMenuBar(bar); };
    WinB::Script().create = WinA::Script().create;
    WinA* a = ImplicitInstance<WinA>();
    WinB* b = ImplicitInstance<WinB>();
    QAction* inA = ViewOf(*a)->ActionFor(toggle.get());
    QAction* inB = ViewOf(*b)->ActionFor(toggle.get());
    toggle->SetChecked(true);
    EXPECT_TRUE(inA->isChecked());
    EXPECT_TRUE(inB->isChecked());

    // A choice whose handler flips the model: both views follow the model, not Qt's own flip.
    auto app = std::make_unique<CountingApp>();
    app->AddMenuHandler("WebAutoUpdateCheck", [toggle] {
        toggle->SetChecked(!toggle->Checked());
        return false;
    });
    testing_seams::BeginRun([&] { RegisterAppObject(std::move(app)); });
    inA->trigger();
    EXPECT_FALSE(toggle->Checked());
    EXPECT_FALSE(inA->isChecked());
    EXPECT_FALSE(inB->isChecked());

    // Without a handler Qt's own flip of the mark is undone: the model decides.
    bar->Lookup("FileAbout")->SetChecked(true);
    QAction* about = ViewOf(*a)->ActionFor(bar->Lookup("FileAbout").get());
    about->trigger();
    EXPECT_TRUE(about->isChecked());
    EXPECT_FALSE(ViewOf(*a)->ActionFor(bar->Lookup("WebMenu").get())->isCheckable());
}

TEST_F(GuiTest, AppendingLaterRebuildsTheDrawnBar)
{
    auto bar = SmallBar();
    WinA::Script().create = [bar](Window& w) { w.SetMenuBar(bar); };
    WinA* w = ImplicitInstance<WinA>();
    bar->Child("WebMenu")->Append(Item("WebDonate5", "Donate $5"));
    EXPECT_TRUE(testing_seams::PumpUntil([&] { return ViewOf(*w)->ActionFor(bar->Lookup("WebDonate5").get()) != nullptr; }, 1000));
    EXPECT_EQ(ViewOf(*w)->actions()[2]->menu()->actions().size(), 2);
}

TEST_F(GuiTest, FrontWindowBindingWinsOverTheApplications)
{
    std::vector<std::string> calls;
    auto bar = SmallBar();
    WinA::Script().menus = [&calls](Window& w) {
        w.AddMenuHandler("FileAbout", [&calls] { calls.push_back("window"); return false; });
    };
    auto app = std::make_unique<CountingApp>();
    app->AddMenuHandler("FileAbout", [&calls] { calls.push_back("app"); return false; });
    testing_seams::BeginRun([&] { RegisterAppObject(std::move(app)); });

    WinA* a = ImplicitInstance<WinA>();
    ChooseMenuItem(bar->Lookup("FileAbout"));
    WinB* b = ImplicitInstance<WinB>(); // now in front, binds nothing
    ChooseMenuItem(bar->Lookup("FileAbout"));
    a->Show();
    ChooseMenuItem(bar->Lookup("FileAbout"));
    a->Close();
    ChooseMenuItem(bar->Lookup("FileAbout"));
    EXPECT_EQ(calls, (std::vector<std::string>{"window", "app", "window", "app"}));
    EXPECT_EQ(FrontWindow(), b);
    ChooseMenuItem(nullptr); // nothing happens
}

TEST_F(GuiTest, QuitItemEndsTheRunWithCloseOnce)
{
    auto bar = SmallBar();
    CountingApp* app = nullptr;
    testing_seams::BeginRun([&] {
        auto made = std::make_unique<CountingApp>();
        app = made.get();
        RegisterAppObject(std::move(made));
    });
    EXPECT_EQ(app->opens, 1);
    ChooseMenuItem(bar->Lookup("FileQuit"));
    EXPECT_TRUE(testing_seams::RunQuit());
    EXPECT_EQ(testing_seams::RunExitCode(), 0);
    EXPECT_EQ(app->closes, 1);
    ChooseMenuItem(bar->Lookup("FileQuit"));
    EXPECT_EQ(app->closes, 1);
}

TEST_F(GuiTest, EditItemsAreOfferedOnlyWhenTheFocusedFieldCanActAndActOnIt)
{
    auto bar = SmallBar();
    WinA::Script().create = [bar](Window& win) {
        win.SetMenuBar(bar);
        static_cast<WinA&>(win).Add({.Name = "Field", .Class = ControlClass::TextField, .Width = 100, .Height = 22, .Text = "hello"});
        static_cast<WinA&>(win).Add({.Name = "Label", .Top = 40, .Width = 100, .Height = 22, .Text = "label"});
    };
    WinA* w = ImplicitInstance<WinA>();
    auto* field = static_cast<QLineEdit*>(w->ControlByName("Field")->Widget());
    field->setFocus();
    field->deselect();
    QApplication::clipboard()->clear();
    MenuBarView* view = ViewOf(*w);
    QMenu* edit = view->ActionFor(bar->Lookup("EditMenu").get())->menu();
    auto offered = [&](const char* name) {
        emit edit->aboutToShow();
        const bool enabled = view->ActionFor(bar->Lookup(name).get())->isEnabled();
        emit edit->aboutToHide();
        return enabled;
    };
    EXPECT_FALSE(offered("EditCut"));
    EXPECT_FALSE(offered("EditCopy"));
    EXPECT_FALSE(offered("EditPaste"));
    EXPECT_FALSE(offered("EditUndo"));
    // Shortcuts need the item enabled again once the menu is closed.
    EXPECT_TRUE(view->ActionFor(bar->Lookup("EditCut").get())->isEnabled());
    ChooseMenuItem(bar->Lookup("EditCut")); // nothing selected: nothing happens
    EXPECT_EQ(field->text(), QStringLiteral("hello"));

    field->setSelection(0, 4);
    EXPECT_TRUE(offered("EditCut"));
    EXPECT_TRUE(offered("EditCopy"));
    ChooseMenuItem(bar->Lookup("EditCut"));
    EXPECT_EQ(field->text(), QStringLiteral("o"));
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("hell"));
    EXPECT_TRUE(offered("EditPaste"));
    EXPECT_TRUE(offered("EditUndo"));
    ChooseMenuItem(bar->Lookup("EditPaste"));
    EXPECT_EQ(field->text(), QStringLiteral("hello"));
    field->setSelection(1, 2);
    ChooseMenuItem(bar->Lookup("EditClear"));
    EXPECT_EQ(field->text(), QStringLiteral("hlo"));
    ChooseMenuItem(bar->Lookup("EditUndo"));
    EXPECT_EQ(field->text(), QStringLiteral("hello"));

    // A read-only field offers copying only.
    field->setReadOnly(true);
    field->selectAll();
    EXPECT_TRUE(offered("EditCopy"));
    EXPECT_FALSE(offered("EditCut"));
    EXPECT_FALSE(offered("EditClear"));
    EXPECT_FALSE(offered("EditPaste"));
}
