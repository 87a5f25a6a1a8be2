// TCPSocket against real servers on loopback: events arrive on the event
// loop in order, every byte comes before the close is reported, and a
// dropped connection never speaks again.
#include <functional>
#include <memory>
#include <vector>

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

class Server {
public:
    Server() { EXPECT_TRUE(server_.listen(QHostAddress::LocalHost, 0)); }
    int Port() const { return server_.serverPort(); }
    QTcpSocket* Accept()
    {
        if (!WaitFor([&] { return server_.hasPendingConnections(); }))
            return nullptr;
        return server_.nextPendingConnection();
    }

private:
    QTcpServer server_;
};

// Connects the socket to the server and waits for its Connected event;
// yields the server's end, or nullptr.
QTcpSocket* Connect(RecordingSocket& socket, Server& server)
{
    socket.SetAddress("127.0.0.1");
    socket.SetPort(server.Port());
    socket.Connect();
    EXPECT_TRUE(socket.events.empty()); // events come later, from the loop
    QTcpSocket* peer = server.Accept();
    if (!peer || !WaitFor([&] { return !socket.events.empty(); }))
        return nullptr;
    EXPECT_EQ(socket.events, Events{"Connected"});
    return peer;
}

// A port that refuses: listened on once, then closed.
int RefusingPort()
{
    QTcpServer probe;
    EXPECT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
    return probe.serverPort();
}

TEST(CoreSocket, ConnectWriteAndRead)
{
    Server server;
    RecordingSocket socket;
    QTcpSocket* peer = Connect(socket, server);
    ASSERT_NE(peer, nullptr);
    EXPECT_TRUE(socket.IsConnected());

    const String request("GET / HTTP/1.0\r\n\0\xff", 18);
    socket.Write(request);
    QByteArray got;
    EXPECT_TRUE(WaitFor([&] { return (got += peer->readAll()).size() >= 18; }));
    EXPECT_EQ(got.toStdString(), request);

    peer->write("reply\0bytes", 11);
    ASSERT_TRUE(WaitFor([&] { return socket.received.size() >= 11; }));
    EXPECT_EQ(socket.received, String("reply\0bytes", 11));
    EXPECT_EQ(socket.ReadAll(), ""); // consumed
    EXPECT_EQ(socket.errorCode, -1);
}

TEST(CoreSocket, EveryByteArrivesBeforeTheCloseIsReported)
{
    Server server;
    RecordingSocket socket;
    QTcpSocket* peer = Connect(socket, server);
    ASSERT_NE(peer, nullptr);

    String page;
    for (int i = 0; page.size() < 300000; ++i)
        page += "line " + std::to_string(i) + "\r\n";
    peer->write(page.data(), static_cast<qint64>(page.size()));
    peer->disconnectFromHost();

    ASSERT_TRUE(WaitFor([&] { return socket.errorCode != -1; }, 10000));
    EXPECT_EQ(socket.errorCode, TCPSocket::ConnectionClosed);
    EXPECT_EQ(socket.received, page);
    EXPECT_EQ(socket.events.back(), "Error");
    EXPECT_FALSE(socket.IsConnected());
    const auto count = socket.events.size();
    QTest::qWait(100);
    EXPECT_EQ(socket.events.size(), count); // nothing follows the error
}

TEST(CoreSocket, ConnectionsThatCannotBeMade)
{
    struct Case {
        String host;
        int port;
    };
    const Case cases[] = {
        {"127.0.0.1", RefusingPort()}, {"", 80}, {"127.0.0.1", 0},
        {"127.0.0.1", 70000},          {"nonexistent.invalid", 80},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE("host \"" + c.host + "\" port " + std::to_string(c.port));
        RecordingSocket socket;
        socket.SetAddress(c.host);
        socket.SetPort(c.port);
        socket.Connect();
        EXPECT_TRUE(socket.events.empty());
        ASSERT_TRUE(WaitFor([&] { return socket.errorCode != -1; }, 25000));
        EXPECT_EQ(socket.errorCode, TCPSocket::CouldNotConnect);
        EXPECT_EQ(socket.events, Events{"Error"});
        EXPECT_EQ(socket.Address(), c.host);
        EXPECT_EQ(socket.Port(), c.port);
    }
}

TEST(CoreSocket, ReconnectDropsTheOldConnectionSilently)
{
    Server first, second;
    RecordingSocket socket;
    QTcpSocket* oldPeer = Connect(socket, first);
    ASSERT_NE(oldPeer, nullptr);

    // The old server talks and hangs up just as the new connection starts:
    // its bytes have arrived and their event is on its way, yet none of
    // that may reach the socket.
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

    // Asked twice while still connecting: one connection results.
    RecordingSocket twice;
    twice.SetAddress("127.0.0.1");
    twice.SetPort(second.Port());
    twice.Connect();
    twice.Connect();
    ASSERT_TRUE(WaitFor([&] { return !twice.events.empty(); }));
    QTest::qWait(100);
    EXPECT_EQ(twice.events, Events{"Connected"});
}

TEST(CoreSocket, CloseDropsWithoutEvents)
{
    Server server;
    RecordingSocket socket;
    QTcpSocket* peer = Connect(socket, server);
    ASSERT_NE(peer, nullptr);

    peer->write("unread");
    peer->disconnectFromHost();
    ASSERT_TRUE(WaitFor([&] { return socket.BytesAvailable() > 0; }));
    socket.events.clear();
    socket.Close();
    QTest::qWait(100);
    EXPECT_TRUE(socket.events.empty());
    EXPECT_EQ(socket.ReadAll(), "");
    EXPECT_FALSE(socket.IsConnected());
}

TEST(CoreSocket, RoutedHostReachesTheLoopbackServer)
{
    Server server;
    testing_seams::RouteHost("brackwater.example.com", 80, "127.0.0.1", server.Port());
    RecordingSocket socket;
    socket.SetAddress("brackwater.example.com");
    socket.SetPort(80);
    socket.Connect();
    testing_seams::ClearRoutes();
    ASSERT_NE(server.Accept(), nullptr);
    ASSERT_TRUE(WaitFor([&] { return !socket.events.empty(); }));
    EXPECT_EQ(socket.events, Events{"Connected"});
    EXPECT_EQ(socket.Address(), "brackwater.example.com");
    EXPECT_EQ(socket.Port(), 80);
}

TEST(CoreSocket, ReleasedInsideItsOwnErrorEvent)
{
    struct SelfReleasing : TCPSocket {
        std::unique_ptr<SelfReleasing>* holder = nullptr;
        void Event_Error() override { holder->reset(); }
    };
    auto socket = std::make_unique<SelfReleasing>();
    socket->holder = &socket;
    socket->SetAddress("127.0.0.1");
    socket->SetPort(RefusingPort());
    socket->Connect();
    EXPECT_TRUE(WaitFor([&] { return socket == nullptr; }));
    QTest::qWait(50);
}

} // namespace
