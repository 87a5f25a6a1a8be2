// The browser and the message box, observed through the test seams.
#include "Desktop.h"
#include "GuiTestWindows.h"

TEST_F(GuiTest, ShowURLPassesOnlyWebAddressesExactlyAsWritten)
{
    struct Row { String address; bool opened; };
    const Row rows[] = {
        {"http://www.brackwater.example.com/", true},
        {"HTTPS://payments.example.net/cgi-bin/webscr?cmd=_xclick&amount=$5.00&cn=Special%20Instructions%20(optional)", true},
        {"http://example.com/quande/", true},
        {"", false},
        {"ftp://x", false},
        {"javascript:alert(1)", false},
        {"file:///etc/passwd", false},
        {"http://", false},
        {"http:///path", false},
        {"www.example.com", false},
        {"-http://example.com", false},
        {"http://exa mple.com/", false},
    };
    std::vector<String> opened;
    testing_seams::SetShowURLObserver([&](const String& a) { opened.push_back(a); });
    for (const Row& r : rows) {
        opened.clear();
        ShowURL(r.address);
        const std::vector<String> expected = r.opened ? std::vector<String>{r.address} : std::vector<String>{};
        EXPECT_EQ(opened, expected) << r.address;
    }
}

TEST_F(GuiTest, MsgBoxGoesToTheObserverWithTheTextAsGiven)
{
    std::vector<String> shown;
    testing_seams::SetMsgBoxObserver([&](const String& t) { shown.push_back(t); });
    MsgBox("Update check failed error:105");
    MsgBox("line\rbreak");
    EXPECT_EQ(shown, (std::vector<String>{"Update check failed error:105", "line\rbreak"}));
}
