#pragma once
// Qt ends the process with an abort when its platform cannot start, most
// often because no graphical display can be opened. While one DisplayGuard
// lives, such a failure instead prints one line that says the program needs
// a graphical desktop and which display it tried, and ends the process with
// status 1. Qt's own messages meanwhile are held back and passed on once the
// platform has started, so a failed start prints that one line alone.
class DisplayGuard {
public:
    DisplayGuard();
    ~DisplayGuard();
    DisplayGuard(const DisplayGuard&) = delete;
    DisplayGuard& operator=(const DisplayGuard&) = delete;
};
