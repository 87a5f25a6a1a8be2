#pragma once
// The window that offers the versions of an update list for download.
#include <memory>
#include "Text.h"
#include "UpdateInfoClass.h"
#include "Window.h"

class UpDateWin : public Window {
public:
    std::shared_ptr<UpdateInfoClass> updata; // the list shown
    String CurentHttp;                       // the address "Download" opens

    void PopupMenu1_Change();
    void PushButton1_Action();
    bool EditCloseWindow_Action();
    // Fills the controls from updata: one popup row per record, record 1 chosen.
    void displaydata();

protected:
    void Layout() override;
    void CreateControls() override;
    void CreateControls0();
    void AddMenuHandlers() override;
    void Event_Open() override;
};

UpDateWin* TheUpDateWin();
