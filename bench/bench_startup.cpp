// Start-up cost of Quandelvorix beside a bare Qt window of the same size.
// Usage: bench_startup app|bare <launch time in ns since the epoch>
// Prints the milliseconds from the launch to the first window shown, and
// the peak resident memory in KiB, then quits.
#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QTimer>
#include <QWidget>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <sys/resource.h>
#include "Application.h"
#include "Startup.h"
#include "Testing.h"

namespace {
long long launchNs = 0;

void Report(const char* what) {
    using namespace std::chrono;
    long long now = duration_cast<nanoseconds>(system_clock::now().time_since_epoch()).count();
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::printf("%s first_window_ms=%.1f peak_rss_kib=%ld\n", what, (now - launchNs) / 1e6, usage.ru_maxrss);
    std::fflush(stdout);
}

// Reports once, at the first top-level window that is shown.
class FirstShow : public QObject {
public:
    explicit FirstShow(const char* what) : what_(what) {}
    bool eventFilter(QObject* o, QEvent* e) override {
        if (!done_ && e->type() == QEvent::Show) {
            auto* w = qobject_cast<QWidget*>(o);
            if (w && w->isWindow()) {
                done_ = true;
                QTimer::singleShot(0, [this] {
                    Report(what_);
                    if (std::strcmp(what_, "app") == 0) Quit(0); else qApp->quit();
                });
            }
        }
        return false;
    }

private:
    const char* what_;
    bool done_ = false;
};
} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s app|bare <launch-ns>\n", argv[0]);
        return 2;
    }
    launchNs = std::atoll(argv[2]);
    if (std::strcmp(argv[1], "bare") == 0) {
        QApplication qapp(argc, argv);
        FirstShow filter("bare");
        qapp.installEventFilter(&filter);
        QWidget w;
        w.setFixedSize(475, 318);
        w.show();
        return qapp.exec();
    }
    // A fresh application folder: no preferences file, so the terms window is the first shown.
    static FirstShow filter("app");
    static QTemporaryDir* folder = nullptr;
    int code = RunApplication(argc, argv, [] {
        folder = new QTemporaryDir();
        testing_seams::SetApplicationFolder(folder->path().toStdString());
        qApp->installEventFilter(&filter);
        RunStartup();
    });
    ReleaseModuleObjects();
    delete folder;
    return code;
}
