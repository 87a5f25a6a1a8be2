#pragma once
#include "TCPSocket.h"
#include "Text.h"

// A small HTTP/1.0 client over the framework's TCP socket.
class WebSocketClass : public TCPSocket {
public:
    String Url;
    void WebConnect();
    void WriteRequest();

protected:
    virtual void Event_PageRecived(const String& /*text*/) {}
};
