// Preloaded into each program the start-up benchmark runs. At the first
// event-loop pass after the program's first window has been painted it sends
// the runner, through descriptor 3, the monotonic times at which the
// QApplication was made and at which it stopped, and the window's title; then
// it ends the process at once, so every program stops at the same moment and
// none pays for its tear-down.
#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <ctime>
#include <sys/stat.h>
#include <unistd.h>
#include <cstdio>

namespace {

constexpr int kReportFd = 3;

long long NowNs()
{
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<long long>(now.tv_sec) * 1000000000LL + now.tv_nsec;
}

long long appMadeNs = 0;

class FirstPaint : public QObject {
public:
    bool eventFilter(QObject* object, QEvent* event) override
    {
        if (!seen_ && event->type() == QEvent::Paint && object->isWidgetType()) {
            auto* widget = static_cast<QWidget*>(object);
            if (widget->isWindow()) {
                seen_ = true;
                title_ = widget->windowTitle().toUtf8();
                // Queued: the window's children are painted and the result flushed
                // to the screen before the loop comes back to this.
                QTimer::singleShot(0, this, [this] { End(); });
            }
        }
        return false;
    }

private:
    void End()
    {
        const long long now = NowNs();
        struct stat st { };
        // Only a pipe from the runner; the descriptor may be anything else when run by hand.
        if (fstat(kReportFd, &st) == 0 && S_ISFIFO(st.st_mode))
            dprintf(kReportFd, "%lld %lld %s\n", appMadeNs, now, title_.constData());
        _exit(0);
    }

    bool seen_ = false;
    QByteArray title_;
};

void Install()
{
    appMadeNs = NowNs();
    QCoreApplication::instance()->installEventFilter(new FirstPaint);
}

} // namespace

// Runs as the program's QApplication is made, before any window exists.
Q_COREAPP_STARTUP_FUNCTION(Install)
