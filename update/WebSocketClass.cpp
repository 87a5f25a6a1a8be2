#include "WebSocketClass.h"

#include <utility>

#include "Desktop.h"
#include "SharedConstants.h"

namespace {
const String Prefix = "http://www.";
const String CRLF = "\r\n";
const String PageSeparator = "====\r\n";

void Arm(Timer& timer, int ms)
{
    timer.SetMode(Timer::ModeOff);
    timer.SetPeriod(ms);
    timer.SetMode(Timer::ModeSingle);
}
} // namespace

WebSocketClass::WebSocketClass()
{
    // A new timer runs at once; these run only while a request waits for its reply.
    silence_.SetMode(Timer::ModeOff);
    deadline_.SetMode(Timer::ModeOff);
    silence_.Action = [this] { Fail(ReplyTimedOut); };
    deadline_.Action = [this] { Fail(ReplyTimedOut); };
}

String WebSocketClass::UrlHost() const
{
    return NthField(NthField(Url, Prefix, 2), "/", 1);
}

void WebSocketClass::WebConnect()
{
    EndCheck();
    SetAddress(UrlHost());
    SetPort(80);
    Connect();
}

void WebSocketClass::WriteRequest()
{
    // The path is taken as if the prefix stood at the very start of Url.
    String path = Mid(Url, Len(Prefix) + 1 + Len(UrlHost()));
    Write("GET " + path + " HTTP/1.0" + CRLF + "User-Agent: Quandelvorix" + AppVersion + " (Macintosh)" + CRLF
          + "Host: " + Address() + CRLF + CRLF);
}

String WebSocketClass::PageOf(const String& reply)
{
    size_t at = reply.rfind(PageSeparator);
    if (at == String::npos) return reply;
    return reply.substr(at + PageSeparator.size());
}

void WebSocketClass::Event_Connected()
{
    WriteRequest();
    Arm(silence_, SilenceLimitMs);
    Arm(deadline_, ReplyLimitMs);
}

void WebSocketClass::Event_DataAvailable()
{
    String piece = ReadAll();
    if (static_cast<int64_t>(reply_.size()) + static_cast<int64_t>(piece.size()) > MaxReplyBytes) {
        Fail(ReplyTooLarge);
        return;
    }
    reply_ += piece;
    silence_.Reset();
    Judge(false);
}

void WebSocketClass::Event_Error()
{
    int32_t code = LastErrorCode();
    switch (code) {
    case NoError:
        WriteRequest();
        return;
    case ConnectionClosed:
        // A close before any byte is no answer at all: it must not read as "up to date".
        if (reply_.empty())
            Fail(code);
        else
            Judge(true);
        return;
    default:
        Fail(code);
        return;
    }
}

void WebSocketClass::Judge(bool ended)
{
    const HttpReply::Verdict verdict = reader_.Examine(reply_, ended);
    switch (verdict.state) {
    case HttpReply::State::Incomplete:
        return;
    case HttpReply::State::BadStatus:
        Fail(verdict.status);
        return;
    case HttpReply::State::CutShort:
        Fail(ReplyCutShort);
        return;
    case HttpReply::State::Whole: {
        String reply = std::move(reply_);
        reply.resize(verdict.length);
        // Everything of this check is over before the page is judged: the
        // judging may show a modal box, and a new check may start inside it.
        EndCheck();
        Event_PageRecived(PageOf(reply));
        return;
    }
    }
}

void WebSocketClass::EndCheck()
{
    silence_.SetMode(Timer::ModeOff);
    deadline_.SetMode(Timer::ModeOff);
    Close();
    reply_.clear();
    reply_.shrink_to_fit();
    reader_.Reset();
}

void WebSocketClass::Fail(int32_t code)
{
    EndCheck();
    ShowError(code);
}

void WebSocketClass::ShowError(int32_t code)
{
    if (code == CouldNotConnect)
        MsgBox("Update check failed, could not connect to host.");
    else
        MsgBox("Update check failed error:" + Str(code));
}
