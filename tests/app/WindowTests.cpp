// The four windows of the shell: every control against its window's table
// (with a picture of each window saved for review), the implicit instances,
// the presses the splash and About windows answer, and the picture cache.
#include "AppRun.h"

#include <QDir>


#include "AboutWin.h"
#include "CachedPicture.h"
#include "Texts.h"

namespace {

using CC = ControlClass;

// Name, class, left, top, width, height, text, font, size, style (b, i, u), align, colour, tab index.
using Props = std::tuple<String, CC, int, int, int, int, String, String, int, String, int, uint32_t, int>;

std::pair<CC, String> ClassAndText(const Control* c) {
    if (auto* t = dynamic_cast<const StaticText*>(c)) return {CC::StaticText, t->Text()};
    if (auto* t = dynamic_cast<const PushButton*>(c)) return {CC::PushButton, t->Caption()};
    if (auto* t = dynamic_cast<const TextField*>(c)) return {CC::TextField, t->Text()};
    if (auto* t = dynamic_cast<const TextArea*>(c)) return {CC::TextArea, t->Text()};
    if (auto* t = dynamic_cast<const GroupBox*>(c)) return {CC::GroupBox, t->Caption()};
    return {dynamic_cast<const ImageWell*>(c) ? CC::ImageWell : CC::PopupMenu, ""};
}

// Every control in creation order, then a picture of the window into the build folder.
void Check(const Window& w, const std::vector<Props>& table, const char* picture) {
    ASSERT_EQ(w.Controls().size(), table.size());
    for (size_t n = 0; n < table.size(); ++n) {
        const Control* c = w.Controls()[n];
        const auto [cls, text] = ClassAndText(c);
        const String style = String(c->Bold() ? "b" : "") + (c->Italic() ? "i" : "") + (c->Underline() ? "u" : "");
        EXPECT_EQ(Props(c->Name(), cls, c->Left(), c->Top(), c->Width(), c->Height(), text, c->TextFont(),
                        c->TextSize(), style, c->TextAlign(), c->TextColor().rgb, c->TabIndex()),
                  table[n]);
    }
    SaveScreenshot(w, picture);
}

const std::vector<Props> kMainWindow = {
    {"StaticText1", CC::StaticText, 154, 158, 80, 20, "", "Geneva", 12, "b", 0, 0, 0},
    {"PushButton1", CC::PushButton, 49, 112, 200, 20, "Generate Random Number", "Geneva", 12, "", 0, 0, 1},
    {"StaticText2", CC::StaticText, 75, 158, 68, 20, "Number:", "Geneva", 12, "", 2, 0, 2},
    {"StaticText3", CC::StaticText, 19, 69, 195, 20, "Set Maximum Number Possible:", "Geneva", 12, "", 2, 0, 3},
    {"EditField1", CC::TextField, 225, 68, 50, 22, "40", "Geneva", 12, "", 0, 0, 4},
    {"GroupBox1", CC::GroupBox, 53, 146, 193, 45, "", "Geneva", 12, "", 0, 0, 5},
    {"StaticText4", CC::StaticText, 19, 41, 195, 20, "Set Minimum Number Possible:", "Geneva", 12, "", 2, 0, 6},
    {"EditField2", CC::TextField, 225, 40, 50, 22, "1", "Geneva", 12, "", 0, 0, 7},
    {"GroupBox2", CC::GroupBox, 9, 14, 281, 87, "Range Selection:", "Geneva", 12, "", 0, 0, 8},
};

const std::vector<Props> kTermsWindow = {
    {"PushButton1", CC::PushButton, 386, 278, 69, 20, "Agree", "System", 12, "", 0, 0, 0},
    {"PushButton2", CC::PushButton, 282, 278, 78, 20, "Disagree", "System", 12, "", 0, 0, 1},
    {"StaticText2", CC::StaticText, 15, 231, 441, 35, TermsNotice, "Geneva", 12, "b", 0, 0, 2},
    {"EditField1", CC::TextArea, 14, 14, 447, 205, TermsText, "Geneva", 10, "", 0, 0, 3},
};

// As the splash shows itself once open: version and rights notice set.
const std::vector<Props> kSplashWindow = {
    {"StaticText1", CC::StaticText, 11, 152, 400, 37, SplashCredits, "Geneva", 12, "b", 1, 0, 0},
    {"StaticText2", CC::StaticText, 12, 194, 400, 20, RightsNotice, "Geneva", 10, "i", 1, 0, 1},
    {"StaticText3", CC::StaticText, 61, 99, 300, 29, "Visit the Quandelvorix Web Site", "Geneva", 16, "bu", 1,
     0x1822CD, 2},
    {"StaticText4", CC::StaticText, 13, 22, 396, 31, "Korvat's Random Number Generator", "New York", 18, "b", 1,
     0xFF0A12, 3},
    {"StaticText5", CC::StaticText, 13, 53, 397, 37, "A Simple Random Number Generator", "Geneva", 14, "u", 1,
     0xFF0519, 4},
    {"StaticText6", CC::StaticText, 363, 216, 45, 18, "1.0.2", "Geneva", 10, "", 0, 0, 5},
    {"StaticText7", CC::StaticText, 11, 216, 320, 18, "Loading...", "New York", 11, "", 0, 0, 7},
};

const std::vector<Props> kAboutWindow = {
    {"GroupBox1", CC::GroupBox, 7, 7, 443, 160, "", "Geneva", 11, "", 0, 0, 3},
    {"StaticText4", CC::StaticText, 113, 78, 329, 29, AboutCredits, "Geneva", 11, "", 1, 0, 0},
    {"StaticText5", CC::StaticText, 78, 117, 300, 20, HomePageURL, "Geneva", 14, "u", 1, 0x0000FF, 1},
    {"StaticText6", CC::StaticText, 362, 141, 80, 20, "Version: 1.0.2", "Geneva", 10, "", 0, 0, 2},
    {"ImageWell1", CC::ImageWell, 15, 14, 93, 98, "", "System", 12, "", 0, 0, 3},
    {"StaticText3", CC::StaticText, 106, 141, 245, 20, RightsNotice, "Geneva", 11, "", 1, 0, 4},
    {"StaticText1", CC::StaticText, 113, 17, 331, 30, "Korvat's Random Number Generator", "Geneva", 16, "", 1, 0, 0},
    {"StaticText2", CC::StaticText, 113, 48, 331, 25, "Used to generate random numbers within a preset range.\r",
     "Geneva", 11, "", 1, 0, 1},
};

using Windows = AppRun;

// A first run through every window: terms, the main window made behind
// them, About over them, the splash once the terms are accepted; the file
// is written at the quit.
TEST_F(Windows, FirstRunThroughEveryWindow) {
    Begin();
    TermsWin* terms = OpenWindowOf<TermsWin>();
    ASSERT_NE(terms, nullptr);
    Check(*terms, kTermsWindow, "terms");
    terms->Find<TextArea>("EditField1")->SetText("scribbled over"); // goes with the window
    RandomNumGenWin* main = OpenWindowOf<RandomNumGenWin>();
    ASSERT_NE(main, nullptr);
    main->Show();
    Check(*main, kMainWindow, "main");
    EXPECT_TRUE(main->Find<PushButton>("PushButton1")->Default());

    TheApp()->FileAbout_Action();
    AboutWin* about = OpenWindowOf<AboutWin>();
    ASSERT_NE(about, nullptr);
    Check(*about, kAboutWindow, "about");
    EXPECT_NE(about->Find<ImageWell>("ImageWell1")->Image(), nullptr);
    Click(about, "StaticText5");
    Settle();
    EXPECT_EQ(urls_, std::vector<String>{HomePageURL});
    EXPECT_FALSE(about->IsClosed()) << "a press on the link";
    about->Find<StaticText>("StaticText1")->SetText("the first window");
    TheApp()->FileAbout_Action();
    EXPECT_EQ(TheAboutWin(), about) << "the same window until it closes";
    Click(about, "StaticText2");
    EXPECT_TRUE(about->IsClosed());
    terms->Close();
    Settle();
    TheApp()->FileAbout_Action();
    EXPECT_EQ(TheAboutWin()->Find<StaticText>("StaticText1")->Text(), "Korvat's Random Number Generator");
    EXPECT_EQ(TheTermsWin()->Find<TextArea>("EditField1")->Text(), TermsText);

    Answer("PushButton1");
    ASSERT_NE(OpenWindowOf<SplashWin>(), nullptr);
    Check(*OpenWindowOf<SplashWin>(), kSplashWindow, "splash");
    EXPECT_NE(OpenWindowOf<SplashWin>()->Backdrop(), nullptr);
    PressSplash();
    EXPECT_FALSE(ReadPrefs()) << "the acceptance is written at quit";
    Finish();
    EXPECT_EQ(ReadPrefs(), GoldenPrefs(false));
}

// Read once it can be and kept from then on; while it cannot be read, every use tries again.
TEST(CachedPicture, RetriesWhileMissingAndKeepsOnceLoaded) {
    QTemporaryDir dir;
    int asked = 0;
    CachedPicture pic([&] { return ++asked, std::make_shared<FolderItem>(dir.path().toStdString()); }, "i.jpg");
    EXPECT_EQ(pic.Get(), nullptr) << "missing";
    QFile file(dir.path() + "/i.jpg");
    ASSERT_TRUE(QFile::copy(QUANDE_APP_DIR "/Resources/quandeicon.jpg", file.fileName()));
    const std::shared_ptr<Picture> loaded = pic.Get();
    ASSERT_NE(loaded, nullptr);
    ASSERT_TRUE(file.remove());
    EXPECT_EQ(pic.Get(), loaded) << "kept, not read again";
    EXPECT_EQ(asked, 2);
}

} // namespace
