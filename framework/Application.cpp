#include "Application.h"

#include <QApplication>
#include "EditCommands.h"
#include "MenuDispatch.h"
#include "RunState.h"
#include "Window.h"

Application::Application() = default;
Application::~Application() = default;

void Application::AddMenuHandler(const String& itemName, std::function<bool()> handler)
{
    menuHandlers_[itemName] = std::move(handler);
}

std::function<bool()> Application::MenuHandler(const String& itemName) const
{
    const auto it = menuHandlers_.find(itemName);
    return it == menuHandlers_.end() ? std::function<bool()>() : it->second;
}

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

int RunApplication(int argc, char** argv, const std::function<void()>& startup)
{
    QApplication qapp(argc, argv);
    // The run ends when the user closes the last visible window or quits, not
    // when code closes a window on the way (the splash hand-over, "Agree").
    QApplication::setQuitOnLastWindowClosed(false);
    run::Begin(startup, true);
    if (!run::Quitting()) QApplication::exec();
    run::End(); // the application object and the windows go before the QApplication
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
