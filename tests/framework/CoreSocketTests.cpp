// TCPSocket against real servers on loopback: events arrive on the event
// loop in order, every byte comes before the close is reported, and a
// dropped connection never speaks again.
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

bool WaitFor(const std::function<bool()>& pred, int ms = 5000)
{
    return QTest::qWaitFor(pred, ms);
}

struct Server : QTcpServer {
    Server() { EXPECT_TRUE(listen(QHostAddress::LocalHost, 0)); }
    QTcpSocket* Accept()
    {
        return WaitFor([&] { return hasPendingConnections(); }) ? nextPendingConnection() : nullptr;
    }
};

// Connects and waits for the Connected event; yields the server's end, or nullptr.
QTcpSocket* Connect(RecordingSocket& socket, Server& server, const String& host = "127.0.0.1", int port = 0)
{
    socket.Start(host, port ? port : server.serverPort());
    EXPECT_TRUE(socket.events.empty()); // events come later, from the loop
    QTcpSocket* peer = server.Accept();
    if (!peer || !WaitFor([&] { return !socket.events.empty(); })) return nullptr;
    EXPECT_EQ(socket.events, Events{"Connected"});
    return peer;
}

int RefusingPort()
{
    return Server().serverPort();
} // listened on once, then closed
} // namespace

TEST(CoreSocket, RoundTripThroughARoutedHostKeepsEveryByteUpToTheClose)
{
    Server server;
    testing_seams::RouteHost("brackwater.example.com", 80, "127.0.0.1", server.serverPort());
    RecordingSocket socket;
    QTcpSocket* peer = Connect(socket, server, "brackwater.example.com", 80);
    testing_seams::ClearRoutes();
    ASSERT_NE(peer, nullptr);
    EXPECT_EQ(socket.Address(), "brackwater.example.com");
    const String request("GET / HTTP/1.0\r\n\0\xff", 18);
    socket.Write(request);
    QByteArray got;
    EXPECT_TRUE(WaitFor([&] { return (got += peer->readAll()).size() >= 18; }));
    EXPECT_EQ(got.toStdString(), request);
    // A long reply and the close right behind it: every byte comes before error 102.
    String page("reply\0bytes", 11);
    for (int i = 0; page.size() < 300000; ++i) page += "line " + std::to_string(i) + "\r\n";
    peer->write(page.data(), static_cast<qint64>(page.size()));
    peer->disconnectFromHost();
    ASSERT_TRUE(WaitFor([&] { return socket.errorCode != -1; }, 10000));
    EXPECT_EQ(socket.errorCode, TCPSocket::ConnectionClosed);
    EXPECT_EQ(socket.received, page);
    QTest::qWait(100);
    EXPECT_EQ(socket.events.back(), "Error"); // nothing follows the error
}

TEST(CoreSocket, ConnectionsThatCannotBeMadeReportOnce)
{
    const std::pair<String, int> cases[] = {
        {"127.0.0.1", RefusingPort()}, {"", 80}, {"127.0.0.1", 0}, {"127.0.0.1", 70000}, {"nonexistent.invalid", 80}};
    for (const auto& [host, port] : cases) {
        SCOPED_TRACE("\"" + host + "\":" + std::to_string(port));
        RecordingSocket socket;
        socket.Start(host, port);
        ASSERT_TRUE(WaitFor([&] { return socket.errorCode != -1; }, 25000));
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
    ASSERT_TRUE(WaitFor([&] { return socket.BytesAvailable() > 0; }));
    oldPeer->disconnectFromHost();
    socket.events.clear();
    QTcpSocket* newPeer = Connect(socket, second);
    ASSERT_NE(newPeer, nullptr);
    newPeer->write("fresh");
    ASSERT_TRUE(WaitFor([&] { return socket.received.size() >= 5; }));
    QTest::qWait(100);
    EXPECT_EQ(socket.received, "fresh");
    EXPECT_EQ(socket.events, (Events{"Connected", "DataAvailable"}));
    // Close drops the connection with bytes unread and its end pending: no event follows.
    newPeer->write("unread");
    newPeer->disconnectFromHost();
    ASSERT_TRUE(WaitFor([&] { return socket.BytesAvailable() > 0; }));
    socket.events.clear();
    socket.Close();
    QTest::qWait(100);
    EXPECT_TRUE(socket.events.empty());
    EXPECT_EQ(socket.ReadAll(), "");
}
