// The run: closing the last window ends it; the addresses the browser is
// given.
#include <QTimer>
#include "Application.h"
#include "Desktop.h"
#include "GuiTestWindows.h"

using namespace testing_seams;

void StartWithApp()
{
    RegisterAppObject(std::make_unique<Application>());
}

// Closing the last visible window ends the run, but not while a message
// box is still up; a window open but hidden does not keep it.
TEST_F(GuiTest, ClosingTheLastVisibleWindowEndsTheRun)
{
    BeginRun(StartWithApp);
    WinB::Script().props.Visible = false;
    ImplicitInstance<WinB>();
    ImplicitInstance<WinA>();
    SetMsgBoxObserver(nullptr);
    bool quitUnderTheBox = true;
    QTimer::singleShot(0, [] { ImplicitInstance<WinA>()->Close(); });
    QTimer::singleShot(200, [&] {
        quitUnderTheBox = RunQuit();
        if (QWidget* box = QApplication::activeModalWidget()) box->close();
    });
    MsgBox("read me");
    EXPECT_FALSE(quitUnderTheBox);
    EXPECT_TRUE(PumpUntil([] { return RunQuit(); }, 1000));
}

TEST_F(GuiTest, ShowURLOpensOnlyWebAddressesTrimmedOfLineEndsAndBlanks)
{
    // The address as given; what the opener gets, "" when it is refused.
    const std::pair<String, String> rows[] = {
        {"http://www.brackwater.example.com/", "http://www.brackwater.example.com/"},
        {"HTTPS://payments.example.net/cgi-bin/webscr?cmd=_xclick&amount=$5.00&cn=Special%20Instructions%20(optional)",
         "HTTPS://payments.example.net/cgi-bin/webscr?cmd=_xclick&amount=$5.00&cn=Special%20Instructions%20(optional)"},
        {"http://dl.example.test/110.zip\r", "http://dl.example.test/110.zip"},
        {" \r\n https://dl.example.test/a b.zip?x=1 \r\n", ""},
        {"\n\rhttps://dl.example.test/a%20b.zip?x=1 \r\n ", "https://dl.example.test/a%20b.zip?x=1"},
        {"", ""},
        {" \r\n", ""},
        {"ftp://x", ""},
        {"javascript:alert(1)", ""},
        {"file:///etc/passwd", ""},
        {"http://", ""},
        {"www.example.com", ""},
        {"-http://example.com", ""},
        {"http://exa mple.com/", ""},
        {"http://dl.example.test/a\r\nb", ""},
        {"\thttp://dl.example.test/", ""}};
    std::vector<String> opened, refused;
    SetShowURLObserver([&](const String& a, bool ok) { (ok ? opened : refused).push_back(a); });
    for (const auto& [address, expected] : rows) {
        opened.clear();
        refused.clear();
        ShowURL(address);
        // Every call is seen once, opened or refused.
        EXPECT_EQ(opened.size() + refused.size(), 1u) << address;
        EXPECT_EQ(opened, expected.empty() ? std::vector<String>{} : std::vector<String>{expected}) << address;
    }
}
