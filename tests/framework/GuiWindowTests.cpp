// Windows: implicit instances, the making order, closing by code and by the
// window manager, exact control rectangles and timers.
#include <QCloseEvent>
#include <QElapsedTimer>
#include "GuiTestWindows.h"

using testing_seams::PumpUntil;

TEST_F(GuiTest, ImplicitInstanceIsOneWindowUntilClosedThenAFreshOne)
{
    WinA* first = ImplicitInstance<WinA>();
    EXPECT_EQ(ImplicitInstance<WinA>(), first);
    EXPECT_EQ(WinA::Script().log, (std::vector<std::string>{"Layout", "CreateControls", "AddMenuHandlers", "Open"}));
    first->Close();
    WinA* second = ImplicitInstance<WinA>();
    EXPECT_EQ(WinA::Script().Count("Open"), 2);
    EXPECT_EQ(OpenWindows(), std::vector<Window*>{second});
    // The closed one is deleted once the event loop runs, not before.
    EXPECT_EQ(WinA::Script().destroyed, 0);
    EXPECT_TRUE(PumpUntil([] { return WinA::Script().destroyed == 1; }, 1000));
}

TEST_F(GuiTest, CloseIsRaisedOnceByCodeOrByTheWindowManagerWhereAllowed)
{
    WinA::Script().props.CloseButton = false;
    WinA* fixed = ImplicitInstance<WinA>();
    EXPECT_FALSE(fixed->Widget()->close()); // no close button: the window manager cannot close it
    EXPECT_TRUE(fixed->Visible());
    fixed->Close();
    EXPECT_EQ(WinA::Script().Count("Close"), 1);
    for (bool byUser : {false, true}) {
        SCOPED_TRACE(byUser ? "window manager" : "code");
        WinA::Script() = WindowScript();
        WinA* w = ImplicitInstance<WinA>();
        WinA::Script().close = [] { ImplicitInstance<WinA>()->Close(); }; // reaches the closing window
        if (byUser)
            EXPECT_TRUE(w->Widget()->close());
        else
            w->Close();
        w->Close();
        QCloseEvent again;
        QCoreApplication::sendEvent(w->Widget(), &again);
        EXPECT_EQ(WinA::Script().Count("Close"), 1);
        EXPECT_EQ(WinA::Script().Count("Open"), 1); // no new window was made during the close
        EXPECT_TRUE(OpenWindows().empty());
    }
}

// Window coordinates, also inside group boxes nested in group boxes.
TEST_F(GuiTest, ControlsStandAtTheirExactWindowRectangles)
{
    struct Row {
        const char* name;
        ControlClass cls;
        const char* parent;
        QRect rect;
    };
    static const Row rows[] = {{"GroupBox1", ControlClass::GroupBox, "", {9, 7, 304, 308}},
                               {"PopupMenu1", ControlClass::PopupMenu, "GroupBox1", {20, 94, 150, 22}},
                               {"GroupBox2", ControlClass::GroupBox, "GroupBox1", {20, 128, 282, 153}},
                               {"Inner", ControlClass::TextField, "GroupBox2", {30, 140, 50, 22}},
                               {"Area", ControlClass::TextArea, "", {14, 14, 100, 60}},
                               {"Well", ControlClass::ImageWell, "GroupBox1", {15, 14, 93, 98}}};
    WinA::Script().create = [](Window& w) {
        for (const Row& r : rows)
            static_cast<WinA&>(w).AddControl({.Name = r.name,
                                              .Class = r.cls,
                                              .Left = r.rect.x(),
                                              .Top = r.rect.y(),
                                              .Width = r.rect.width(),
                                              .Height = r.rect.height(),
                                              .Parent = r.parent});
    };
    WinA* w = ImplicitInstance<WinA>();
    for (const Row& r : rows) {
        Control* c = w->ControlByName(r.name);
        EXPECT_EQ(QRect(c->Widget()->mapTo(w->ContentWidget(), QPoint(0, 0)), c->Widget()->size()), r.rect) << r.name;
        EXPECT_EQ(QRect(c->Left(), c->Top(), c->Width(), c->Height()), r.rect) << r.name; // as the code reads it
    }
}

// Each timer fires once, never before its period, at whatever phase of the
// clock its period ends; a closed window's timers never fire.
TEST_F(GuiTest, SingleShotTimersFireOnceNoEarlierThanTheirPeriodAndNeverAfterTheirWindowClosed)
{
    constexpr int kTimers = 24, kShortest = 200, kStep = 7; // ends spread over every 25 ms phase
    QElapsedTimer sinceStart;
    std::vector<std::pair<Window*, qint64>> fired; // window, nanoseconds after the start
    WinA::Script().create = [&](Window& w) {
        for (int i = 0; i < kTimers; ++i) {
            Timer* t = static_cast<WinA&>(w).AddTimer();
            t->SetMode(Timer::ModeSingle);
            t->SetPeriod(kShortest + kStep * i);
            t->Action = [&, i] {
                fired.emplace_back(&w, sinceStart.nsecsElapsed() - (kShortest + kStep * i) * 1000000LL);
            };
        }
        sinceStart.start(); // after the timers: never counts more than they waited
    };
    ImplicitInstance<WinA>()->Close(); // before its timers are due
    WinA* open = ImplicitInstance<WinA>();
    EXPECT_TRUE(PumpUntil([&] { return fired.size() >= kTimers; }, 5000));
    testing_seams::Pump(150);
    ASSERT_EQ(fired.size(), size_t(kTimers));
    for (const auto& [window, late] : fired) {
        EXPECT_EQ(window, open);
        EXPECT_GE(late, -1000000) << "ns after its period"; // a millisecond for the clocks' rounding
    }
}
