// The whole check against an independent HTTP/1.0 server: Python's
// standard http.server serving a real update list from a folder.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTcpSocket>
#include <QTemporaryDir>
#include "Testing.h"
#include "UpDateWin.h"
#include "UpdateSocket.h"
#include "UpdateTestKit.h"

namespace {

class HttpServerTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(folder.isValid());
        ASSERT_TRUE(QDir(folder.path()).mkpath("quande"));
        port = ClosedPort();
        server.setProgram("python3");
        server.setArguments({"-m", "http.server", "--bind", "127.0.0.1", QString::number(port), "--directory",
                             folder.path()});
        server.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        server.start();
        if (!server.waitForStarted(5000)) GTEST_SKIP() << "python3 is not available";
        ASSERT_TRUE(testing_seams::PumpUntil([this] { return Listening(); }, 10000)) << "http.server did not start";
        testing_seams::RouteHost(UpdateHost(), 80, "127.0.0.1", port);
    }

    void TearDown() override { StopServer(); }

    void StopServer() {
        if (server.state() == QProcess::NotRunning) return;
        server.kill();
        server.waitForFinished(5000);
    }

    bool Listening() const {
        QTcpSocket probe;
        probe.connectToHost("127.0.0.1", port);
        return probe.waitForConnected(200);
    }

    void Publish(const QByteArray& list) {
        QFile f(folder.path() + "/quande/quandeupdates.txt");
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        ASSERT_EQ(f.write(list), list.size());
    }

    ObservedEffects seen;
    QTemporaryDir folder;
    QProcess server;
    int port = 0;
};

TEST_F(HttpServerTest, NewerListOpensTheWindowWithEveryRecord) {
    Publish("====\r\n"
            "1.0.1 Old release\nhttp://dl.example.test/101.zip\nOld.\n"
            "----\r\n"
            "1.1.0 New release\nhttp://dl.example.test/110.zip\nLine one.\nLine two.\n"
            "----\r\n"
            "1.0.2 Current release\nhttps://dl.example.test/102.zip\nLine three.\n");
    UpdateSocket socket;
    socket.CheckForUpdate(true);
    ASSERT_TRUE(WaitForOutcome(seen, 10000));
    testing_seams::Pump(100);
    EXPECT_TRUE(seen.boxes.empty());
    UpDateWin* w = OpenUpdateWindow();
    ASSERT_NE(w, nullptr);
    auto* popup = w->Find<PopupMenu>("PopupMenu1");
    ASSERT_EQ(popup->ListCount(), 3);
    EXPECT_EQ(popup->List(0), "1.0.1 Old release");
    EXPECT_EQ(popup->List(1), "1.1.0 New release");
    EXPECT_EQ(popup->List(2), "1.0.2 Current release");
    EXPECT_EQ(popup->ListIndex(), 0);
    EXPECT_EQ(w->Find<StaticText>("StaticText2")->Text(), "Old.\r");

    popup->SetListIndex(1);
    EXPECT_EQ(w->Find<StaticText>("StaticText2")->Text(), "Line one.\rLine two.\r");
    w->Find<PushButton>("PushButton1")->Push();
    EXPECT_EQ(seen.urls, std::vector<String>{"http://dl.example.test/110.zip"});
}

TEST_F(HttpServerTest, EqualListSaysUpToDate) {
    Publish("====\r\n1.0.2 Current release\nhttp://dl.example.test/102.zip\nLine three.\n");
    UpdateSocket socket;
    socket.CheckForUpdate(true);
    ASSERT_TRUE(WaitForOutcome(seen, 10000));
    testing_seams::Pump(100);
    EXPECT_EQ(seen.boxes, std::vector<String>{UpToDate});
    EXPECT_EQ(OpenUpdateWindow(), nullptr);
}

TEST_F(HttpServerTest, ServerDownSaysCouldNotConnect) {
    StopServer();
    UpdateSocket socket;
    socket.CheckForUpdate(true);
    ASSERT_TRUE(WaitForOutcome(seen, 10000));
    testing_seams::Pump(100);
    EXPECT_EQ(seen.boxes, std::vector<String>{CouldNotConnect});
}

} // namespace
