// The Edit items: offered only when the focused field can act, and acting
// on it. (Drawn bars, dispatch, shortcuts and the shared check mark are used
// in the real windows.)
#include <QClipboard>
#include <QLineEdit>
#include <QMenu>
#include "Application.h"
#include "GuiTestWindows.h"
#include "MenuBarView.h"

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
