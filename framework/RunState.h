#pragma once
// The state of one application run, shared by RunApplication and the test
// runs of Testing.h so both go through the same steps.
#include <functional>
#include <memory>

class Application;

namespace run {
// Starts a run: startup, then the application's Open unless it already quit.
// ownLoop: the run drives QApplication::exec itself and leaves it at quitting.
void Begin(const std::function<void()>& startup, bool ownLoop);
// Quitting: records the code, raises Close (once per run) and leaves the loop.
void RequestQuit(int code);
// A user closed a window; once that close is handled, a run with no visible
// window left ends (nothing else could reach it).
void WindowClosedByUser();
// Ends the run: Close unless raised already, then the application object and
// every window are released (also when no run was begun).
void End();

bool Active();
bool Quitting();
int ExitCode();
Application* AppObject();
void SetAppObject(std::unique_ptr<Application> app);
} // namespace run
