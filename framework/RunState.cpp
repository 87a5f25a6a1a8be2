#include "RunState.h"

#include <QApplication>
#include <QWidget>
#include "Application.h"
#include "SignalWatcher.h"
#include "Window.h"
#include "WindowRegistry.h"

namespace {
struct State {
    std::unique_ptr<Application> app;
    std::unique_ptr<SignalWatcher> signalWatcher;
    bool active = false, ownLoop = false, quitting = false;
    int exitCode = 0;
    unsigned generation = 0; // queued checks of an earlier run do nothing
};

// Never destroyed: nothing here may outlive the QApplication by accident.
State& S()
{
    static State* state = new State;
    return *state;
}

bool AnyWindowVisible()
{
    for (Window* w : OpenWindows())
        if (w->Visible()) return true;
    return false;
}

void EndIfNoWindowIsLeft(unsigned generation)
{
    const State& s = S();
    if (s.generation != generation || !s.active || s.quitting || AnyWindowVisible()) return;
    // A message box still up keeps the run: its handler is still on the stack
    // and the user has yet to read it. The check comes again when it goes.
    if (QWidget* box = QApplication::activeModalWidget()) {
        QObject::connect(box, &QObject::destroyed, QCoreApplication::instance(), [] { run::WindowClosed(); });
        return;
    }
    run::RequestQuit(0);
}
} // namespace

namespace run {

void Begin(const std::function<void()>& startup, bool ownLoop)
{
    if (S().active) End();
    State& s = S();
    s.active = true;
    s.ownLoop = ownLoop;
    s.quitting = false;
    s.exitCode = 0;
    ++s.generation;
    s.signalWatcher = std::make_unique<SignalWatcher>([] { RequestQuit(0); });
    if (startup) startup();
    if (!s.quitting && s.app) s.app->Event_Open();
}

void RequestQuit(int code)
{
    State& s = S();
    if (!s.active || s.quitting) return;
    s.quitting = true;
    s.exitCode = code;
    if (s.app) s.app->Event_Close();
    if (s.ownLoop) QCoreApplication::exit(code);
}

void WindowClosed()
{
    State& s = S();
    if (!s.active || s.quitting) return;
    const unsigned generation = s.generation;
    QMetaObject::invokeMethod(
        QCoreApplication::instance(), [generation] { EndIfNoWindowIsLeft(generation); }, Qt::QueuedConnection);
}

void End()
{
    State& s = S();
    if (s.active && !s.quitting) {
        s.quitting = true;
        if (s.app) s.app->Event_Close();
    }
    s.signalWatcher.reset();
    s.app.reset();
    DiscardAllWindows();
    s.active = false;
    ++s.generation;
}

bool Quitting()
{
    return S().quitting;
}
int ExitCode()
{
    return S().exitCode;
}
Application* AppObject()
{
    return S().app.get();
}

void SetAppObject(std::unique_ptr<Application> app)
{
    S().app = std::move(app);
}

} // namespace run
