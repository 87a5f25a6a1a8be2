#pragma once
// Turns SIGTERM and SIGINT into an ordinary call on the event loop: the
// handler only writes a byte to a pipe (async-signal-safe), and a socket
// notifier on the pipe's other end calls back. One watcher at a time.
#include <csignal>
#include <functional>
#include <memory>

class QSocketNotifier;

class SignalWatcher {
public:
    explicit SignalWatcher(std::function<void()> onSignal);
    ~SignalWatcher();
    SignalWatcher(const SignalWatcher&) = delete;
    SignalWatcher& operator=(const SignalWatcher&) = delete;

private:
    void Drain();
    std::function<void()> onSignal_;
    int readFd_ = -1, writeFd_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
    struct sigaction oldTerm_ {
    }, oldInt_{};
    bool installed_ = false;
};
