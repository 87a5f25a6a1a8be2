#include "Timer.h"

#include <QTimer>

Timer::Timer() : timer_(std::make_unique<QTimer>())
{
    // Qt's default timer may fire up to 5% early (whole seconds early from
    // 20 s on); a period here is a least wait that callers promise users.
    timer_->setTimerType(Qt::PreciseTimer);
    QObject::connect(timer_.get(), &QTimer::timeout, timer_.get(), [this] {
        if (Action) Action();
    });
    // Live once made, with its defaults, like any control; the window's own
    // Mode and Period each restart the count before it can first fire.
    Restart();
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
