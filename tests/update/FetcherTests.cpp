// The page fetcher and the update check against a scripted loopback server:
// the request on the wire, replies in one or many pieces, and every way a
// check can end.
#include <gtest/gtest.h>

#include <memory>
#include "ScriptedServer.h"
#include "SharedConstants.h"
#include "Testing.h"
#include "UpDateWin.h"
#include "UpdateSocket.h"
#include "UpdateTestKit.h"

namespace {

const QByteArray Head = "HTTP/1.0 200 OK\r\nContent-Type: text/plain\r\n\r\n";
const QByteArray NewerList =
    "====\r\n"
    "1.1.0 New release\nhttp://dl.example.test/q110.zip\nLine one.\nLine two.\n"
    "----\r\n"
    "1.0.2 Current release\nhttp://dl.example.test/q102.zip\nLine three.\n";
const QByteArray EqualList = "====\r\n1.0.2 Current release\nhttp://dl.example.test/q102.zip\nLine three.\n";

// A page fetcher that records what it hands on, for odd addresses.
class RecordingFetcher : public WebSocketClass {
public:
    std::vector<String> pages;
    void Event_PageRecived(const String& text) override { pages.push_back(text); }
};

void RouteUpdateHostTo(int port) {
    testing_seams::RouteHost(UpdateHost(), 80, "127.0.0.1", port);
}

// One check against its own scripted server, observed from start to end.
struct ScriptedCheck {
    ObservedEffects seen;
    ScriptedServer server;
    UpdateSocket socket;

    // Starts the check and waits for its request to arrive.
    bool Start() {
        RouteUpdateHostTo(server.Port());
        socket.CheckForUpdate(true);
        return server.WaitForRequest();
    }
};

class FetcherTest : public ::testing::Test, public ScriptedCheck {
protected:
    void StartCheck() { ASSERT_TRUE(Start()); }
};

TEST_F(FetcherTest, SendsTheExactRequestOnceConnected) {
    StartCheck();
    const QByteArray expected = QByteArray("GET /quande/quandeupdates.txt HTTP/1.0\r\n") +
                                "User-Agent: Quandelvorix" + AppVersion + " (Macintosh)\r\n" +
                                "Host: " + QByteArray::fromStdString(UpdateHost()) + "\r\n" + "\r\n";
    testing_seams::Pump(100);
    EXPECT_EQ(server.Received(), expected);
    EXPECT_TRUE(socket.forceupdatewin);
}

// A reply that trickles in is judged once, as a whole, when the server ends it.
TEST(FetcherPieces, ReplyInPiecesGivesOneOutcomeFromTheWholeReply) {
    struct Case {
        const char* name;
        std::vector<QByteArray> pieces;
        bool window;
        const char* firstRow;
    };
    const std::vector<Case> cases{
        {"one piece", {Head + NewerList}, true, "1.1.0 New release"},
        {"head apart from list", {Head, NewerList}, true, "1.1.0 New release"},
        {"newer record in a later piece",
         {Head + "====\r\n1.0.2 Current\nhttp://a.test/2\n", "----\r\n1.1.0 Later\nhttp://a.test/3\n"},
         true, "1.0.2 Current"},
        {"split inside the separator", {Head + "==", "==\r\n1.1.0 After split\nhttp://a.test/1\n"}, true,
         "1.1.0 After split"},
        {"split between CR and LF", {Head + "====\r", "\n1.1.0 After split\nhttp://a.test/1\n"}, true,
         "1.1.0 After split"},
        {"many small pieces of an equal list", {"HTTP/1.0 ", "200 OK\r\n\r\n", "===", "=\r\n1.0", ".2 x\n"},
         false, nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ScriptedCheck check;
        ASSERT_TRUE(check.Start());
        ScriptedServer& s = check.server;
        const ObservedEffects& local = check.seen;
        for (const QByteArray& piece : c.pieces) s.Send(piece);
        EXPECT_TRUE(local.boxes.empty()) << "judged before the reply ended";
        EXPECT_EQ(OpenUpdateWindow(), nullptr);
        s.Finish();
        ASSERT_TRUE(WaitForOutcome(local));
        testing_seams::Pump(100);
        if (c.window) {
            EXPECT_TRUE(local.boxes.empty());
            UpDateWin* w = OpenUpdateWindow();
            ASSERT_NE(w, nullptr);
            EXPECT_EQ(w->Find<PopupMenu>("PopupMenu1")->List(0), c.firstRow);
        } else {
            EXPECT_EQ(local.boxes, std::vector<String>{UpToDate});
            EXPECT_EQ(OpenUpdateWindow(), nullptr);
        }
    }
}

TEST(FetcherPieces, RepliesThatHoldNoNewerVersionSayUpToDateOnce) {
    const std::vector<std::pair<const char*, QByteArray>> cases{
        {"equal list", Head + EqualList},
        {"empty page", Head + "====\r\n"},
        {"no separator: an error page", "HTTP/1.1 404 Not Found\r\nContent-Type: text/html\r\n\r\n<h1>1.9.9</h1>"},
        {"separator without CR", Head + "====\n1.1.0 not a list\nhttp://a.test/\n"},
    };
    for (const auto& [name, reply] : cases) {
        SCOPED_TRACE(name);
        ScriptedCheck check;
        ASSERT_TRUE(check.Start());
        ScriptedServer& s = check.server;
        const ObservedEffects& local = check.seen;
        s.Send(reply);
        s.Finish();
        ASSERT_TRUE(WaitForOutcome(local));
        testing_seams::Pump(100);
        EXPECT_EQ(local.boxes, std::vector<String>{UpToDate});
        EXPECT_EQ(OpenUpdateWindow(), nullptr);
    }
}

TEST_F(FetcherTest, RefusedConnectionSaysCouldNotConnect) {
    RouteUpdateHostTo(ClosedPort());
    socket.CheckForUpdate(true);
    ASSERT_TRUE(WaitForOutcome(seen));
    testing_seams::Pump(100);
    EXPECT_EQ(seen.boxes, std::vector<String>{CouldNotConnect});
}

// A connection closed before any byte of a reply is no answer: it must not
// read as "up to date".
TEST_F(FetcherTest, ServerThatClosesAtOnceIsNotReportedAsUpToDate) {
    server.CloseOnAccept();
    RouteUpdateHostTo(server.Port());
    socket.CheckForUpdate(true);
    ASSERT_TRUE(testing_seams::PumpUntil([&] { return server.Connections() == 1; }, 5000));
    testing_seams::Pump(300);
    EXPECT_TRUE(seen.boxes.empty()) << seen.boxes.front();
    EXPECT_EQ(OpenUpdateWindow(), nullptr);
}

TEST_F(FetcherTest, OversizedReplyEndsTheCheckWithTheLayersCode) {
    StartCheck();
    const QByteArray chunk(256 * 1024, 'x');
    server.Send(Head + NewerList);
    for (int i = 0; i < 6 && server.Connections() == 1 && !server.ClientClosed(); ++i) server.Send(chunk, 50);
    ASSERT_TRUE(testing_seams::PumpUntil([&] { return !seen.boxes.empty(); }, 5000));
    EXPECT_TRUE(testing_seams::PumpUntil([&] { return server.ClientClosed(); }, 5000));
    server.Finish();
    testing_seams::Pump(200);
    EXPECT_EQ(seen.boxes, std::vector<String>{"Update check failed error:1001"});
    EXPECT_EQ(OpenUpdateWindow(), nullptr);

    // The same object serves the next check as if nothing had happened.
    ScriptedServer next;
    RouteUpdateHostTo(next.Port());
    socket.CheckForUpdate(true);
    ASSERT_TRUE(next.WaitForRequest());
    next.Send(Head + NewerList);
    next.Finish();
    ASSERT_TRUE(testing_seams::PumpUntil([] { return OpenUpdateWindow() != nullptr; }, 5000));
    EXPECT_EQ(seen.boxes.size(), 1u);
}

// A check started while another is under way replaces it: nothing of the
// old reply is mixed into the new one, and the old one shows nothing.
TEST_F(FetcherTest, NewCheckDropsTheOneUnderWay) {
    StartCheck();
    server.Send(Head + NewerList);

    ScriptedServer second;
    RouteUpdateHostTo(second.Port());
    socket.CheckForUpdate(true);
    ASSERT_TRUE(second.WaitForRequest());
    EXPECT_TRUE(testing_seams::PumpUntil([&] { return server.ClientClosed(); }, 5000));
    // No separator of its own: bytes kept from the old reply would lend it one.
    second.Send("HTTP/1.0 404 Not Found\r\n\r\nnothing here");
    second.Finish();
    server.Finish();
    ASSERT_TRUE(WaitForOutcome(seen));
    testing_seams::Pump(200);
    EXPECT_EQ(seen.boxes, std::vector<String>{UpToDate});
    EXPECT_EQ(OpenUpdateWindow(), nullptr);
}

// Host and path come from the address as the fetcher has always read it,
// odd addresses included.
TEST(FetcherAddress, RequestLineAndHostFromOddAddresses) {
    struct Case {
        const char* url;
        const char* host;
        const char* requestLine;
    };
    const Case cases[] = {
        {"http://www.odd.test/quande/list.txt", "odd.test", "GET /quande/list.txt HTTP/1.0"},
        {"http://www.odd.test/a/b?x=1&y=2#f", "odd.test", "GET /a/b?x=1&y=2#f HTTP/1.0"},
        {"http://www.odd.test", "odd.test", "GET  HTTP/1.0"},
        // Text before the prefix shifts where the path is taken from.
        {"xxhttp://www.odd.test/quande/list.txt", "odd.test", "GET st/quande/list.txt HTTP/1.0"},
        {"http://www.odd.test/x http://www.other.test/y", "odd.test", "GET /x http://www.other.test/y HTTP/1.0"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.url);
        ObservedEffects seen;
        ScriptedServer s;
        RecordingFetcher fetcher;
        testing_seams::RouteHost(c.host, 80, "127.0.0.1", s.Port());
        fetcher.Url = c.url;
        fetcher.WebConnect();
        EXPECT_EQ(fetcher.Address(), c.host);
        EXPECT_EQ(fetcher.Port(), 80);
        ASSERT_TRUE(s.WaitForRequest());
        const QByteArray expected = QByteArray(c.requestLine) + "\r\nUser-Agent: Quandelvorix" + AppVersion +
                                    " (Macintosh)\r\nHost: " + c.host + "\r\n\r\n";
        EXPECT_EQ(s.Received(), expected);
        s.Send(Head + "====\r\nbody");
        s.Finish();
        ASSERT_TRUE(testing_seams::PumpUntil([&] { return !fetcher.pages.empty(); }, 5000));
        EXPECT_EQ(fetcher.pages, std::vector<String>{"body"});
    }
}

TEST(FetcherAddress, AddressWithoutPrefixCannotConnect) {
    ObservedEffects seen;
    RecordingFetcher fetcher;
    fetcher.Url = "https://odd.test/quande/list.txt";
    fetcher.WebConnect();
    EXPECT_EQ(fetcher.Address(), "");
    ASSERT_TRUE(testing_seams::PumpUntil([&] { return !seen.boxes.empty(); }, 5000));
    EXPECT_EQ(seen.boxes, std::vector<String>{CouldNotConnect});
    EXPECT_TRUE(fetcher.pages.empty());
}

TEST(PageOfReply, CutAtTheLastPageSeparator) {
    const std::pair<const char*, const char*> cases[] = {
        {"head\r\n\r\n====\r\nlist", "list"},
        {"a====\r\nb====\r\nc", "c"},
        {"no separator at all", "no separator at all"},
        {"====\nLF alone", "====\nLF alone"},
        {"====\rCR alone", "====\rCR alone"},
        {"ends with it====\r\n", ""},
        {"=====\r\nfive", "five"},
        {"", ""},
    };
    for (const auto& [reply, page] : cases) EXPECT_EQ(WebSocketClass::PageOf(reply), page) << reply;
}

} // namespace
