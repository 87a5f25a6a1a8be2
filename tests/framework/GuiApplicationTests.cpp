// The run: start-up before Open, Close exactly once whatever ends the run,
// the exit status, the user closing the last window, and signals.
#include <QCoreApplication>
#include <QTimer>
#include <QWidget>
#include <algorithm>
#include <csignal>
#include "Application.h"
#include "GuiTestWindows.h"
#include "RunState.h"

using testing_seams::BeginRun;
using testing_seams::FinishRun;
using testing_seams::PumpUntil;

namespace {
std::vector<std::string> events;

class RecordingApp : public Application {
public:
    void Event_Open() override { events.push_back("Open"); }
    void Event_Close() override { events.push_back("Close"); }
    ~RecordingApp() override { events.push_back("destroyed"); }
};

void StartWithApp()
{
    events.push_back("startup");
    RegisterAppObject(std::make_unique<RecordingApp>());
}

int CountOf(const std::string& e)
{
    return static_cast<int>(std::count(events.begin(), events.end(), e));
}

class GuiRunTest : public GuiTest {
protected:
    void SetUp() override
    {
        GuiTest::SetUp();
        events.clear();
    }
};
} // namespace

TEST_F(GuiRunTest, StartupRunsOnceThenOpenThenCloseAtTheEnd)
{
    BeginRun(StartWithApp);
    EXPECT_EQ(events, (std::vector<std::string>{"startup", "Open"}));
    EXPECT_NE(GetAppObject(), nullptr);
    EXPECT_FALSE(testing_seams::RunQuit());
    FinishRun();
    EXPECT_EQ(events, (std::vector<std::string>{"startup", "Open", "Close", "destroyed"}));
    EXPECT_EQ(GetAppObject(), nullptr);
}

TEST_F(GuiRunTest, QuitRecordsTheFirstCodeAndRaisesCloseOnce)
{
    BeginRun(StartWithApp);
    Quit(3);
    Quit(7);
    EXPECT_TRUE(testing_seams::RunQuit());
    EXPECT_EQ(testing_seams::RunExitCode(), 3);
    FinishRun();
    EXPECT_EQ(CountOf("Close"), 1);

    // The next run starts clean.
    events.clear();
    BeginRun(StartWithApp);
    EXPECT_FALSE(testing_seams::RunQuit());
    EXPECT_EQ(testing_seams::RunExitCode(), 0);
}

TEST_F(GuiRunTest, QuitDuringStartupSkipsOpen)
{
    BeginRun([] {
        StartWithApp();
        Quit(0);
    });
    EXPECT_EQ(events, (std::vector<std::string>{"startup", "Close"}));
}

TEST_F(GuiRunTest, FinishRunFreesWindowsWithoutRaisingTheirClose)
{
    BeginRun(StartWithApp);
    ImplicitInstance<WinA>();
    ImplicitInstance<WinB>()->Close();
    FinishRun();
    EXPECT_EQ(WinA::Script().Count("Close"), 0);
    EXPECT_EQ(WinA::Script().destroyed, 1);
    EXPECT_EQ(WinB::Script().Count("Close"), 1);
    EXPECT_EQ(WinB::Script().destroyed, 1);
    EXPECT_TRUE(OpenWindows().empty());
}

TEST_F(GuiRunTest, UserClosingTheLastVisibleWindowEndsTheRun)
{
    BeginRun(StartWithApp);
    WinB::Script().props.Visible = false; // an open but hidden window does not keep the run
    ImplicitInstance<WinB>();
    WinA* w = ImplicitInstance<WinA>();
    w->Widget()->close();
    EXPECT_TRUE(PumpUntil([] { return testing_seams::RunQuit(); }, 1000));
    EXPECT_EQ(testing_seams::RunExitCode(), 0);
    EXPECT_EQ(CountOf("Close"), 1);
}

TEST_F(GuiRunTest, ClosingByCodeOrWithAnotherWindowLeftKeepsTheRun)
{
    BeginRun(StartWithApp);
    ImplicitInstance<WinA>()->Close(); // code: the terms window after "Agree"
    WinA* a = ImplicitInstance<WinA>();
    ImplicitInstance<WinB>();
    a->Widget()->close(); // the user, but WinB is still up
    testing_seams::Pump(100);
    EXPECT_FALSE(testing_seams::RunQuit());
    EXPECT_EQ(CountOf("Close"), 0);
}

// The splash hand-over: the user's close shows the main window from inside
// the Close event; the run must go on.
TEST_F(GuiRunTest, UserCloseWhoseHandlerShowsAnotherWindowKeepsTheRun)
{
    BeginRun(StartWithApp);
    WinB::Script().props.Visible = false;
    ImplicitInstance<WinB>();
    WinA::Script().close = [] { ImplicitInstance<WinB>()->Show(); };
    ImplicitInstance<WinA>()->Widget()->close();
    testing_seams::Pump(100);
    EXPECT_FALSE(testing_seams::RunQuit());
    EXPECT_TRUE(ImplicitInstance<WinB>()->Visible());
}

TEST_F(GuiRunTest, TerminationSignalQuitsNormallyWithClose)
{
    for (int sig : {SIGTERM, SIGINT}) {
        events.clear();
        BeginRun(StartWithApp);
        std::raise(sig);
        EXPECT_TRUE(PumpUntil([] { return testing_seams::RunQuit(); }, 2000)) << sig;
        EXPECT_EQ(CountOf("Close"), 1);
        EXPECT_EQ(testing_seams::RunExitCode(), 0);
        FinishRun();
        EXPECT_EQ(CountOf("Close"), 1);
    }
}

// The run that owns its event loop, as RunApplication drives it.
TEST_F(GuiRunTest, OwnLoopEndsAtQuitWithItsCode)
{
    run::Begin([] {
        StartWithApp();
        ImplicitInstance<WinA>();
        QTimer::singleShot(10, [] { Quit(5); });
    }, true);
    const int loopResult = QCoreApplication::exec();
    run::End();
    EXPECT_EQ(loopResult, 5);
    EXPECT_EQ(run::ExitCode(), 5);
    EXPECT_EQ(events, (std::vector<std::string>{"startup", "Open", "Close", "destroyed"}));
    EXPECT_EQ(WinA::Script().destroyed, 1);
}

TEST_F(GuiRunTest, OwnLoopEndsAtSignal)
{
    run::Begin([] {
        StartWithApp();
        QTimer::singleShot(10, [] { std::raise(SIGTERM); });
    }, true);
    QTimer::singleShot(5000, [] { QCoreApplication::exit(99); }); // never hang the suite
    EXPECT_EQ(QCoreApplication::exec(), 0);
    run::End();
    EXPECT_EQ(CountOf("Close"), 1);
}
