#pragma once
// The application object and the run. One application object per run;
// the framework raises its Open event before the first user event and its
// Close event when the run ends, whatever ends it.
#include <functional>
#include <memory>
#include "Menu.h"
#include "MenuHandlers.h"
#include "Text.h"

class Application {
public:
    Application();
    virtual ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    void SetMenuBar(std::shared_ptr<MenuBar> bar) { menuBar_ = std::move(bar); }
    std::shared_ptr<MenuBar> GetMenuBar() const { return menuBar_; }

    void AddMenuHandler(const String& itemName, std::function<bool()> handler)
    {
        menuHandlers_.Add(itemName, std::move(handler));
    }
    std::function<bool()> MenuHandler(const String& itemName) const { return menuHandlers_.Find(itemName); }

    virtual void Event_Open() { }
    virtual void Event_Close() { }

private:
    std::shared_ptr<MenuBar> menuBar_;
    MenuHandlers menuHandlers_;
};

// The registered application object, or nullptr.
Application* GetAppObject();
void RegisterAppObject(std::unique_ptr<Application> app);

// Ends the run with this exit status (Close is raised first).
void Quit(int code = 0);

// The whole run: initialises the platform, calls startup once, raises Open,
// runs the event loop until the application quits, raises Close, releases
// the application object and returns the exit status.
int RunApplication(int argc, char** argv, const std::function<void()>& startup);

// What choosing a menu item does: the frontmost window's handler, else the
// application's, else the framework's own (quit item, editing commands).
void ChooseMenuItem(const std::shared_ptr<MenuItem>& item);
