#pragma once
// What the update tests share: the boxes and browser openings a check
// produces, the update window without creating it, and the update host.
#include <string>
#include <vector>
#include "Text.h"

class UpDateWin;

// Records every MsgBox and ShowURL while alive; closes update windows and
// clears host routes when it ends, so each test starts clean.
class ObservedEffects {
public:
    ObservedEffects();
    ~ObservedEffects();
    ObservedEffects(const ObservedEffects&) = delete;
    ObservedEffects& operator=(const ObservedEffects&) = delete;

    std::vector<String> boxes;
    std::vector<String> urls;
};

// The open update window, or nullptr; never makes one.
UpDateWin* OpenUpdateWindow();
int OpenUpdateWindowCount();
void CloseUpdateWindows();

// The host the update list is fetched from, as the fetcher connects to it.
String UpdateHost();

// A loopback port on which nothing listens.
int ClosedPort();

// Waits until a check has shown its outcome: a box or the update window.
bool WaitForOutcome(const ObservedEffects& seen, int ms = 5000);

inline const char* UpToDate = "You have the latest version of this software.";
inline const char* CouldNotConnect = "Update check failed, could not connect to host.";
