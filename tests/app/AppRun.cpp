#include "AppRun.h"

#include <QDir>
#include <QFile>
#include <QTcpSocket>

#include "RandomNumGenWin.h"
#include "SharedConstants.h"
#include "SplashWin.h"
#include "Startup.h"
#include "Testing.h"

namespace {

// The host part of the update-list address, as the fetcher connects to it.
String UpdateHost() {
    const String url = UpdateListURL;
    const String prefix = "http://www.";
    const String rest = url.substr(prefix.size());
    return rest.substr(0, rest.find('/'));
}

} // namespace

QByteArray GoldenPrefs(bool noAutoUpdate) {
    static const unsigned char bytes[31] = {0x00, 0x00, 0x06, 'K', 'O', 'R', 'V', 'A', 'T', 0x00, 0x00,
                                            0x05, '1', '.', '0', '.', '2', 0x00, 0x00, 0x0B, 0x00, 0x00,
                                            0x01, 0x00, 0x00, 0x00, 0x04, 0x00, 0x00, 0x01, 0x00};
    QByteArray golden(reinterpret_cast<const char*>(bytes), sizeof bytes);
    golden[23] = noAutoUpdate ? 1 : 0;
    return golden;
}

void AppRun::SetUp() {
    ASSERT_TRUE(appDir_.isValid());
    testing_seams::SetApplicationFolder(appDir_.path().toStdString());
    testing_seams::SetShowURLObserver([this](const String& url) { urls_.push_back(url); });
    testing_seams::SetMsgBoxObserver([this](const String& text) { boxes_.push_back(text); });
    QObject::connect(&updateServer_, &QTcpServer::newConnection, [this] {
        while (QTcpSocket* s = updateServer_.nextPendingConnection()) {
            ++connections_;
            s->close();
            s->deleteLater();
        }
    });
    ASSERT_TRUE(updateServer_.listen(QHostAddress::LocalHost, 0));
    testing_seams::RouteHost(UpdateHost(), 80, "127.0.0.1", updateServer_.serverPort());
}

void AppRun::TearDown() {
    if (running_) Finish();
    testing_seams::ClearRoutes();
    testing_seams::SetShowURLObserver(nullptr);
    testing_seams::SetMsgBoxObserver(nullptr);
    updateServer_.close();
}

void AppRun::CopyPictures() {
    QDir(appDir_.path()).mkpath("Resources");
    for (const char* name : {"quandeicon.jpg", "brackwaterbackground.jpg"}) {
        const QString from = QString(QUANDE_APP_DIR) + "/Resources/" + name;
        ASSERT_TRUE(QFile::copy(from, appDir_.path() + "/Resources/" + name)) << name;
    }
}

void AppRun::Begin() {
    running_ = true;
    testing_seams::BeginRun(RunStartup);
}

void AppRun::Finish() {
    running_ = false;
    testing_seams::FinishRun();
    ReleaseModuleObjects();
    testing_seams::Pump(20);
}

QString AppRun::PrefsPath() const { return appDir_.path() + "/" + PrefsFileName; }

std::optional<QByteArray> AppRun::ReadPrefs() const {
    QFile f(PrefsPath());
    if (!f.exists()) return std::nullopt;
    if (!f.open(QIODevice::ReadOnly)) return QByteArray("<unreadable>");
    return f.readAll();
}

void AppRun::WritePrefs(const QByteArray& bytes) {
    QFile f(PrefsPath());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
    ASSERT_EQ(f.write(bytes), bytes.size());
}

void AppRun::Settle(int ms) { testing_seams::Pump(ms); }

void AppRun::PressSplash() {
    SplashWin* splash = OpenWindowOf<SplashWin>();
    ASSERT_NE(splash, nullptr);
    splash->PressAt(5, 5);
}

bool AppRun::MainWindowShown() const {
    RandomNumGenWin* w = OpenWindowOf<RandomNumGenWin>();
    return w && w->Visible();
}
