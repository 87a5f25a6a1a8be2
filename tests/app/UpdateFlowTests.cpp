// The update check as the running application makes it, at the hand-over
// and from the Web menu, against an independent HTTP/1.0 server.
#include <QLabel>
#include "AppRun.h"
#include "UpDateWin.h"
#include "UpdateListServer.h"

namespace {

const char* NewerList = "====\r\n1.1.0 New release\nhttp://dl.example.test/110.zip\nLine one.\nLine two.\n----\r\n"
                        "1.0.2 Current release\nhttp://dl.example.test/102.zip\nLine three.\n";
const char* EqualList = "====\r\n1.0.2 Current release\nhttp://dl.example.test/102.zip\nLine three.\n";

TEST_F(AppRun, UpdateCheckAtTheHandOverAndFromTheMenu) {
    UpdateListServer server;
    if (!server.Start()) GTEST_SKIP() << "python3's http.server is not available";
    std::vector<String> boxes;
    testing_seams::SetMsgBoxObserver([&](const String& text) { boxes.push_back(text); });
    testing_seams::RouteHost(UpdateHost(), 80, "127.0.0.1", server.Port());
    ASSERT_TRUE(server.Publish(NewerList));
    WritePrefs(GoldenPrefs(false));
    Begin();
    PressSplash();

    ASSERT_TRUE(testing_seams::PumpUntil([] { return OpenWindowOf<UpDateWin>() != nullptr; }, 10000));
    UpDateWin* w = OpenWindowOf<UpDateWin>();
    PopupMenu* rows = w->Find<PopupMenu>("PopupMenu1");
    ASSERT_EQ(rows->ListCount(), 2);
    EXPECT_EQ(rows->List(0), "1.1.0 New release");
    EXPECT_EQ(rows->ListIndex(), 0);
    EXPECT_EQ(w->Find<StaticText>("StaticText2")->Text(), "Line one.\rLine two.\r");
    SaveScreenshot(*w, "update");
    w->Find<PushButton>("PushButton1")->Push();
    EXPECT_EQ(urls_, std::vector<String>{"http://dl.example.test/110.zip"});
    EXPECT_TRUE(boxes.empty());

    const auto checkNow = [&] {
        boxes.clear();
        ChooseMenuItem(TheApp()->GetMenuBar()->Lookup("WebCheckforupdatenow"));
        return testing_seams::PumpUntil([&] { return !boxes.empty(); }, 10000);
    };
    ASSERT_TRUE(server.Publish(EqualList));
    ASSERT_TRUE(checkNow());
    EXPECT_EQ(boxes, std::vector<String>{"You have the latest version of this software."});

    server.Stop();
    ASSERT_TRUE(checkNow());
    EXPECT_EQ(boxes, std::vector<String>{"Update check failed, could not connect to host."});
    Finish();
}

// A list whose lines all end in CR LF shows exactly as the same list with
// LF: the same rows, the notes line after line, and Download opens each
// record's address.
TEST_F(AppRun, UpdateListWithCrLfLinesShowsAsWithLf) {
    UpdateListServer server;
    if (!server.Start()) GTEST_SKIP() << "python3's http.server is not available";
    testing_seams::RouteHost(UpdateHost(), 80, "127.0.0.1", server.Port());
    WritePrefs(GoldenPrefs(true)); // checks only from the menu
    Begin();
    PressSplash();
    ASSERT_TRUE(MainShown());

    QByteArray crlf(NewerList);
    crlf.replace("\r\n", "\n").replace("\n", "\r\n");
    for (const QByteArray& list : {QByteArray(NewerList), crlf}) {
        SCOPED_TRACE(list.toStdString());
        ASSERT_TRUE(server.Publish(list));
        urls_.clear();
        ChooseMenuItem(TheApp()->GetMenuBar()->Lookup("WebCheckforupdatenow"));
        ASSERT_TRUE(testing_seams::PumpUntil([] { return OpenWindowOf<UpDateWin>() != nullptr; }, 10000));
        UpDateWin* w = OpenWindowOf<UpDateWin>();
        PopupMenu* rows = w->Find<PopupMenu>("PopupMenu1");
        ASSERT_EQ(rows->ListCount(), 2);
        EXPECT_EQ(rows->List(0), "1.1.0 New release");
        EXPECT_EQ(rows->List(1), "1.0.2 Current release");
        const auto* notes = static_cast<QLabel*>(w->Find<StaticText>("StaticText2")->Widget());
        EXPECT_EQ(notes->text().toStdString(), "Line one.\nLine two.\n");
        w->Find<PushButton>("PushButton1")->Push();
        rows->SetListIndex(1);
        EXPECT_EQ(notes->text().toStdString(), "Line three.\n");
        w->Find<PushButton>("PushButton1")->Push();
        EXPECT_EQ(urls_, (std::vector<String>{"http://dl.example.test/110.zip", "http://dl.example.test/102.zip"}));
        w->Close();
        Settle();
    }
    Finish();
}

} // namespace
