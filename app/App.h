#pragma once
#include <memory>
#include "Application.h"
#include "Menu.h"
#include "QuandePrefs.h"
#include "UpdateSocket.h"

// The application object: start-up, the hand-over from the splash, the
// menu commands, and the moments the preferences are read and written.
class App : public Application {
public:
    std::unique_ptr<UpdateSocket> SocketUpdate;
    bool DontAutoUpdate = false;
    std::shared_ptr<QuandePrefs> Defaultp;
    bool TermsAgreed = false;

    void Event_Close() override;
    void Event_Open() override;

    bool FileAbout_Action();
    bool NumberGeneratorRandomNumberGenerator_Action();
    bool WebAutoUpdateCheck_Action();
    bool WebCheckforupdatenow_Action();
    bool WebVisittheBrackwaterWebSite_Action();
    bool WebDonate5_Action();

    void AutoUpdateTask();
    void Startup();
    // Continues the start-up once per run, whichever splash trigger comes first.
    void StartupAfterSplash();
    void LoadDefaultPrefs();
    void SaveDefaultPrefs();

private:
    QuandePrefs& Prefs();

    bool termsShown_ = false;
    bool handedOver_ = false;
    bool closing_ = false;
    bool savedOnce_ = false;
};

// The registered application object, or nullptr when there is none.
App* TheApp();
// The menu item "Automatically check for updates", or nullptr without an application or menu bar.
std::shared_ptr<MenuItem> WebAutoUpdateCheck();
