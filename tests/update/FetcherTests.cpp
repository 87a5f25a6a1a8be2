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

    void Start(int port)
    {
        testing_seams::RouteHost(UpdateHost(), 80, "127.0.0.1", port);
        socket.CheckForUpdate(true);
    }
    void ExpectOnly(const String& box)
    {
        EXPECT_EQ(seen.boxes, std::vector<String>{box});
        EXPECT_EQ(OpenUpdateWindow(), nullptr);
    }
};
struct UpdateCheck : ::testing::Test, CheckRig { };

// How the server ends a scripted reply.
enum class Ending { Refused, AtAccept, Close, Reset, KeepOpen, Trickle };

// Every check ends in exactly one outcome: the update window, the "latest
// version" box, or one failure box. Each reply shape runs to its outcome with
// short time limits; then the test waits past both limits: nothing more
// shows, and no connection is left open.
TEST(Fetcher, EveryReplyShapeEndsInExactlyOneOutcome)
{
    // A reply announcing the page's length, or extra bytes more.
    const auto Sized = [](const QByteArray& page, int extra = 0, const QByteArray& name = "Content-Length") {
        return "HTTP/1.0 200 OK\r\n" + name + ": " + QByteArray::number(page.size() + extra) + "\r\n\r\n" + page;
    };
    const QByteArray equal = "====\r\n1.0.2 Current\nu\n";
    const QByteArray quarterMiB(256 * 1024, 'x');
    // Headers of 20 KiB with the length on their first line.
    QByteArray longHead = "HTTP/1.0 200 OK\r\nContent-Length: " + QByteArray::number(NewerList.size()) + "\r\n";
    while (longHead.size() < 20 * 1024) longHead += "X-Filler: " + QByteArray(70, 'f') + "\r\n";
    longHead += "\r\n";
    std::vector<QByteArray> bytes; // a whole small reply, one byte per piece
    for (char c : Sized("====\r\n1.1.0 Piecemeal\nu\n")) bytes.push_back(QByteArray(1, c));
    struct Row {
        const char* name;
        std::vector<QByteArray> pieces;
        Ending ending;
        const char* outcome; // the one box shown, or the update window's first row (a version first)
        int pauseMs = 100;   // after each piece
        const char* url = UpdateListURL;
        const char* requestLine = "GET /quande/quandeupdates.txt HTTP/1.0";
    };
    const char* cut = "Update check failed error:1002";
    const char* silent = "Update check failed error:1003";
    const char* closed = "Update check failed error:102";
    using enum Ending;
    const char* newer = "1.1.0 New release";
    const char* e404 = "Update check failed error:404";
    const Row rows[] = {
        {"whole list with a length, left open", {Sized(NewerList, 0, "content-LENGTH")}, KeepOpen, newer},
        // The page is what follows the last "====" CR LF of the reply.
        {"split inside the separator", {Head + "==", "==\r\n1.1.0 After\nu\n"}, Close, "1.1.0 After"},
        {"empty page", {Head + "====\r\n"}, Close, UpToDate},
        {"only the last separator counts", {Head + "====\r\n1.9.0 Quoted\n====\r\n1.0.2 Current\n"}, Close, UpToDate},
        {"separator without CR", {Head + "====\n1.1.0 Not a list\nu\n"}, Close, UpToDate},
        // The request names the host after "http://www." and the path after
        // it, counted from where the prefix would stand at the start.
        {"no slash after the host", {Head + NewerList}, Close, newer, 100, "http://www.odd.test", "GET  HTTP/1.0"},
        {"text before the prefix",
         {Head + NewerList},
         Close,
         newer,
         100,
         "xxhttp://www.odd.test/q/a",
         "GET st/q/a HTTP/1.0"},
        {"bytes beyond the length are not the page", {Sized(equal) + "====\r\n1.9.0 Later\nu\n"}, Close, UpToDate},
        {"no status line: a bare page", {"1.1.0 Bare\nu\n"}, Close, "1.1.0 Bare"},
        {"cut inside the status line", {"HTTP/1.0 20"}, Close, cut},
        {"200 status line cut by the close", {"HTTP/1.0 200 OK"}, Close, cut},
        {"cut after the status line", {"HTTP/1.0 200 OK\r\n"}, Close, cut},
        {"headers cut before a whole length line",
         {"HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\nContent-Le"},
         Close,
         cut},
        {"headers cut after a length line", {"HTTP/1.0 200 OK\r\nContent-Length: 80\r\n"}, Close, cut},
        {"cut in the body", {Sized(NewerList, 10)}, Close, cut},
        {"reset in the body", {Sized(NewerList, 10)}, Reset, cut},
        {"404 page", {"HTTP/1.0 404 Not Found\r\nContent-Type: text/html\r\n\r\n<html>gone</html>"}, Close, e404},
        {"status line cut by the close", {"HTTP/1.0 404"}, Close, e404},
        {"500 page left open",
         {"HTTP/1.1 500 Internal Server Error\r\n\r\n"},
         KeepOpen,
         "Update check failed error:500"},
        {"nothing listens", {}, Refused, CouldNotConnect},
        {"closed at accept", {}, AtAccept, closed},
        {"closed after the request, nothing sent", {}, Close, closed},
        {"long headers, the length first, left open", {longHead + NewerList}, KeepOpen, newer},
        {"silent server", {}, KeepOpen, silent},
        {"list without a length, left open", {Head + NewerList}, KeepOpen, silent},
        {"never finishes", {Head + "====\r\n"}, Trickle, silent},
        {"over 1 MiB",
         {Head + NewerList, quarterMiB, quarterMiB, quarterMiB, quarterMiB},
         KeepOpen,
         "Update check failed error:1001"},
        {"one byte per piece", bytes, KeepOpen, "1.1.0 Piecemeal", 3}};
    constexpr int SilenceMs = 300, ReplyMs = 800;
    // A row that fails an assertion ends there; the rows after it still run.
    const auto run = [&](const Row& row) {
        CheckRig check;
        check.socket.SilenceLimitMs = SilenceMs;
        check.socket.ReplyLimitMs = ReplyMs;
        check.server.closeOnAccept = row.ending == Ending::AtAccept;
        QElapsedTimer sinceRequest;
        const String host = row.url == UpdateListURL ? UpdateHost() : "odd.test";
        testing_seams::RouteHost(host, 80, "127.0.0.1",
                                 row.ending == Ending::Refused ? ClosedPort() : check.server.Port());
        check.socket.Url = row.url;
        check.socket.WebConnect();
        if (row.ending != Ending::AtAccept && row.ending != Ending::Refused) {
            ASSERT_TRUE(check.server.WaitForRequest());
            EXPECT_EQ(check.server.received.toStdString(),
                      row.requestLine + String("\r\nUser-Agent: Quandelvorix") + AppVersion
                          + " (Macintosh)\r\nHost: " + host + "\r\n\r\n");
        }
        sinceRequest.start();
        for (const QByteArray& piece : row.pieces) check.server.Send(piece, row.pauseMs);
        if (row.ending == Ending::Close) check.server.Finish();
        if (row.ending == Ending::Reset) check.server.Reset();
        for (int i = 0; row.ending == Ending::Trickle && i < 30 && !check.server.ClientClosed(); ++i)
            check.server.Send("x");
        ASSERT_TRUE(testing_seams::PumpUntil([&] { return !check.seen.boxes.empty() || OpenUpdateWindow(); }, 3000));
        if (row.outcome == silent) { // silence ends a check well before the deadline, which ends a trickle
            EXPECT_LT(sinceRequest.elapsed(), row.ending == Ending::Trickle ? ReplyMs + 400 : ReplyMs - 200);
        }
        testing_seams::Pump(std::max<int>(0, ReplyMs + 300 - static_cast<int>(sinceRequest.elapsed())));
        if (!std::isdigit(static_cast<unsigned char>(row.outcome[0])))
            check.ExpectOnly(row.outcome);
        else {
            EXPECT_EQ(check.seen.boxes, std::vector<String>{});
            ASSERT_NE(OpenUpdateWindow(), nullptr);
            EXPECT_EQ(Popup(OpenUpdateWindow())->List(0), row.outcome);
        }
        EXPECT_TRUE(check.server.ClientClosed());
    };
    for (const Row& row : rows) {
        SCOPED_TRACE(row.name);
        run(row);
    }
}

// A check started while another is under way replaces it: nothing of the
// old reply is mixed into the new one, and the old one shows nothing.
TEST_F(UpdateCheck, NewCheckDropsTheOneUnderWay)
{
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
    ASSERT_TRUE(testing_seams::PumpUntil([&] { return !seen.boxes.empty() || OpenUpdateWindow(); }, 5000));
    testing_seams::Pump(100); // time for a second outcome to show too
    ExpectOnly(UpToDate);
}

} // namespace
