#include "ExitDeadline.h"

#include <chrono>
#include <unistd.h>

ExitDeadline::ExitDeadline(int milliseconds, int status)
{
    watcher_ = std::thread([this, milliseconds, status] {
        std::unique_lock lock(mutex_);
        if (!finished_.wait_for(lock, std::chrono::milliseconds(milliseconds), [this] { return done_; }))
            _exit(status); // nothing of the run is left to lose; only Qt's waiting is cut short
    });
}

ExitDeadline::~ExitDeadline()
{
    {
        std::lock_guard lock(mutex_);
        done_ = true;
    }
    finished_.notify_one();
    watcher_.join();
}
