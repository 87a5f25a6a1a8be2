// TCPSocket against real servers on loopback: connections that cannot be
// made report once, and a dropped connection never speaks again.
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <gtest/gtest.h>
#include "TCPSocket.h"
#include "Testing.h"

namespace {
using Events = std::vector<String>;

// Records its events in order, reading all data at each DataAvailable.
class RecordingSocket : public TCPSocket {
public:
    Events events;
    String received;
    int32_t errorCode = -1;
    void Start(const String& host, int port)
    {
        SetAddress(host);
        SetPort(port);
        Connect();
    }

protected:
    void Event_Connected() override { events.push_back("Connected"); }
    void Event_DataAvailable() override
    {
        events.push_back("DataAvailable");
        received += ReadAll();
    }
    void Event_Error() override
    {
        events.push_back("Error");
        errorCode = LastErrorCode();
    }
};

struct Server : QTcpServer {
    Server() { EXPECT_TRUE(listen(QHostAddress::LocalHost, 0)); }
    QTcpSocket* Accept()
    {
        return QTest::qWaitFor([&] { return hasPendingConnections(); }, 5000) ? nextPendingConnection() : nullptr;
    }
};

// Connects and waits for the Connected event; yields the server's end, or nullptr.
QTcpSocket* Connect(RecordingSocket& socket, Server& server)
{
    socket.Start("127.0.0.1", server.serverPort());
    EXPECT_TRUE(socket.events.empty()); // events come later, from the loop
    QTcpSocket* peer = server.Accept();
    if (!peer || !QTest::qWaitFor([&] { return !socket.events.empty(); }, 5000)) return nullptr;
    EXPECT_EQ(socket.events, Events{"Connected"});
    return peer;
}

} // namespace

TEST(CoreSocket, ConnectionsThatCannotBeMadeReportOnce)
{
    const std::pair<String, int> cases[] = {
        {"", 80}, {"127.0.0.1", 0}, {"127.0.0.1", 70000}, {"nonexistent.invalid", 80}};
    for (const auto& [host, port] : cases) {
        SCOPED_TRACE("\"" + host + "\":" + std::to_string(port));
        RecordingSocket socket;
        socket.Start(host, port);
        ASSERT_TRUE(QTest::qWaitFor([&] { return socket.errorCode != -1; }, 25000));
        EXPECT_EQ(socket.errorCode, TCPSocket::CouldNotConnect);
        EXPECT_EQ(socket.events, Events{"Error"});
    }
}

TEST(CoreSocket, ReconnectAndCloseDropTheOldConnectionSilently)
{
    Server first, second;
    RecordingSocket socket;
    QTcpSocket* oldPeer = Connect(socket, first);
    ASSERT_NE(oldPeer, nullptr);
    // The old server talks and hangs up just as the new connection starts:
    // its bytes and their event are on their way, yet none may reach the socket.
    oldPeer->write("stale");
    ASSERT_TRUE(QTest::qWaitFor([&] { return socket.BytesAvailable() > 0; }, 5000));
    oldPeer->disconnectFromHost();
    socket.events.clear();
    QTcpSocket* newPeer = Connect(socket, second);
    ASSERT_NE(newPeer, nullptr);
    newPeer->write("fresh");
    ASSERT_TRUE(QTest::qWaitFor([&] { return socket.received.size() >= 5; }, 5000));
    QTest::qWait(100);
    EXPECT_EQ(socket.received, "fresh");
    EXPECT_EQ(socket.events, (Events{"Connected", "DataAvailable"}));
    // Close drops the connection with bytes unread and its end pending: no event follows.
    newPeer->write("unread");
    newPeer->disconnectFromHost();
    ASSERT_TRUE(QTest::qWaitFor([&] { return socket.BytesAvailable() > 0; }, 5000));
    socket.events.clear();
    socket.Close();
    QTest::qWait(100);
    EXPECT_TRUE(socket.events.empty());
    EXPECT_EQ(socket.ReadAll(), "");
}
