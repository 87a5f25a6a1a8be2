#include "Testing.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QThread>
#include "DesktopObservers.h"
#include "RunState.h"

namespace testing_seams {

void SetMsgBoxObserver(std::function<void(const String&)> observer)
{
    MsgBoxObserver() = std::move(observer);
}

void SetShowURLObserver(std::function<void(const String&, bool)> observer)
{
    ShowURLObserver() = std::move(observer);
}

void BeginRun(const std::function<void()>& startup)
{
    run::Begin(startup, false);
}

bool RunQuit()
{
    return run::Quitting();
}

int RunExitCode()
{
    return run::ExitCode();
}

void FinishRun()
{
    run::End();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

bool PumpUntil(const std::function<bool()>& pred, int ms)
{
    QElapsedTimer elapsed;
    elapsed.start();
    for (;;) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (pred && pred()) return true;
        if (elapsed.elapsed() >= ms) return pred && pred();
        QThread::msleep(1);
    }
}

void Pump(int ms)
{
    PumpUntil(nullptr, ms);
}

} // namespace testing_seams
