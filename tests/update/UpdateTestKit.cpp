#include "UpdateTestKit.h"

#include <QTcpServer>
#include "SharedConstants.h"
#include "Testing.h"
#include "UpDateWin.h"
#include "Window.h"

ObservedEffects::ObservedEffects() {
    testing_seams::SetMsgBoxObserver([this](const String& t) { boxes.push_back(t); });
    testing_seams::SetShowURLObserver([this](const String& u) { urls.push_back(u); });
}

ObservedEffects::~ObservedEffects() {
    CloseUpdateWindows();
    testing_seams::SetMsgBoxObserver(nullptr);
    testing_seams::SetShowURLObserver(nullptr);
    testing_seams::ClearRoutes();
}

UpDateWin* OpenUpdateWindow() {
    for (Window* w : OpenWindows())
        if (auto* u = dynamic_cast<UpDateWin*>(w)) return u;
    return nullptr;
}

int OpenUpdateWindowCount() {
    int n = 0;
    for (Window* w : OpenWindows())
        if (dynamic_cast<UpDateWin*>(w)) ++n;
    return n;
}

void CloseUpdateWindows() {
    while (UpDateWin* w = OpenUpdateWindow()) w->Close();
    testing_seams::Pump(0);
}

String UpdateHost() {
    const String url = UpdateListURL;
    const String prefix = "http://www.";
    return url.substr(prefix.size(), url.find('/', prefix.size()) - prefix.size());
}

int ClosedPort() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    int port = probe.serverPort();
    probe.close();
    return port;
}

bool WaitForOutcome(const ObservedEffects& seen, int ms) {
    return testing_seams::PumpUntil([&] { return !seen.boxes.empty() || OpenUpdateWindow(); }, ms);
}
