#pragma once
// A small HTTP/1.0 client over the framework's TCP socket: fetches the page
// at Url and hands on the text after the reply's last page separator.
#include <cstdint>
#include "HttpReply.h"
#include "TCPSocket.h"
#include "Text.h"
#include "Timer.h"

class WebSocketClass : public TCPSocket {
public:
    // Codes of this class's own, reported like the socket layer's.
    enum : int32_t {
        ReplyTooLarge = 1001, // the reply outgrew MaxReplyBytes; the check was ended
        ReplyCutShort = 1002, // the connection ended before the headers ended or the length they announced came
        ReplyTimedOut = 1003, // the server fell silent, or the reply took too long; the check was ended
    };
    // The most a reply may hold; a server that sends more is cut off.
    static constexpr int64_t MaxReplyBytes = 1 << 20;

    // A check ends once the server has sent nothing for SilenceLimitMs, or
    // the reply is not whole ReplyLimitMs after the request. Read when the
    // request is written.
    int SilenceLimitMs = 20000;
    int ReplyLimitMs = 60000;

    // Must have the form "http://www." + host + path.
    String Url;

    WebSocketClass();

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
    virtual void Event_PageRecived(const String& /*text*/) { }

protected:
    void Event_DataAvailable() override;
    void Event_Connected() override;
    void Event_Error() override;

private:
    // Judges the reply once it is whole or has failed; until then waits.
    void Judge(bool ended);
    // Ends the check under way: no timer, no connection, no reply kept.
    void EndCheck();
    void Fail(int32_t code);
    void ShowError(int32_t code);
    // A reply may come in any number of pieces; it is judged only once it
    // is whole: the length it announced has come, or the server has closed
    // the connection, as an HTTP/1.0 server does.
    String reply_;
    HttpReply reader_; // how far reply_ has been read
    // Not a window's timers: they belong to the check and end with it.
    Timer silence_;
    Timer deadline_;
};
