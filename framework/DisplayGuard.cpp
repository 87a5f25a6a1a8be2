#include "DisplayGuard.h"

#include <QByteArray>
#include <QString>
#include <QtGlobal>
#include <cstdio>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {
struct HeldMessage {
    QtMsgType type;
    QString category, text;
};

QtMessageHandler previous = nullptr;
std::vector<HeldMessage> held;

QByteArray DisplayTried()
{
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY"}) {
        const QByteArray value = qgetenv(name);
        if (!value.isEmpty()) return "display \"" + value + "\"";
    }
    return "no display: neither DISPLAY nor WAYLAND_DISPLAY is set";
}

void Hold(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type != QtFatalMsg) {
        held.push_back({type, QString::fromUtf8(context.category ? context.category : ""), text});
        return;
    }
    std::fprintf(stderr, "Quandelvorix needs a graphical desktop and could not open one (tried %s).\n",
                 DisplayTried().constData());
    std::fflush(stderr);
    _exit(1); // nothing of the run has begun: no file is open, nothing to save
}
} // namespace

DisplayGuard::DisplayGuard()
{
    previous = qInstallMessageHandler(Hold);
}

DisplayGuard::~DisplayGuard()
{
    qInstallMessageHandler(previous);
    for (const HeldMessage& m : std::exchange(held, {})) {
        const QByteArray category = m.category.toUtf8();
        const QMessageLogContext context(nullptr, 0, nullptr, category.isEmpty() ? nullptr : category.constData());
        qt_message_output(m.type, context, m.text);
    }
}
