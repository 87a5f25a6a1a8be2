#pragma once
// Bounds the time between the end of a run and the end of the process.
// Tearing Qt down waits for its host-lookup threads, and a name server that
// never answers would keep a process with no window alive for as long as the
// lookup hangs. Made once the run's own work is done (Close raised, the
// preferences written, every window gone): if the process is still tearing
// down when the time is up, it ends there with the run's exit status.
#include <condition_variable>
#include <mutex>
#include <thread>

class ExitDeadline {
public:
    ExitDeadline(int milliseconds, int status);
    ~ExitDeadline(); // the teardown finished in time
    ExitDeadline(const ExitDeadline&) = delete;
    ExitDeadline& operator=(const ExitDeadline&) = delete;

private:
    std::mutex mutex_;
    std::condition_variable finished_;
    bool done_ = false;
    std::thread watcher_;
};
