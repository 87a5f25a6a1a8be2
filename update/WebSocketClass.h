#pragma once
// A small HTTP/1.0 client over the framework's TCP socket: fetches the page
// at Url and hands on the text after the reply's last page separator.
#include <cstdint>
#include "TCPSocket.h"
#include "Text.h"

class WebSocketClass : public TCPSocket {
public:
    // Codes of this class's own, reported like the socket layer's.
    enum : int32_t {
        ReplyTooLarge = 1001, // the reply outgrew MaxReplyBytes; the check was ended
    };
    // The most a reply may hold; a server that sends more is cut off.
    static constexpr int64_t MaxReplyBytes = 1 << 20;

    // Must have the form "http://www." + host + path.
    String Url;

    // Connects to Url's host on port 80; Connected or Error follows.
    // A check still under way is dropped together with what it received.
    void WebConnect();
    // Writes the GET request for Url's path in one write.
    void WriteRequest();

    // The page of one whole reply: the text after its last "====" CR LF,
    // all of it when there is none.
    static String PageOf(const String& reply);
    // The host Url names: the text after "http://www." up to the next "/".
    String UrlHost() const;

    // Raised once per reply that ended normally, with its page.
    virtual void Event_PageRecived(const String& /*text*/) {}

protected:
    void Event_DataAvailable() override;
    void Event_Connected() override;
    void Event_Error() override;

private:
    void ShowError(int32_t code);
    // A reply may come in any number of pieces; it is judged only once the
    // server has closed the connection, as an HTTP/1.0 server does.
    String reply_;
};
