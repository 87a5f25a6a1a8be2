#pragma once
// The working part of TCPSocket: one QTcpSocket per connection attempt, a
// receive buffer of our own, and events handed to the owner through the
// event loop so that none of them ever runs inside a call of the owner.
#include <QByteArray>
#include <QObject>
#include <QTimer>

#include "TCPSocket.h"

class QTcpSocket;

class TCPSocketImpl : public QObject {
public:
    explicit TCPSocketImpl(TCPSocket& owner);
    ~TCPSocketImpl() override;

    // What the owner set, read back unchanged.
    String address;
    int port = 0;

    // Drops any earlier connection silently, then starts one to host:port.
    void Connect(const String& host, int port);
    void Write(const String& data);
    String ReadAll();
    int64_t BytesAvailable() const;
    int32_t LastErrorCode() const { return lastError_; }
    void Close();

private:
    enum class Event { Connected, DataAvailable, Error };

    void Drop();
    void Collect();
    void OnConnected();
    void OnReadyRead();
    void OnSocketError();
    void OnTimeout();
    void Post(Event event, int32_t code = TCPSocket::NoError);
    void Deliver(Event event, int32_t code, uint64_t generation);

    TCPSocket& owner_;
    QTcpSocket* socket_ = nullptr;
    QTimer connectTimer_;
    QByteArray received_;
    int32_t lastError_ = TCPSocket::NoError;
    // Every connection attempt gets a new number; an event posted for an
    // older attempt finds the number changed and is dropped.
    uint64_t generation_ = 0;
    bool connected_ = false;
    bool dataEventPending_ = false;
    bool failed_ = false;
};
