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
// A window closed, whoever closed it: the user, the window manager or code.
// Once control is back in the event loop, a run with no visible window left
// ends as by Quit, since nothing else could reach it. A handler that closes
// one window and shows another (the splash handing over, the terms agreed)
// therefore never ends the run.
void WindowClosed();
// Ends the run: Close unless raised already, then the application object and
// every window are released (also when no run was begun).
void End();

bool Quitting();
int ExitCode();
Application* AppObject();
void SetAppObject(std::unique_ptr<Application> app);
} // namespace run
