#include "WebSocketClass.h"

#include "Desktop.h"
#include "SharedConstants.h"

namespace {
const String Prefix = "http://www.";
const String CRLF = "\r\n";
const String PageSeparator = "====\r\n";
} // namespace

String WebSocketClass::UrlHost() const {
    return NthField(NthField(Url, Prefix, 2), "/", 1);
}

void WebSocketClass::WebConnect() {
    reply_.clear();
    SetAddress(UrlHost());
    SetPort(80);
    Connect();
}

void WebSocketClass::WriteRequest() {
    // The path is taken as if the prefix stood at the very start of Url.
    String path = Mid(Url, Len(Prefix) + 1 + Len(UrlHost()));
    Write("GET " + path + " HTTP/1.0" + CRLF +
          "User-Agent: Quandelvorix" + AppVersion + " (Macintosh)" + CRLF +
          "Host: " + Address() + CRLF +
          CRLF);
}

String WebSocketClass::PageOf(const String& reply) {
    size_t at = reply.rfind(PageSeparator);
    if (at == String::npos) return reply;
    return reply.substr(at + PageSeparator.size());
}

void WebSocketClass::Event_Connected() {
    WriteRequest();
}

void WebSocketClass::Event_DataAvailable() {
    String piece = ReadAll();
    if (static_cast<int64_t>(reply_.size()) + static_cast<int64_t>(piece.size()) > MaxReplyBytes) {
        Close();
        reply_.clear();
        reply_.shrink_to_fit();
        ShowError(ReplyTooLarge);
        return;
    }
    reply_ += piece;
}

void WebSocketClass::Event_Error() {
    int32_t code = LastErrorCode();
    switch (code) {
    case NoError:
        WriteRequest();
        return;
    case ConnectionClosed: {
        // An empty reply is no answer at all; it must not read as "up to date".
        String reply = std::move(reply_);
        reply_.clear();
        if (!reply.empty()) Event_PageRecived(PageOf(reply));
        return;
    }
    default:
        reply_.clear();
        ShowError(code);
        return;
    }
}

void WebSocketClass::ShowError(int32_t code) {
    if (code == CouldNotConnect)
        MsgBox("Update check failed, could not connect to host.");
    else
        MsgBox("Update check failed error:" + Str(code));
}
