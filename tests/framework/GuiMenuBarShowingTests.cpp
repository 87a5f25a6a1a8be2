// A window made hidden draws its menu bar only once shown (start-up stays
// cheap), then as any other: above the content, counted in the centring,
// and with what the model gained meanwhile.
#include <QGuiApplication>
#include <QMenuBar>
#include <QScreen>
#include "GuiTestWindows.h"

namespace {
std::shared_ptr<MenuItem> Menu(const char* text)
{
    auto item = std::make_shared<MenuItem>();
    item->SetText(text);
    return item;
}
} // namespace

TEST_F(GuiTest, HiddenWindowGetsItsMenuBarWhenShown)
{
    auto bar = std::make_shared<MenuBar>();
    bar->Append(Menu("&File"));
    WinA::Script().props.Width = 299;
    WinA::Script().props.Height = 209;
    WinA::Script().props.Visible = false;
    WinA::Script().props.CentreOnScreen = true;
    WinA::Script().create = [bar](Window& w) { w.SetMenuBar(bar); };
    WinA* w = ImplicitInstance<WinA>();
    EXPECT_EQ(w->Widget()->findChild<QMenuBar*>(), nullptr);
    EXPECT_EQ(w->GetMenuBar(), bar);

    bar->Append(Menu("Web"));
    w->Show();
    auto* drawn = w->Widget()->findChild<QMenuBar*>();
    ASSERT_NE(drawn, nullptr);
    EXPECT_EQ(drawn->actions().size(), 2);
    EXPECT_EQ(w->ContentWidget()->size(), QSize(299, 209));
    EXPECT_GT(w->Widget()->height(), 209);
    EXPECT_EQ(w->ContentWidget()->y(), w->Widget()->height() - 209);
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE(std::abs(w->Widget()->geometry().center().y() - screen.center().y()), 1);
}
