#include "Application.h"

#include <QApplication>
#include <optional>
#include "DisplayGuard.h"
#include "EditCommands.h"
#include "ExitDeadline.h"
#include "MenuDispatch.h"
#include "RunState.h"
#include "Window.h"

Application::Application() = default;
Application::~Application() = default;

Application* GetAppObject()
{
    return run::AppObject();
}

void RegisterAppObject(std::unique_ptr<Application> app)
{
    run::SetAppObject(std::move(app));
}

void Quit(int code)
{
    run::RequestQuit(code);
}

namespace {
// The run's work is done before this starts; what remains is Qt's own teardown.
constexpr int kTeardownLimitMs = 250;
} // namespace

int RunApplication(int argc, char** argv, const std::function<void()>& startup)
{
    // The program takes no arguments, and Qt would take options such as
    // -platform or -style from them: it gets the program's name alone.
    int qtArgc = argc > 0 ? 1 : 0;
    char* qtArgv[] = {argc > 0 ? argv[0] : nullptr, nullptr};
    std::optional<ExitDeadline> deadline; // outlives the QApplication below
    // Only while the platform starts: no display then ends the process with one line.
    std::optional<DisplayGuard> guard(std::in_place);
    QApplication qapp(qtArgc, qtArgv);
    guard.reset();
    // The run ends at Quit or when no window is left (RunState), never
    // because Qt saw its last window close.
    QApplication::setQuitOnLastWindowClosed(false);
    run::Begin(startup, true);
    if (!run::Quitting()) QApplication::exec();
    run::End(); // the application object and the windows go before the QApplication
    deadline.emplace(kTeardownLimitMs, run::ExitCode());
    return run::ExitCode();
}

std::function<bool()> BoundMenuHandler(const String& itemName)
{
    if (Window* front = FrontWindow())
        if (auto handler = front->MenuHandler(itemName)) return handler;
    if (Application* app = GetAppObject())
        if (auto handler = app->MenuHandler(itemName)) return handler;
    return {};
}

void ChooseMenuItem(const std::shared_ptr<MenuItem>& item)
{
    if (!item) return;
    // The first handler bound to the name takes the choice. Its result is not
    // used: every handler of the system answers False, and passing the choice
    // on would only run a second handler for one choice.
    if (const auto handler = BoundMenuHandler(item->Name())) {
        handler();
        return;
    }
    if (item->IsQuitItem()) {
        Quit(0);
        return;
    }
    if (IsEditCommand(item->Name())) DoEdit(item->Name());
}
