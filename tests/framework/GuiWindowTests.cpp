// Windows: implicit instances, closing by code and by the window manager,
// exact control rectangles and timers.
#include <QCloseEvent>
#include <QElapsedTimer>
#include <utility>
#include "GuiTestWindows.h"

using testing_seams::PumpUntil;

// One window until it is closed, then a fresh one. The closed one is deleted
// back in the event loop, never inside Close (a handler may close its own
// window), and at the latest when the run ends, which no loop may follow.
TEST_F(GuiTest, ImplicitInstanceIsOneWindowUntilClosedThenAFreshOneAndTheClosedOneIsDeletedLater)
{
    testing_seams::BeginRun(nullptr);
    WinA* first = ImplicitInstance<WinA>();
    EXPECT_EQ(ImplicitInstance<WinA>(), first);
    first->Close();
    WinA* second = ImplicitInstance<WinA>();
    EXPECT_EQ(WinA::Script().Count("Open"), 2);
    EXPECT_EQ(OpenWindows(), std::vector<Window*>{second});
    EXPECT_EQ(WinA::Script().destroyed, 0);
    EXPECT_TRUE(PumpUntil([] { return WinA::Script().destroyed == 1; }, 1000));
    second->Close();
    testing_seams::BeginRun(nullptr); // ends the run first, with no loop in between
    EXPECT_EQ(WinA::Script().destroyed, 2);
}

// Close is raised once whatever closes the window, and a window without a
// close box is closed only by its code. Until Close has run the window is
// still the open instance; once it closes, a close request finds nothing left
// to refuse.
TEST_F(GuiTest, CloseIsRaisedOnceByCodeOrByTheWindowManagerWhereAllowed)
{
    auto accepts = [](Window* w) {
        QCloseEvent request;
        QCoreApplication::sendEvent(w->Widget(), &request);
        return request.isAccepted();
    };
    WinA::Script().props.CloseButton = false;
    WinA* fixed = ImplicitInstance<WinA>();
    EXPECT_FALSE(fixed->Widget()->close());
    EXPECT_TRUE(fixed->Visible());
    EXPECT_EQ(WinA::Script().Count("Close"), 0);
    bool acceptedWhileClosing = false;
    WinA::Script().close = [&] { acceptedWhileClosing = accepts(fixed); };
    fixed->Close();
    EXPECT_TRUE(acceptedWhileClosing);
    EXPECT_TRUE(accepts(fixed));
    EXPECT_EQ(WinA::Script().Count("Close"), 1);
    for (bool byUser : {false, true}) {
        SCOPED_TRACE(byUser ? "window manager" : "code");
        WinA::Script() = WindowScript();
        WinA* w = ImplicitInstance<WinA>();
        std::vector<Window*> openInClose;
        bool reached = false;
        WinA::Script().close = [&] {
            if (std::exchange(reached, true)) return; // once, even where the window left the list too early
            openInClose = OpenWindows();
            ImplicitInstance<WinA>()->Close(); // reaches the closing window
            EXPECT_TRUE(accepts(w)) << "while closing";
        };
        if (byUser)
            EXPECT_TRUE(w->Widget()->close());
        else
            w->Close();
        EXPECT_EQ(WinA::Script().Count("Close"), 1);
        EXPECT_EQ(openInClose, std::vector<Window*>{w});
        EXPECT_EQ(WinA::Script().Count("Open"), 1); // no new window was made during the close
        EXPECT_TRUE(OpenWindows().empty());
        w->Close();
        EXPECT_TRUE(accepts(w));
        EXPECT_EQ(WinA::Script().Count("Close"), 1);
        EXPECT_FALSE(w->Visible());
    }
}

// Window coordinates, also inside group boxes nested in group boxes.
TEST_F(GuiTest, ControlsStandAtTheirExactWindowRectangles)
{
    using CC = ControlClass;
    struct Row {
        const char* name;
        CC cls;
        const char* parent;
        int x, y, w, h;
    };
    static const Row rows[] = {{"GroupBox1", CC::GroupBox, "", 9, 7, 304, 308},
                               {"PopupMenu1", CC::PopupMenu, "GroupBox1", 20, 94, 150, 22},
                               {"GroupBox2", CC::GroupBox, "GroupBox1", 20, 128, 282, 153},
                               {"Inner", CC::TextField, "GroupBox2", 30, 140, 50, 22},
                               {"Area", CC::TextArea, "", 14, 14, 100, 60},
                               {"Well", CC::ImageWell, "GroupBox1", 15, 14, 93, 98}};
    WinA::Script().create = [](Window& w) {
        for (const Row& r : rows)
            static_cast<WinA&>(w).AddControl({.Name = r.name,
                                              .Class = r.cls,
                                              .Left = r.x,
                                              .Top = r.y,
                                              .Width = r.w,
                                              .Height = r.h,
                                              .Parent = r.parent});
    };
    WinA* w = ImplicitInstance<WinA>();
    for (const Row& r : rows) {
        Control* c = w->ControlByName(r.name);
        const QRect rect(r.x, r.y, r.w, r.h);
        EXPECT_EQ(QRect(c->Widget()->mapTo(w->ContentWidget(), QPoint(0, 0)), c->Widget()->size()), rect) << r.name;
        EXPECT_EQ(QRect(c->Left(), c->Top(), c->Width(), c->Height()), rect) << r.name; // as the code reads it
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
