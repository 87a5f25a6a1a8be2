#pragma once
#include "Window.h"

// Shown at every start; holds the start-up back until the first of its
// timer, a press on it, or its closing hands over to the application.
class SplashWin : public Window {
public:
    bool StaticText3_MouseDown(int x, int y);
    void Timer1_Action();

protected:
    void Layout() override;
    void CreateControls() override;
    void CreateControls0();
    void Event_Close() override;
    bool Event_MouseDown(int x, int y) override;
    void Event_Open() override;

private:
    static void HandOver();
};

SplashWin* TheSplashWin();
