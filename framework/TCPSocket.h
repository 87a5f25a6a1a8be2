#pragma once
// An asynchronous TCP client. Results arrive as events on the event loop.
#include <cstdint>
#include <memory>
#include "Text.h"

class TCPSocketImpl;

class TCPSocket {
public:
    // Error codes this layer reports through LastErrorCode.
    enum : int32_t {
        NoError = 0,
        CouldNotConnect = 64,   // empty host, unknown name, refused, unreachable, timed out
        ConnectionClosed = 102, // the peer closed the connection
        ReadWriteFailed = 105,  // any other failure of the connection
    };

    TCPSocket();
    virtual ~TCPSocket();
    TCPSocket(const TCPSocket&) = delete;
    TCPSocket& operator=(const TCPSocket&) = delete;

    void SetAddress(const String& host);
    String Address() const;
    void SetPort(int port);
    int Port() const;
    // Starts connecting; Connected or Error follows. An earlier connection,
    // open or still being made, is dropped silently first.
    void Connect();
    void Write(const String& data);
    String ReadAll(); // every byte received and not yet read
    int64_t BytesAvailable() const;
    int32_t LastErrorCode() const;
    void Close(); // drops the connection without an event

protected:
    virtual void Event_Connected() { }
    virtual void Event_DataAvailable() { }
    virtual void Event_Error() { }

private:
    friend class TCPSocketImpl;
    std::unique_ptr<TCPSocketImpl> impl_;
};
