#pragma once
// A loopback server whose every byte and moment the test decides: it
// records what the client sends and answers only when told to.
#include <QByteArray>
#include <QTcpServer>
#include <QTcpSocket>

class ScriptedServer {
public:
    ScriptedServer();
    ~ScriptedServer();
    ScriptedServer(const ScriptedServer&) = delete;
    ScriptedServer& operator=(const ScriptedServer&) = delete;
    int Port() const { return server_.serverPort(); }
    // Close each connection the moment it is accepted.
    void CloseOnAccept() { closeOnAccept_ = true; }
    int Connections() const { return connections_; }

    // Until the latest connection has sent a whole request head.
    bool WaitForRequest(int ms = 5000);
    QByteArray Received() const { return received_; }

    // Sends bytes on the latest connection and lets them reach the client
    // as a batch of their own.
    void Send(const QByteArray& bytes, int pauseMs = 100);
    // Ends the reply the HTTP/1.0 way: closes the connection.
    void Finish();
    // The client has dropped the latest connection.
    bool ClientClosed() const;

private:
    void Accept();
    QTcpServer server_;
    QTcpSocket* conn_ = nullptr; // a child of server_, so alive as long as it
    QByteArray received_;
    int connections_ = 0;
    bool closeOnAccept_ = false;
    bool peerClosed_ = false;
};
