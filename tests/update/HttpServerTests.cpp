// The whole check against an independent HTTP/1.0 server: Python's
// standard http.server serving a real update list from a folder.
#include "UpdateListServer.h"
#include "UpdateTestKit.h"

namespace {

TEST(HttpServer, NewerListOpensTheWindowEqualListIsUpToDateMissingListFailsDownServerCannotConnect) {
    ObservedEffects seen;
    UpdateListServer server;
    if (!server.Start()) GTEST_SKIP() << "python3's http.server is not available";
    testing_seams::RouteHost(UpdateHost(), 80, "127.0.0.1", server.Port());
    UpdateSocket socket;
    // Publishes the list (none: leaves the folder as it is) and runs one check to its outcome.
    auto check = [&](const QByteArray& list) {
        seen.boxes.clear();
        CloseUpdateWindow();
        if (!list.isEmpty() && !server.Publish(list)) return false;
        socket.CheckForUpdate(true);
        return WaitForOutcome(seen, 10000);
    };

    ASSERT_TRUE(check("====\r\n1.0.1 Old release\nhttp://dl.example.test/101.zip\nOld.\n----\r\n"
                      "1.1.0 New release\nhttp://dl.example.test/110.zip\nLine one.\nLine two.\n----\r\n"
                      "1.0.2 Current release\nhttps://dl.example.test/102.zip\nLine three.\n"));
    EXPECT_TRUE(seen.boxes.empty());
    UpDateWin* w = OpenUpdateWindow();
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(Rows(w), (std::vector<String>{"1.0.1 Old release", "1.1.0 New release", "1.0.2 Current release"}));
    Popup(w)->SetListIndex(1);
    EXPECT_EQ(InfoText(w), "Line one.\rLine two.\r");
    w->Find<PushButton>("PushButton1")->Push();
    EXPECT_EQ(seen.urls, std::vector<String>{"http://dl.example.test/110.zip"});

    ASSERT_TRUE(check("====\r\n1.0.2 Current release\nhttp://dl.example.test/102.zip\nLine three.\n"));
    EXPECT_EQ(seen.boxes, std::vector<String>{UpToDate});
    EXPECT_EQ(OpenUpdateWindow(), nullptr);

    // Its "not found" page is a failure, not a list without a newer version.
    ASSERT_TRUE(server.Withdraw());
    ASSERT_TRUE(check({}));
    EXPECT_EQ(seen.boxes, std::vector<String>{"Update check failed error:404"});

    server.Stop();
    ASSERT_TRUE(check({}));
    EXPECT_EQ(seen.boxes, std::vector<String>{CouldNotConnect});
}

} // namespace
