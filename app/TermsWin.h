#pragma once
#include "Window.h"

// The first-run gate: the terms of use with "Agree" and "Disagree".
class TermsWin : public Window {
public:
    void PushButton1_Action(); // Agree
    void PushButton2_Action(); // Disagree

protected:
    void Layout() override;
    void CreateControls() override;
    void CreateControls0();
};

TermsWin* TheTermsWin();
