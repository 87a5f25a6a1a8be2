#pragma once
#include "Window.h"

// The About box: title, credits, icon, the home-page link, version and rights notice.
class AboutWin : public Window {
public:
    bool StaticText5_MouseDown(int x, int y);

protected:
    void Layout() override;
    void CreateControls() override;
    void CreateControls0();
    bool Event_MouseDown(int x, int y) override;
    void Event_Open() override;
};

AboutWin* TheAboutWin();
