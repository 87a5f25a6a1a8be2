#include "Startup.h"

#include <memory>
#include "App.h"
#include "FileTypes.h"
#include "MenuBar1.h"
#include "RandomNumGenWin.h"

namespace {

struct MenuBinding {
    const char* ItemName;
    bool (App::*Handler)();
};

const MenuBinding kMenuBindings[] = {
    {"FileAbout", &App::FileAbout_Action},
    {"NumberGeneratorRandomNumberGenerator", &App::NumberGeneratorRandomNumberGenerator_Action},
    {"WebAutoUpdateCheck", &App::WebAutoUpdateCheck_Action},
    {"WebCheckforupdatenow", &App::WebCheckforupdatenow_Action},
    {"WebVisittheBrackwaterWebSite", &App::WebVisittheBrackwaterWebSite_Action},
    {"WebDonate5", &App::WebDonate5_Action},
};

} // namespace

void RunStartup()
{
    InitFileTypes();
    NewAppInstance();
    ApplicationAddMenuHandlers();
    MakeDefaultView();
}

void InitFileTypes()
{
    FileTypes::Initialize();
}

void NewAppInstance()
{
    auto app = std::make_unique<App>();
    app->SetMenuBar(TheMenuBar1());
    RegisterAppObject(std::move(app));
}

void ApplicationAddMenuHandlers()
{
    App* app = TheApp();
    if (!app) return;
    for (const MenuBinding& binding : kMenuBindings) {
        app->AddMenuHandler(binding.ItemName, [handler = binding.Handler] {
            App* current = TheApp();
            return current ? (current->*handler)() : false;
        });
    }
}

// The main window is made hidden; the hand-over shows it.
void MakeDefaultView()
{
    TheRandomNumGenWin();
}

void ReleaseModuleObjects()
{
    FileTypes::pText.reset();
    ReleaseMenuBar1();
}
