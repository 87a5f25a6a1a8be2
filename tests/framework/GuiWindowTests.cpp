// Windows: implicit instances, the making order, closing by code and by the
// window manager, window kinds, exact control rectangles and timers.
#include <QCloseEvent>
#include <QGroupBox>
#include <QGuiApplication>
#include <QScreen>
#include <QTest>
#include "GuiTestWindows.h"

using testing_seams::Pump;
using testing_seams::PumpUntil;

TEST_F(GuiTest, ImplicitInstanceIsOneWindowUntilClosedThenAFreshOne)
{
    WinA* first = ImplicitInstance<WinA>();
    EXPECT_EQ(WinA::Script().log, (std::vector<std::string>{"Layout", "CreateControls", "AddMenuHandlers", "Open"}));
    EXPECT_EQ(ImplicitInstance<WinA>(), first);
    EXPECT_EQ(WinA::Script().Count("Open"), 1); // a second reference makes nothing

    first->Close();
    EXPECT_TRUE(first->IsClosed());
    WinA* second = ImplicitInstance<WinA>();
    EXPECT_NE(second, first);
    EXPECT_FALSE(second->IsClosed());
    EXPECT_EQ(WinA::Script().Count("Open"), 2);
    EXPECT_EQ(OpenWindows(), std::vector<Window*>{second});

    // The closed one is deleted once the event loop runs, not before.
    EXPECT_EQ(WinA::Script().destroyed, 0);
    EXPECT_TRUE(PumpUntil([] { return WinA::Script().destroyed == 1; }, 1000));
}

TEST_F(GuiTest, CloseIsRaisedOnceByCodeEvenWhenCloseHandlerClosesAgain)
{
    WinA* w = ImplicitInstance<WinA>();
    WinA::Script().close = [] { ImplicitInstance<WinA>()->Close(); }; // reaches the closing window
    w->Close();
    w->Close();
    EXPECT_EQ(WinA::Script().Count("Close"), 1);
    EXPECT_EQ(WinA::Script().Count("Open"), 1); // no new window was made during the close
    EXPECT_FALSE(w->Widget()->isVisible());
}

TEST_F(GuiTest, WindowManagerCloseRaisesCloseOnceAndEndsTheWindow)
{
    WinA* w = ImplicitInstance<WinA>();
    ASSERT_TRUE(w->Visible());
    EXPECT_TRUE(w->Widget()->close());
    EXPECT_EQ(WinA::Script().Count("Close"), 1);
    EXPECT_TRUE(w->IsClosed());
    EXPECT_TRUE(OpenWindows().empty());
    QCloseEvent again;
    QCoreApplication::sendEvent(w->Widget(), &again);
    EXPECT_EQ(WinA::Script().Count("Close"), 1);
    EXPECT_TRUE(PumpUntil([] { return WinA::Script().destroyed == 1; }, 1000));
}

TEST_F(GuiTest, WindowWithoutCloseButtonIgnoresWindowManagerButClosesByCode)
{
    WinA::Script().props.CloseButton = false;
    WinA* w = ImplicitInstance<WinA>();
    EXPECT_FALSE(w->Widget()->close());
    EXPECT_TRUE(w->Visible());
    EXPECT_EQ(WinA::Script().Count("Close"), 0);
    EXPECT_FALSE(w->Widget()->windowFlags() & Qt::WindowCloseButtonHint);
    w->Close();
    EXPECT_EQ(WinA::Script().Count("Close"), 1);
    EXPECT_FALSE(w->Visible());
}

TEST_F(GuiTest, HiddenWindowIsMadeButNotShownUntilShow)
{
    WinA::Script().props.Visible = false;
    WinA* w = ImplicitInstance<WinA>();
    EXPECT_FALSE(w->Visible());
    EXPECT_EQ(FrontWindow(), nullptr);
    w->Show();
    EXPECT_TRUE(w->Visible());
    EXPECT_EQ(FrontWindow(), w);
}

TEST_F(GuiTest, ShowBringsTheWindowToTheFront)
{
    WinA* a = ImplicitInstance<WinA>();
    WinB* b = ImplicitInstance<WinB>();
    EXPECT_EQ(FrontWindow(), b);
    a->Show();
    EXPECT_EQ(FrontWindow(), a);
    a->Close();
    EXPECT_EQ(FrontWindow(), b);
}

TEST_F(GuiTest, WindowKindsAndSizes)
{
    WindowProperties splash;
    splash.Frame = WindowFrame::Plain;
    splash.Width = 423;
    splash.Height = 241;
    splash.CentreOnScreen = true;
    splash.CloseButton = false;
    WinA::Script().props = splash;
    WinA* a = ImplicitInstance<WinA>();
    EXPECT_TRUE(a->Widget()->windowFlags() & Qt::FramelessWindowHint);
    EXPECT_EQ(a->Widget()->size(), QSize(423, 241));
    EXPECT_EQ(a->Widget()->minimumSize(), a->Widget()->maximumSize()); // fixed size
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    EXPECT_LE(std::abs(a->Widget()->geometry().center().x() - screen.center().x()), 1);
    EXPECT_LE(std::abs(a->Widget()->geometry().center().y() - screen.center().y()), 1);

    WindowProperties about;
    about.Title = "About The Quandelvorix";
    about.Width = 457;
    about.Height = 175;
    about.MinimizeButton = about.MaximizeButton = true;
    WinB::Script().props = about;
    WinB* b = ImplicitInstance<WinB>();
    const Qt::WindowFlags f = b->Widget()->windowFlags();
    EXPECT_TRUE(f & Qt::WindowCloseButtonHint);
    EXPECT_TRUE(f & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(f & Qt::WindowMaximizeButtonHint);
    EXPECT_FALSE(f & Qt::FramelessWindowHint);
    EXPECT_EQ(b->Widget()->windowTitle(), QStringLiteral("About The Quandelvorix"));
}

TEST_F(GuiTest, MenuBarSitsAboveTheContentWhichKeepsItsSize)
{
    WinA::Script().props.Width = 299;
    WinA::Script().props.Height = 209;
    WinA::Script().create = [](Window& w) {
        auto bar = std::make_shared<MenuBar>();
        auto file = std::make_shared<MenuItem>();
        file->SetText("&File");
        bar->Append(file);
        w.SetMenuBar(bar);
        static_cast<WinA&>(w).Add({.Name = "B", .Class = ControlClass::PushButton, .Left = 49, .Top = 112, .Width = 200, .Height = 20});
    };
    WinA* w = ImplicitInstance<WinA>();
    EXPECT_EQ(w->ContentWidget()->size(), QSize(299, 209));
    EXPECT_GT(w->Widget()->height(), 209);
    EXPECT_EQ(w->ContentWidget()->y(), w->Widget()->height() - 209);
    Control* b = w->ControlByName("B");
    EXPECT_EQ(QRect(b->Left(), b->Top(), b->Width(), b->Height()), QRect(49, 112, 200, 20));
}

// Window coordinates, also for controls whose parent is a group box (nested too).
TEST_F(GuiTest, ControlsStandAtTheirExactWindowRectangles)
{
    struct Row { const char* name; ControlClass cls; const char* parent; QRect rect; };
    static const Row rows[] = {
        {"GroupBox1", ControlClass::GroupBox, "", {9, 7, 304, 308}},
        {"PopupMenu1", ControlClass::PopupMenu, "GroupBox1", {20, 94, 150, 22}},
        {"StaticText2", ControlClass::StaticText, "GroupBox1", {25, 152, 272, 121}},
        {"PushButton1", ControlClass::PushButton, "GroupBox1", {202, 94, 100, 22}},
        {"GroupBox2", ControlClass::GroupBox, "GroupBox1", {20, 128, 282, 153}},
        {"Inner", ControlClass::TextField, "GroupBox2", {30, 140, 50, 22}},
        {"Area", ControlClass::TextArea, "", {14, 14, 100, 60}},
        {"Well", ControlClass::ImageWell, "GroupBox1", {15, 14, 93, 98}},
    };
    WinA::Script().props.Width = 322;
    WinA::Script().props.Height = 325;
    WinA::Script().create = [](Window& w) {
        for (const Row& r : rows)
            static_cast<WinA&>(w).Add({.Name = r.name, .Class = r.cls, .Left = r.rect.x(), .Top = r.rect.y(),
                                       .Width = r.rect.width(), .Height = r.rect.height(), .Parent = r.parent});
    };
    WinA* w = ImplicitInstance<WinA>();
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        Control* c = w->ControlByName(r.name);
        ASSERT_NE(c, nullptr);
        const QRect actual(c->Widget()->mapTo(w->ContentWidget(), QPoint(0, 0)), c->Widget()->size());
        EXPECT_EQ(actual, r.rect);
        EXPECT_EQ(QRect(c->Left(), c->Top(), c->Width(), c->Height()), r.rect);
        if (*r.parent) {
            EXPECT_EQ(c->Widget()->parentWidget(), w->ControlByName(r.parent)->Widget());
        }
    }
    EXPECT_EQ(w->Find<GroupBox>("PopupMenu1"), nullptr); // Find checks the class
    EXPECT_EQ(w->ControlByName("Missing"), nullptr);
}

template <class W> void ScriptSingleShot(int& fired)
{
    W::Script().create = [&fired](Window& w) {
        Timer* t = static_cast<W&>(w).AddTimerNamed("Timer1");
        t->SetMode(Timer::ModeSingle);
        t->SetPeriod(30);
        t->Action = [&fired] { ++fired; };
    };
}

TEST_F(GuiTest, SingleShotTimerFiresOnceAndNeverAfterItsWindowClosed)
{
    int fired = 0;
    ScriptSingleShot<WinA>(fired);
    WinA* a = ImplicitInstance<WinA>();
    EXPECT_EQ(a->TimerByName("Timer1")->Mode(), Timer::ModeSingle);
    EXPECT_TRUE(PumpUntil([&] { return fired > 0; }, 2000));
    Pump(150);
    EXPECT_EQ(fired, 1);

    int firedAfterClose = 0;
    ScriptSingleShot<WinB>(firedAfterClose);
    ImplicitInstance<WinB>()->Close(); // before the timer is due
    Pump(150);
    EXPECT_EQ(firedAfterClose, 0);
}

TEST_F(GuiTest, WindowMayCloseItselfFromItsOwnPressHandler)
{
    WinA::Script().press = [](int, int) {
        ImplicitInstance<WinA>()->Close();
        return false;
    };
    WinA* w = ImplicitInstance<WinA>();
    QTest::mouseClick(w->ContentWidget(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(WinA::Script().Count("Close"), 1);
    EXPECT_TRUE(PumpUntil([] { return WinA::Script().destroyed == 1; }, 1000));
}

TEST_F(GuiTest, BackColorAndBackdropAreDrawn)
{
    WinA::Script().props.HasBackColor = true;
    WinA::Script().props.BackColor = 0xBEC889;
    WinA::Script().props.Width = 60;
    WinA::Script().props.Height = 40;
    WinA::Script().create = [](Window& w) {
        QImage red(10, 10, QImage::Format_RGB32);
        red.fill(Qt::red);
        w.SetBackdrop(std::make_shared<Picture>(red));
    };
    WinA* w = ImplicitInstance<WinA>();
    const QImage shot = w->ContentWidget()->grab().toImage();
    EXPECT_EQ(shot.pixelColor(2, 2), QColor(Qt::red));
    EXPECT_EQ(shot.pixelColor(50, 30), QColor(0xBE, 0xC8, 0x89));
}
