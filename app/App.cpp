#include "App.h"

#include "AboutWin.h"
#include "Desktop.h"
#include "FolderItem.h"
#include "KorPreffMod.h"
#include "RandomNumGenWin.h"
#include "SharedConstants.h"
#include "SplashWin.h"
#include "TermsWin.h"

void App::Event_Open()
{
    Startup();
}

void App::Event_Close()
{
    // A hand-over still pending when the run ends must not start anything.
    closing_ = true;
    if (TermsAgreed) SaveDefaultPrefs();
}

void App::Startup()
{
    SocketUpdate = std::make_unique<UpdateSocket>();
    // The file's existence alone records that the terms were accepted once.
    std::shared_ptr<FolderItem> prefsFile = GetFolderItem(PrefsFileName, 0);
    if (prefsFile && prefsFile->Exists()) {
        TheSplashWin()->Show();
    } else {
        termsShown_ = true;
        TheTermsWin()->Show();
    }
}

void App::StartupAfterSplash()
{
    // Closing the splash below raises its Close event, which calls back in here.
    if (handedOver_ || closing_) return;
    handedOver_ = true;

    if (auto* status = TheSplashWin()->Find<StaticText>("StaticText7")) {
        status->SetText("Loading Default Preferences...");
        status->Refresh(true);
    }
    LoadDefaultPrefs();
    TheSplashWin()->Close();
    TheRandomNumGenWin()->Show();
    AutoUpdateTask();
}

void App::LoadDefaultPrefs()
{
    // A choice made while the terms were unanswered was not written; the
    // file cannot hold it, so it outlives the load.
    const bool unsavedChoice = Defaultp && termsShown_ && !savedOnce_;
    const bool earlierChoice = DontAutoUpdate;
    Defaultp = std::make_shared<QuandePrefs>();
    Defaultp->Default();
    const String payload = KorPreffMod::ReadPreffs(GetFolderItem(PrefsFileName, 0));
    if (!payload.empty())
        Defaultp->PopFromString(payload);
    else if (unsavedChoice)
        Defaultp->noautoupdate = earlierChoice;
    DontAutoUpdate = Defaultp->noautoupdate;
}

void App::SaveDefaultPrefs()
{
    KorPreffMod::WritePreffs(Prefs().ToString(), GetFolderItem(PrefsFileName, 0));
    savedOnce_ = true;
}

// The record is loaded at the hand-over; a toggle or a quit before it gets
// a fresh record with the defaults and the switch as it stands.
QuandePrefs& App::Prefs()
{
    if (!Defaultp) {
        Defaultp = std::make_shared<QuandePrefs>();
        Defaultp->Default();
        Defaultp->noautoupdate = DontAutoUpdate;
    }
    return *Defaultp;
}

void App::AutoUpdateTask()
{
    std::shared_ptr<MenuItem> item = WebAutoUpdateCheck();
    if (item) item->SetChecked(!DontAutoUpdate);
    if (!DontAutoUpdate && SocketUpdate) SocketUpdate->CheckForUpdate(true);
}

bool App::FileAbout_Action()
{
    TheAboutWin()->Show();
    return false;
}

bool App::NumberGeneratorRandomNumberGenerator_Action()
{
    TheRandomNumGenWin()->Show();
    return false;
}

bool App::WebAutoUpdateCheck_Action()
{
    std::shared_ptr<MenuItem> item = WebAutoUpdateCheck();
    if (!item) return false;
    // The item's state decides, not DontAutoUpdate.
    const bool wasChecked = item->Checked();
    item->SetChecked(!wasChecked);
    DontAutoUpdate = wasChecked;
    Prefs().noautoupdate = DontAutoUpdate;
    // A file written before the terms are accepted would skip them at the
    // next start; the choice is kept and saved with the acceptance instead.
    if (!termsShown_ || TermsAgreed) SaveDefaultPrefs();
    return false;
}

bool App::WebCheckforupdatenow_Action()
{
    if (SocketUpdate) SocketUpdate->CheckForUpdate(true);
    return false;
}

bool App::WebVisittheBrackwaterWebSite_Action()
{
    ShowURL(HomePageURL);
    return false;
}

bool App::WebDonate5_Action()
{
    ShowURL(DonationURL);
    return false;
}

App* TheApp()
{
    return dynamic_cast<App*>(GetAppObject());
}

std::shared_ptr<MenuItem> WebAutoUpdateCheck()
{
    App* app = TheApp();
    if (!app) return nullptr;
    std::shared_ptr<MenuBar> bar = app->GetMenuBar();
    return bar ? bar->Lookup("WebAutoUpdateCheck") : nullptr;
}
