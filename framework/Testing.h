#pragma once
// Seams for tests only: where a real effect would leave the machine (a
// browser, a modal box a test cannot answer) or where a test needs its own
// application folder or a loopback server in place of a real host.
// Nothing the application's users can set reaches these.
#include <functional>
#include "Text.h"

namespace testing_seams {
// While set, MsgBox calls this instead of showing a modal box.
void SetMsgBoxObserver(std::function<void(const String&)> observer);
// While set, ShowURL calls this with every address it judged, trimmed, and
// whether it would have opened it; neither the opener nor anything else runs.
void SetShowURLObserver(std::function<void(const String& address, bool opened)> observer);
// The folder that counts as "beside the application"; the empty text
// restores the folder of the running executable.
void SetApplicationFolder(const String& path);
// Connections to host:port go to toHost:toPort instead.
void RouteHost(const String& host, int port, const String& toHost, int toPort);
void ClearRoutes();

// An application run inside a test process: startup, then Open; the test
// drives the event loop itself. Finish raises Close unless the run already
// quit, then releases the application object and closes every window.
void BeginRun(const std::function<void()>& startup);
bool RunQuit(); // Quit was called (or the run ended otherwise)
int RunExitCode();
void FinishRun();
// Processes events until pred holds or ms elapse; returns pred's last value.
bool PumpUntil(const std::function<bool()>& pred, int ms);
void Pump(int ms);
} // namespace testing_seams
