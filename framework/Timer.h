#pragma once
#include <functional>
#include <memory>
#include "Text.h"

class QTimer;
class Window;

// A timer control of a window; it ends with its window.
class Timer {
public:
    enum { ModeOff = 0, ModeSingle = 1, ModeMultiple = 2 };
    Timer(Window* owner, const String& name);
    ~Timer();
    const String& Name() const { return name_; }
    int Mode() const { return mode_; }
    void SetMode(int m);     // (re)starts the count when the mode is not off
    int Period() const { return period_; }
    void SetPeriod(int ms);  // (re)starts the count when the mode is not off
    void Reset();
    bool Running() const;
    std::function<void()> Action;

private:
    void Restart();
    String name_;
    int mode_ = ModeMultiple, period_ = 1000;
    std::unique_ptr<QTimer> timer_;
};
