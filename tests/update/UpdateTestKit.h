#pragma once
// What the update tests share: the boxes and browser openings a check
// produces, the update window without creating it, and a loopback server.
#include <gtest/gtest.h>

#include <QTcpServer>
#include <QTcpSocket>
#include <sys/socket.h>
#include "UpdateListServer.h"
#include <vector>
#include "SharedConstants.h"
#include "Testing.h"
#include "UpDateWin.h"
#include "UpdateSocket.h"

inline const char* UpToDate = "You have the latest version of this software.";
inline const char* CouldNotConnect = "Update check failed, could not connect to host.";

inline PopupMenu* Popup(UpDateWin* w)
{
    return w->Find<PopupMenu>("PopupMenu1");
}
inline String InfoText(UpDateWin* w)
{
    return w->Find<StaticText>("StaticText2")->Text();
}
inline std::vector<String> Rows(UpDateWin* w)
{
    std::vector<String> rows;
    for (int i = 0; i < Popup(w)->ListCount(); ++i) rows.push_back(Popup(w)->List(i));
    return rows;
}

// The open update window or nullptr; never makes one.
inline UpDateWin* OpenUpdateWindow()
{
    for (Window* w : OpenWindows())
        if (auto* u = dynamic_cast<UpDateWin*>(w)) return u;
    return nullptr;
}

// Records every MsgBox and ShowURL while alive, the addresses opened apart
// from those refused; on its end closes update windows and clears host
// routes, so each test starts clean.
struct ObservedEffects {
    std::vector<String> boxes, urls, refused;
    ObservedEffects()
    {
        testing_seams::SetMsgBoxObserver([this](const String& t) { boxes.push_back(t); });
        testing_seams::SetShowURLObserver(
            [this](const String& u, bool opened) { (opened ? urls : refused).push_back(u); });
    }
    ~ObservedEffects()
    {
        if (UpDateWin* w = OpenUpdateWindow()) w->Close();
        testing_seams::Pump(0);
        testing_seams::SetMsgBoxObserver(nullptr);
        testing_seams::SetShowURLObserver(nullptr);
        testing_seams::ClearRoutes();
    }
};

// A loopback port on which nothing listens.
inline int ClosedPort()
{
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost, 0);
    return probe.serverPort();
}

// A loopback server whose every byte and moment the test decides.
class ScriptedServer {
public:
    bool closeOnAccept = false; // drop each connection the moment it arrives
    QByteArray received;        // what the latest connection sent

    ScriptedServer()
    {
        server_.listen(QHostAddress::LocalHost, 0);
        QObject::connect(&server_, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* c = server_.nextPendingConnection()) {
                if (closeOnAccept) c->close();
                conn_ = c;
                received.clear();
                QObject::connect(c, &QTcpSocket::readyRead, [this, c] { received += c->readAll(); });
            }
        });
    }
    int Port() const { return server_.serverPort(); }
    bool WaitForRequest() const
    {
        return testing_seams::PumpUntil([this] { return received.contains("\r\n\r\n"); }, 5000);
    }
    // Sends on the latest connection, then pauses so the bytes arrive as a batch of their own.
    void Send(const QByteArray& bytes, int pauseMs = 100)
    {
        conn_->write(bytes);
        testing_seams::Pump(pauseMs);
    }
    void Finish() { conn_->disconnectFromHost(); } // ends the reply the HTTP/1.0 way
    void Reset()
    { // ends the connection with a TCP reset instead of a close
        const linger now{1, 0};
        EXPECT_EQ(setsockopt(static_cast<int>(conn_->socketDescriptor()), SOL_SOCKET, SO_LINGER, &now, sizeof now), 0);
        conn_->abort();
    }
    bool ClientClosed() const { return !conn_ || conn_->state() == QAbstractSocket::UnconnectedState; }

private:
    QTcpSocket* conn_ = nullptr; // a child of server_, so alive as long as it
    // Declared last, so a socket that reports its end while the server destroys it finds the rest alive.
    QTcpServer server_;
};
