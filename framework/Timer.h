#pragma once
#include <functional>
#include <memory>
#include "Text.h"

class QTimer;

// A timer control of a window; it ends with its window. Mode 1 fires once,
// Mode 2 repeatedly, Period milliseconds after it was (re)started.
class Timer {
public:
    enum { ModeOff = 0, ModeSingle = 1, ModeMultiple = 2 };
    Timer();
    ~Timer();
    void SetMode(int m);    // (re)starts the count when the mode is not off
    void SetPeriod(int ms); // (re)starts the count when the mode is not off
    void Reset();
    void End(); // for the framework: its window has closed, it never fires again
    std::function<void()> Action;

private:
    void Restart();
    int mode_ = ModeMultiple, period_ = 1000;
    bool ended_ = false;
    std::unique_ptr<QTimer> timer_;
};
