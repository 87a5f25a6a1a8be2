// The update check as the running application makes it, at the hand-over
// and from the Web menu, against an independent HTTP/1.0 server: Python's
// http.server serving the list from a folder. Each check ends in the update
// window or in one box.
#include "AppRun.h"
#include "UpDateWin.h"

namespace {

const QByteArray NewerList = "====\r\n1.1.0 New release\nhttp://dl.example.test/110.zip\nLine one.\nLine two.\n----\r\n"
                             "1.0.2 Current release\nhttp://dl.example.test/102.zip\nLine three.\n";
const QByteArray EqualList = "====\r\n1.0.2 Current release\nhttp://dl.example.test/102.zip\nLine three.\n";

// A newer list opens the window at the hand-over; from the menu, an equal
// list and a missing list (the server's 404 page) each end in their one box.
TEST_F(AppRun, UpdateChecksAtTheHandOverAndFromTheMenu)
{
    UpdateListServer server;
    ASSERT_TRUE(server.Start()) << "python3's http.server did not start";
    testing_seams::RouteHost(UpdateHost(), 80, "127.0.0.1", server.Port());
    std::vector<String> boxes;
    testing_seams::SetMsgBoxObserver([&](const String& text) { boxes.push_back(text); });
    const auto outcome = [&] {
        return testing_seams::PumpUntil([&] { return !boxes.empty() || OpenWindowOf<UpDateWin>(); }, 10000);
    };
    const auto checkNow = [&] {
        boxes.clear();
        ChooseMenuItem(TheApp()->GetMenuBar()->Lookup("WebCheckforupdatenow"));
        return outcome();
    };

    // Every line of the list ends in CR LF, as an editor elsewhere may save it.
    ASSERT_TRUE(server.Publish(QByteArray(NewerList).replace("\r\n", "\n").replace("\n", "\r\n")));
    WritePrefs(GoldenPrefs(false));
    Begin();
    PressSplash();
    ASSERT_TRUE(outcome());
    UpDateWin* w = OpenWindowOf<UpDateWin>();
    ASSERT_NE(w, nullptr);
    EXPECT_TRUE(boxes.empty());
    PopupMenu* rows = w->Find<PopupMenu>("PopupMenu1");
    EXPECT_EQ(std::vector<String>({rows->List(0), rows->List(1), rows->List(2)}),
              std::vector<String>({"1.1.0 New release", "1.0.2 Current release", ""}));
    EXPECT_EQ(w->Find<StaticText>("StaticText2")->Text(), "Line one.\rLine two.\r");
    w->Find<PushButton>("PushButton1")->Push();
    rows->SetListIndex(1);
    EXPECT_EQ(w->Find<StaticText>("StaticText2")->Text(), "Line three.\r");
    w->Find<PushButton>("PushButton1")->Push();
    EXPECT_EQ(urls_, (std::vector<String>{"http://dl.example.test/110.zip", "http://dl.example.test/102.zip"}));
    w->Close();
    Settle();

    ASSERT_TRUE(server.Publish(EqualList) && checkNow());
    EXPECT_EQ(boxes, std::vector<String>{"You have the latest version of this software."});
    ASSERT_TRUE(server.Withdraw() && checkNow());
    EXPECT_EQ(boxes, std::vector<String>{"Update check failed error:404"}) << "not a list without a newer version";
    EXPECT_EQ(OpenWindowOf<UpDateWin>(), nullptr);
    Finish();
}

} // namespace
