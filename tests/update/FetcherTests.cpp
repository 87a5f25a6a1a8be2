// The page fetcher and the update check against a scripted loopback server:
// the request on the wire, replies in one or many pieces, and every way a
// check can end.
#include <QElapsedTimer>
#include <algorithm>
#include <cctype>
#include "UpdateTestKit.h"

namespace {

const QByteArray Head = "HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\n";
const QByteArray NewerList = "====\r\n1.1.0 New release\nhttp://a.test/110\nLine one.\n----\r\n1.0.2 Current\nu\n";

// One update check against its own scripted server.
struct CheckRig {
    ObservedEffects seen;
    ScriptedServer server;
    UpdateSocket socket;

    void Start(int port) {
        testing_seams::RouteHost(UpdateHost(), 80, "127.0.0.1", port);
        socket.CheckForUpdate(true);
    }
    void ExpectOnly(const String& box) {
        EXPECT_EQ(seen.boxes, std::vector<String>{box});
        EXPECT_EQ(OpenUpdateWindow(), nullptr);
    }
};
struct UpdateCheck : ::testing::Test, CheckRig {};

// However the reply trickles in, it is judged once, as a whole, when the
// server ends it; the page is what follows the last "====" CR LF. Host and
// path come from the address as the fetcher has always read it.
TEST(Fetcher, ReplyIsJudgedOnceWholeWhenTheServerEndsIt) {
    struct Case {
        const char* name;
        std::vector<QByteArray> pieces;
        const char* firstRow; // "": no window, the running version is the latest
        const char* url = UpdateListURL;
        const char* requestLine = "GET /quande/quandeupdates.txt HTTP/1.0";
    };
    const Case cases[] = {
        {"one piece", {Head + NewerList}, "1.1.0 New release"},
        {"pieces with pauses", {"HTTP/1.0 ", "200 OK\r\n\r\n===", "=\r\n1.0.2 x\nu\n", "----\r\n1.1.0 Later\nu\n"},
         "1.0.2 x"},
        {"split inside the separator", {Head + "==", "==\r\n1.1.0 After\nu\n"}, "1.1.0 After"},
        {"no separator: the whole reply is the page", {"1.1.0 Bare\nu\n"}, "1.1.0 Bare"},
        {"equal list", {Head + "====\r\n1.0.2 Current\nu\n"}, ""},
        {"empty page", {Head + "====\r\n"}, ""},
        {"only the last separator counts", {Head + "====\r\n1.9.0 Quoted\n====\r\n1.0.2 Current\n"}, ""},
        {"separator without CR", {Head + "====\n1.1.0 Not a list\nu\n"}, ""},
        {"no slash after the host", {Head + NewerList}, "1.1.0 New release", "http://www.odd.test", "GET  HTTP/1.0"},
        // Text before the prefix shifts where the path is taken from.
        {"text before the prefix", {Head + NewerList}, "1.1.0 New release", "xxhttp://www.odd.test/q/list.txt",
         "GET st/q/list.txt HTTP/1.0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CheckRig check;
        const String host = c.url == UpdateListURL ? UpdateHost() : "odd.test";
        testing_seams::RouteHost(host, 80, "127.0.0.1", check.server.Port());
        check.socket.Url = c.url;
        check.socket.WebConnect();
        ASSERT_TRUE(check.server.WaitForRequest());
        EXPECT_EQ(check.server.received, QByteArray(c.requestLine) + "\r\nUser-Agent: Quandelvorix" + AppVersion +
                                             " (Macintosh)\r\nHost: " + QByteArray::fromStdString(host) + "\r\n\r\n");
        for (const QByteArray& piece : c.pieces) check.server.Send(piece);
        EXPECT_TRUE(check.seen.boxes.empty() && !OpenUpdateWindow()) << "judged before the reply ended";
        check.server.Finish();
        ASSERT_TRUE(WaitForOutcome(check.seen));
        EXPECT_EQ(check.seen.boxes, *c.firstRow ? std::vector<String>{} : std::vector<String>{UpToDate});
        EXPECT_EQ(OpenUpdateWindow() ? Popup(OpenUpdateWindow())->List(0) : "", c.firstRow);
    }
}

// How the server ends a scripted reply.
enum class Ending { Close, Reset, KeepOpen, Trickle };

struct EndingCase {
    const char* name;
    std::vector<QByteArray> pieces;
    Ending ending;
    const char* outcome; // the one box shown, or the update window's first row (a version first)
};

QByteArray Sized(const QByteArray& page, int extra = 0, const QByteArray& name = "Content-Length") {
    return "HTTP/1.0 200 OK\r\n" + name + ": " + QByteArray::number(page.size() + extra) + "\r\n\r\n" + page;
}

// Runs each case to its one outcome with short time limits, then waits past
// both limits: a check that has ended shows nothing more, and leaves no
// connection open.
void ExpectOneOutcomeEach(const std::vector<EndingCase>& cases) {
    constexpr int SilenceMs = 300, ReplyMs = 800;
    for (const EndingCase& c : cases) {
        SCOPED_TRACE(c.name);
        CheckRig check;
        check.socket.SilenceLimitMs = SilenceMs;
        check.socket.ReplyLimitMs = ReplyMs;
        QElapsedTimer sinceRequest;
        check.Start(check.server.Port());
        ASSERT_TRUE(check.server.WaitForRequest());
        sinceRequest.start();
        for (const QByteArray& piece : c.pieces) check.server.Send(piece);
        if (c.ending == Ending::Close) check.server.Finish();
        if (c.ending == Ending::Reset) check.server.Reset();
        for (int i = 0; c.ending == Ending::Trickle && i < 30 && !check.server.ClientClosed(); ++i)
            check.server.Send("x");
        ASSERT_TRUE(WaitForOutcome(check.seen, 3000));
        testing_seams::Pump(std::max<int>(0, ReplyMs + 300 - static_cast<int>(sinceRequest.elapsed())));
        if (!std::isdigit(static_cast<unsigned char>(c.outcome[0])))
            check.ExpectOnly(c.outcome);
        else {
            EXPECT_EQ(check.seen.boxes, std::vector<String>{});
            ASSERT_NE(OpenUpdateWindow(), nullptr);
            EXPECT_EQ(Popup(OpenUpdateWindow())->List(0), c.outcome);
        }
        EXPECT_TRUE(check.server.ClientClosed());
    }
}

// A page is judged only when the status line, if there is one, says 200 and
// all the length announced has come; judged at once then, the server need
// not close.
TEST(Fetcher, ErrorPagesAndCutRepliesFailWithTheirCode) {
    const QByteArray equal = "====\r\n1.0.2 Current\nu\n";
    ExpectOneOutcomeEach({
        {"404 page", {"HTTP/1.0 404 Not Found\r\nContent-Type: text/html\r\n\r\n<html>gone</html>"}, Ending::Close,
         "Update check failed error:404"},
        {"500 page left open", {"HTTP/1.1 500 Internal Server Error\r\n\r\n"}, Ending::KeepOpen,
         "Update check failed error:500"},
        {"proxy's status line in pieces", {"HTTP/1.0 50", "2 Bad Gateway\r\n"}, Ending::KeepOpen,
         "Update check failed error:502"},
        {"status line cut by the close", {"HTTP/1.0 404"}, Ending::Close, "Update check failed error:404"},
        {"length come, left open", {Sized(NewerList, 0, "content-LENGTH")}, Ending::KeepOpen, "1.1.0 New release"},
        {"bytes beyond the length are not the page", {Sized(equal) + "====\r\n1.9.0 Later\nu\n"}, Ending::Close,
         UpToDate},
        {"closed before the length", {Sized(NewerList, 10)}, Ending::Close, "Update check failed error:1002"},
        {"reset before the length", {Sized(NewerList, 10)}, Ending::Reset, "Update check failed error:1002"},
        {"closed inside the headers", {"HTTP/1.0 200 OK\r\nContent-Length: 80\r\n"}, Ending::Close,
         "Update check failed error:1002"},
    });
}

TEST(Fetcher, SilentOrLingeringServerEndsTheCheck) {
    ExpectOneOutcomeEach({
        {"sends nothing", {}, Ending::KeepOpen, "Update check failed error:1003"},
        {"sends the list without a length and lingers", {Head + NewerList}, Ending::KeepOpen,
         "Update check failed error:1003"},
        {"never finishes", {Head + "====\r\n"}, Ending::Trickle, "Update check failed error:1003"},
    });
}

TEST_F(UpdateCheck, RefusedConnectionSaysCouldNotConnect) {
    Start(ClosedPort());
    ASSERT_TRUE(WaitForOutcome(seen));
    ExpectOnly(CouldNotConnect);
}

// A connection closed before any byte of a reply is no answer: it must not
// read as "up to date".
TEST_F(UpdateCheck, ServerThatClosesAtOnceShowsNothing) {
    server.closeOnAccept = true;
    Start(server.Port());
    ASSERT_TRUE(testing_seams::PumpUntil([&] { return server.connections == 1; }, 5000));
    testing_seams::Pump(300);
    EXPECT_TRUE(seen.boxes.empty() && !OpenUpdateWindow());
}

TEST_F(UpdateCheck, OversizedReplyEndsTheCheckWithTheLayersCode) {
    Start(server.Port());
    ASSERT_TRUE(server.WaitForRequest());
    server.Send(Head + NewerList);
    for (int i = 0; i < 6 && !server.ClientClosed(); ++i) server.Send(QByteArray(256 * 1024, 'x'), 50);
    ASSERT_TRUE(testing_seams::PumpUntil([&] { return server.ClientClosed(); }, 5000));
    testing_seams::Pump(200);
    ExpectOnly("Update check failed error:1001");
}

// A check started while another is under way replaces it: nothing of the
// old reply is mixed into the new one, and the old one shows nothing.
TEST_F(UpdateCheck, NewCheckDropsTheOneUnderWay) {
    Start(server.Port());
    ASSERT_TRUE(server.WaitForRequest());
    server.Send(Head + NewerList);
    ScriptedServer second;
    Start(second.Port());
    ASSERT_TRUE(second.WaitForRequest());
    EXPECT_TRUE(testing_seams::PumpUntil([&] { return server.ClientClosed(); }, 5000));
    // No separator of its own: bytes kept from the old reply would lend it one.
    second.Send("HTTP/1.0 200 OK\r\n\r\nnothing here");
    second.Finish();
    server.Finish();
    ASSERT_TRUE(WaitForOutcome(seen));
    ExpectOnly(UpToDate);
}

} // namespace
