#include "Timer.h"

#include <QTimer>

Timer::Timer(Window* /*owner*/, const String& name) : name_(name), timer_(std::make_unique<QTimer>())
{
    QObject::connect(timer_.get(), &QTimer::timeout, timer_.get(), [this] {
        if (Action) Action();
    });
    Restart(); // a new timer runs with its defaults, as the original's did
}

Timer::~Timer() = default;

void Timer::SetMode(int m)
{
    mode_ = m;
    Restart();
}

void Timer::SetPeriod(int ms)
{
    period_ = ms;
    Restart();
}

void Timer::Reset()
{
    Restart();
}

bool Timer::Running() const
{
    return timer_->isActive();
}

void Timer::End()
{
    ended_ = true;
    timer_->stop();
}

void Timer::Restart()
{
    if (ended_ || (mode_ != ModeSingle && mode_ != ModeMultiple)) {
        timer_->stop();
        return;
    }
    timer_->setSingleShot(mode_ == ModeSingle);
    timer_->start(period_ > 0 ? period_ : 0);
}
