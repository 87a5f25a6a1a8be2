// The update window on real widgets: what a fresh window shows, how a list
// fills it, choosing a row, "Download", refilling and reopening.
#include <gtest/gtest.h>

#include <memory>
#include <vector>
#include "SharedConstants.h"
#include "Testing.h"
#include "UpDateWin.h"
#include "UpdateSocket.h"
#include "UpdateTestKit.h"

namespace {

std::shared_ptr<UpdateInfoClass> MakeList(const std::vector<std::vector<String>>& records) {
    auto list = std::make_shared<UpdateInfoClass>();
    for (const auto& r : records) {
        list->OS.Append(r[0]);
        list->newurl.Append(r[1]);
        list->Updateinfo.Append(r[2]);
    }
    return list;
}

const std::vector<std::vector<String>> ThreeRecords{
    {"1.2.0 Newest", "http://dl.example.test/120.zip", "Info one.\rMore."},
    {"1.1.0 Newer", "https://dl.example.test/110.zip", "Info two."},
    {"1.0.2 Current", "http://dl.example.test/102.zip", "Info three."},
};

UpDateWin* Filled(const std::vector<std::vector<String>>& records) {
    TheUpDateWin()->Show();
    TheUpDateWin()->updata = MakeList(records);
    TheUpDateWin()->displaydata();
    return TheUpDateWin();
}

PopupMenu* Popup(UpDateWin* w) { return w->Find<PopupMenu>("PopupMenu1"); }
String Info(UpDateWin* w) { return w->Find<StaticText>("StaticText2")->Text(); }

std::vector<String> Rows(UpDateWin* w) {
    std::vector<String> rows;
    for (int i = 0; i < Popup(w)->ListCount(); ++i) rows.push_back(Popup(w)->List(i));
    return rows;
}

class UpDateWinTest : public ::testing::Test {
protected:
    ObservedEffects seen;
};

TEST_F(UpDateWinTest, FreshWindowIsInItsCreatedState) {
    UpDateWin* w = TheUpDateWin();
    EXPECT_EQ(w->Title(), "Check for Update");
    EXPECT_EQ(w->Width(), 322);
    EXPECT_EQ(w->Height(), 325);
    EXPECT_TRUE(w->Visible());
    EXPECT_EQ(w->Find<StaticText>("StaticText3")->Text(), AppVersion);
    EXPECT_EQ(Rows(w), std::vector<String>{"Select one...."});
    EXPECT_EQ(Popup(w)->ListIndex(), 0);
    EXPECT_EQ(Info(w), "");
    EXPECT_EQ(w->CurentHttp, "");
    EXPECT_EQ(w->updata, nullptr);
    EXPECT_TRUE(seen.urls.empty());
    EXPECT_EQ(w->Controls().size(), 8u);
}

TEST_F(UpDateWinTest, ListFillsRowsAndChoosingARowPicksItsRecord) {
    UpDateWin* w = Filled(ThreeRecords);
    EXPECT_EQ(Rows(w), (std::vector<String>{"1.2.0 Newest", "1.1.0 Newer", "1.0.2 Current"}));
    EXPECT_EQ(Popup(w)->ListIndex(), 0);
    EXPECT_EQ(Info(w), "Info one.\rMore.");
    w->Find<PushButton>("PushButton1")->Push();
    EXPECT_EQ(seen.urls, std::vector<String>{"http://dl.example.test/120.zip"});

    const std::pair<int, int> choices[] = {{2, 2}, {1, 1}, {0, 0}, {-1, 0}};
    for (const auto& [row, record] : choices) {
        SCOPED_TRACE(row);
        seen.urls.clear();
        Popup(w)->SetListIndex(row);
        EXPECT_EQ(w->CurentHttp, ThreeRecords[record][1]);
        EXPECT_EQ(Info(w), ThreeRecords[record][2]);
        w->Find<PushButton>("PushButton1")->Push();
        w->Find<PushButton>("PushButton1")->Push();
        EXPECT_EQ(seen.urls, (std::vector<String>{ThreeRecords[record][1], ThreeRecords[record][1]}));
        EXPECT_EQ(OpenUpdateWindow(), w) << "Download leaves the window open";
    }
}

TEST_F(UpDateWinTest, SecondListReplacesEveryRowOfTheFirst) {
    UpDateWin* w = Filled(ThreeRecords);
    Popup(w)->SetListIndex(2);
    UpDateWin* again = Filled({{"2.0.0 Major", "http://dl.example.test/200.zip", "Big."}});
    EXPECT_EQ(again, w);
    EXPECT_EQ(OpenUpdateWindowCount(), 1);
    EXPECT_EQ(Rows(w), std::vector<String>{"2.0.0 Major"});
    EXPECT_EQ(Popup(w)->ListIndex(), 0);
    EXPECT_EQ(w->CurentHttp, "http://dl.example.test/200.zip");
    EXPECT_EQ(Info(w), "Big.");
}

TEST_F(UpDateWinTest, ClosedWindowIsMadeAfreshByTheNextReference) {
    UpDateWin* w = Filled(ThreeRecords);
    w->Close();
    testing_seams::Pump(0);
    EXPECT_EQ(OpenUpdateWindow(), nullptr);
    UpDateWin* fresh = TheUpDateWin();
    EXPECT_EQ(fresh->updata, nullptr);
    EXPECT_EQ(fresh->CurentHttp, "");
    EXPECT_EQ(Rows(fresh), std::vector<String>{"Select one...."});
    EXPECT_EQ(Info(fresh), "");
}

TEST_F(UpDateWinTest, MissingListOrOddRowsDoNoHarm) {
    UpDateWin* w = TheUpDateWin();
    w->displaydata(); // no list yet
    Popup(w)->SetListIndex(0);
    EXPECT_EQ(w->CurentHttp, "");
    w->updata = MakeList({});
    w->displaydata();
    EXPECT_EQ(Popup(w)->ListCount(), 0);
    EXPECT_EQ(w->CurentHttp, "");
}

// The decision of one received page, as the fetcher hands it on.
TEST_F(UpDateWinTest, PageDecidesBetweenWindowAndUpToDate) {
    struct Case {
        const char* name;
        String page;
        bool window;
    };
    const Case cases[] = {
        {"worked example",
         "1.1.0 New release\nhttp://a.test/110\nLine one.\nLine two.\n----\r\n"
         "1.0.2 Current release\nhttp://a.test/102\nLine three.\n",
         true},
        {"worked example without its newer record", "1.0.2 Current release\nhttp://a.test/102\nLine three.\n", false},
        {"1.0.3", "1.0.3 Fix\nu\n", true},
        {"1.0.10 counts as newer", "1.0.10 Ten\nu\n", true},
        {"fourth part ignored", "1.0.2.9 Same\nu\n", false},
        {"V1.1.0 reads as 10", "V1.1.0 Prefixed\nu\n", false},
        {"1.0.9 beta-test", "1.0.9 beta-test\nu\n", true},
        {"huge version", "99999999999.0.0 Far future\nu\n", true},
        {"huge negative", "-99999999999.0.0 Far past\nu\n", false},
        {"empty page", "", false},
        {"status line HTTP/1.1", "HTTP/1.1 200 OK\r\n\r\nhello", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        seen.boxes.clear();
        CloseUpdateWindows();
        UpdateSocket socket;
        socket.Event_PageRecived(c.page);
        if (c.window) {
            EXPECT_TRUE(seen.boxes.empty());
            ASSERT_NE(OpenUpdateWindow(), nullptr);
            EXPECT_EQ(Popup(OpenUpdateWindow())->ListCount(), CountFields(c.page, "----\r\n"));
        } else {
            EXPECT_EQ(seen.boxes, std::vector<String>{UpToDate});
            EXPECT_EQ(OpenUpdateWindow(), nullptr);
        }
    }
}

TEST_F(UpDateWinTest, TwoNewerPagesLeaveOneWindowWithTheLaterList) {
    UpdateSocket socket;
    socket.Event_PageRecived("1.1.0 First\nhttp://a.test/1\n");
    socket.Event_PageRecived("1.2.0 Second\nhttp://a.test/2\nSecond info\n----\r\n1.1.0 First\nhttp://a.test/1\n");
    EXPECT_EQ(OpenUpdateWindowCount(), 1);
    UpDateWin* w = OpenUpdateWindow();
    EXPECT_EQ(Rows(w), (std::vector<String>{"1.2.0 Second", "1.1.0 First"}));
    EXPECT_EQ(w->CurentHttp, "http://a.test/2");
    EXPECT_EQ(Info(w), "Second info\r");
    EXPECT_TRUE(seen.boxes.empty());
}

} // namespace
