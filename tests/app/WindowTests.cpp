// The four windows of the shell: every control against its table, the
// implicit instances, the presses the splash and About windows answer,
// and a picture of each window for review.
#include "AppRun.h"

#include <QDir>
#include <QPixmap>
#include <QTest>
#include <QWidget>

#include "AboutWin.h"
#include "App.h"
#include "RandomNumGenWin.h"
#include "SharedConstants.h"
#include "SplashWin.h"
#include "TermsWin.h"
#include "Texts.h"

namespace {

using CC = ControlClass;

struct Expected {
    const char* Name;
    CC Class;
    int Left, Top, Width, Height;
    const char* Text; // nullptr: no text to check (image well)
    const char* Font;
    int Size;
    const char* Style; // letters: b bold, i italic, u underlined
    int Align;
    uint32_t Color;
    int TabIndex;
};

String TextOf(const Control* c) {
    if (auto* t = dynamic_cast<const StaticText*>(c)) return t->Text();
    if (auto* t = dynamic_cast<const PushButton*>(c)) return t->Caption();
    if (auto* t = dynamic_cast<const TextField*>(c)) return t->Text();
    if (auto* t = dynamic_cast<const TextArea*>(c)) return t->Text();
    if (auto* t = dynamic_cast<const GroupBox*>(c)) return t->Caption();
    return "<no text>";
}

bool IsOfClass(const Control* c, CC cls) {
    switch (cls) {
    case CC::StaticText: return dynamic_cast<const StaticText*>(c);
    case CC::PushButton: return dynamic_cast<const PushButton*>(c);
    case CC::TextField: return dynamic_cast<const TextField*>(c);
    case CC::TextArea: return dynamic_cast<const TextArea*>(c);
    case CC::GroupBox: return dynamic_cast<const GroupBox*>(c);
    case CC::PopupMenu: return dynamic_cast<const PopupMenu*>(c);
    case CC::ImageWell: return dynamic_cast<const ImageWell*>(c);
    }
    return false;
}

template <size_t N> void CheckControls(const Window& w, const Expected (&table)[N]) {
    ASSERT_EQ(w.Controls().size(), N);
    for (size_t n = 0; n < N; ++n) {
        const Expected& e = table[n];
        SCOPED_TRACE(e.Name);
        const Control* c = w.Controls()[n];
        EXPECT_EQ(c->Name(), e.Name) << "creation order";
        EXPECT_EQ(w.ControlByName(e.Name), c);
        EXPECT_TRUE(IsOfClass(c, e.Class));
        EXPECT_EQ(c->Left(), e.Left);
        EXPECT_EQ(c->Top(), e.Top);
        EXPECT_EQ(c->Width(), e.Width);
        EXPECT_EQ(c->Height(), e.Height);
        if (e.Text) {
            EXPECT_EQ(TextOf(c), e.Text);
        }
        if (e.Font) {
            EXPECT_EQ(c->TextFont(), e.Font);
            EXPECT_EQ(c->TextSize(), e.Size);
        }
        const String style = e.Style;
        EXPECT_EQ(c->Bold(), style.find('b') != String::npos);
        EXPECT_EQ(c->Italic(), style.find('i') != String::npos);
        EXPECT_EQ(c->Underline(), style.find('u') != String::npos);
        EXPECT_EQ(c->TextAlign(), e.Align);
        EXPECT_EQ(c->TextColor(), Color(e.Color));
        EXPECT_EQ(c->TabIndex(), e.TabIndex);
    }
}

const Expected kMainWindow[] = {
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

const Expected kTermsWindow[] = {
    {"PushButton1", CC::PushButton, 386, 278, 69, 20, "Agree", "System", 12, "", 0, 0, 0},
    {"PushButton2", CC::PushButton, 282, 278, 78, 20, "Disagree", "System", 12, "", 0, 0, 1},
    {"StaticText2", CC::StaticText, 15, 231, 441, 35, TermsNotice, "Geneva", 12, "b", 0, 0, 2},
    {"EditField1", CC::TextArea, 14, 14, 447, 205, TermsText, "Geneva", 10, "", 0, 0, 3},
};

// As the splash shows itself once open: version and rights notice set.
const Expected kSplashWindow[] = {
    {"StaticText1", CC::StaticText, 11, 152, 400, 37, SplashCredits, "Geneva", 12, "b", 1, 0x000000, 0},
    {"StaticText2", CC::StaticText, 12, 194, 400, 20, RightsNotice, "Geneva", 10, "i", 1, 0x000000, 1},
    {"StaticText3", CC::StaticText, 61, 99, 300, 29, "Visit the Quandelvorix Web Site", "Geneva", 16, "bu", 1,
     0x1822CD, 2},
    {"StaticText4", CC::StaticText, 13, 22, 396, 31, "Korvat's Random Number Generator", "New York", 18, "b", 1,
     0xFF0A12, 3},
    {"StaticText5", CC::StaticText, 13, 53, 397, 37, "A Simple Random Number Generator", "Geneva", 14, "u", 1,
     0xFF0519, 4},
    {"StaticText6", CC::StaticText, 363, 216, 45, 18, "1.0.2", "Geneva", 10, "", 0, 0x000000, 5},
    {"StaticText7", CC::StaticText, 11, 216, 320, 18, "Loading...", "New York", 11, "", 0, 0x000000, 7},
};

const Expected kAboutWindow[] = {
    {"GroupBox1", CC::GroupBox, 7, 7, 443, 160, "", "Geneva", 11, "", 0, 0, 3},
    {"StaticText4", CC::StaticText, 113, 78, 329, 29, AboutCredits, "Geneva", 11, "", 1, 0, 0},
    {"StaticText5", CC::StaticText, 78, 117, 300, 20, HomePageURL, "Geneva", 14, "u", 1, 0x0000FF, 1},
    {"StaticText6", CC::StaticText, 362, 141, 80, 20, "Version: 1.0.2", "Geneva", 10, "", 0, 0, 2},
    {"ImageWell1", CC::ImageWell, 15, 14, 93, 98, nullptr, nullptr, 0, "", 0, 0, 3},
    {"StaticText3", CC::StaticText, 106, 141, 245, 20, RightsNotice, "Geneva", 11, "", 1, 0, 4},
    {"StaticText1", CC::StaticText, 113, 17, 331, 30, "Korvat's Random Number Generator", "Geneva", 16, "", 1, 0,
     0},
    {"StaticText2", CC::StaticText, 113, 48, 331, 25, "Used to generate random numbers within a preset range.\r",
     "Geneva", 11, "", 1, 0, 1},
};

class Windows : public AppRun {
protected:
    void SetUp() override {
        AppRun::SetUp();
        CopyPictures();
    }
};

TEST_F(Windows, MainWindow) {
    Begin();
    RandomNumGenWin* w = OpenWindowOf<RandomNumGenWin>();
    ASSERT_NE(w, nullptr);
    CheckControls(*w, kMainWindow);
    EXPECT_FALSE(w->Visible());
    EXPECT_TRUE(w->Find<PushButton>("PushButton1")->Default());

    // Tab order follows the table, so the maximum field leads to the minimum field.
    w->Show();
    QWidget* maxField = w->Find<TextField>("EditField1")->Widget();
    QWidget* next = maxField->nextInFocusChain();
    while (next != maxField && !(next->focusPolicy() & Qt::TabFocus)) next = next->nextInFocusChain();
    EXPECT_EQ(next, w->Find<TextField>("EditField2")->Widget());
}

TEST_F(Windows, TermsWindow) {
    Begin();
    TermsWin* w = OpenWindowOf<TermsWin>();
    ASSERT_NE(w, nullptr);
    CheckControls(*w, kTermsWindow);
    for (const char* name : {"PushButton1", "PushButton2"}) {
        EXPECT_FALSE(w->Find<PushButton>(name)->Default()) << name;
        EXPECT_FALSE(w->Find<PushButton>(name)->Cancel()) << name;
    }
    TextArea* terms = w->Find<TextArea>("EditField1");
    EXPECT_TRUE(terms->HasVerticalScrollBar());
    EXPECT_FALSE(terms->HasHorizontalScrollBar());
    EXPECT_FALSE(terms->ReadOnly());

    // What the user types there goes with the window.
    terms->SetText("scribbled over");
    w->Close();
    Settle();
    TermsWin* again = TheTermsWin();
    ASSERT_NE(again, w);
    EXPECT_EQ(again->Find<TextArea>("EditField1")->Text(), TermsText);
}

TEST_F(Windows, SplashWindowAndItsLink) {
    WritePrefs(GoldenPrefs(false));
    Begin();
    SplashWin* w = OpenWindowOf<SplashWin>();
    ASSERT_NE(w, nullptr);
    CheckControls(*w, kSplashWindow);
    EXPECT_NE(w->Backdrop(), nullptr);
    Timer* timer = w->TimerByName("Timer1");
    ASSERT_NE(timer, nullptr);
    EXPECT_EQ(timer->Mode(), Timer::ModeSingle);
    EXPECT_EQ(timer->Period(), 4000);
    EXPECT_TRUE(timer->Running());

    // The link opens the home page each time and does not hand over.
    QWidget* link = w->Find<StaticText>("StaticText3")->Widget();
    QTest::mouseClick(link, Qt::LeftButton);
    QTest::mouseClick(link, Qt::LeftButton);
    Settle();
    EXPECT_EQ(urls_, (std::vector<String>{HomePageURL, HomePageURL}));
    EXPECT_EQ(OpenWindowOf<SplashWin>(), w);
    EXPECT_FALSE(MainWindowShown());
    EXPECT_TRUE(timer->Running());

    // A press anywhere else on it does.
    QTest::mouseClick(w->Find<StaticText>("StaticText4")->Widget(), Qt::LeftButton);
    Settle();
    EXPECT_TRUE(MainWindowShown());
    EXPECT_EQ(urls_.size(), 2u);
}

TEST_F(Windows, AboutWindowClosesAtAPressButNotAtItsLink) {
    Begin();
    ASSERT_FALSE(TheApp()->FileAbout_Action());
    AboutWin* w = OpenWindowOf<AboutWin>();
    ASSERT_NE(w, nullptr);
    CheckControls(*w, kAboutWindow);
    EXPECT_NE(w->Find<ImageWell>("ImageWell1")->Image(), nullptr);

    QTest::mouseClick(w->Find<StaticText>("StaticText5")->Widget(), Qt::LeftButton);
    Settle();
    EXPECT_EQ(urls_, std::vector<String>{HomePageURL});
    EXPECT_FALSE(w->IsClosed());

    // "About..." again: the same window, not a second one.
    w->Find<StaticText>("StaticText1")->SetText("the first window");
    TheApp()->FileAbout_Action();
    EXPECT_EQ(TheAboutWin(), w);

    QTest::mouseClick(w->Find<StaticText>("StaticText2")->Widget(), Qt::LeftButton);
    EXPECT_TRUE(w->IsClosed());
    Settle();
    EXPECT_EQ(OpenWindowOf<AboutWin>(), nullptr);

    TheApp()->FileAbout_Action();
    AboutWin* fresh = OpenWindowOf<AboutWin>();
    ASSERT_NE(fresh, nullptr);
    EXPECT_EQ(fresh->Find<StaticText>("StaticText1")->Text(), "Korvat's Random Number Generator");
    EXPECT_EQ(fresh->Find<StaticText>("StaticText6")->Text(), "Version: 1.0.2");
    fresh->PressAt(440, 170);
    EXPECT_TRUE(fresh->IsClosed());
}

// Pictures of the four windows, for a person to look at.
TEST_F(Windows, Screenshots) {
    const QString folder = QString(QUANDE_BUILD_DIR) + "/screenshots";
    ASSERT_TRUE(QDir().mkpath(folder));
    auto save = [&](Window* w, const char* name) {
        ASSERT_NE(w, nullptr) << name;
        Settle(50);
        EXPECT_TRUE(w->Widget()->grab().save(folder + "/" + name + ".png")) << name;
    };
    Begin();
    save(OpenWindowOf<TermsWin>(), "terms");
    OpenWindowOf<TermsWin>()->Find<PushButton>("PushButton1")->Push();
    save(OpenWindowOf<SplashWin>(), "splash");
    PressSplash();
    Settle();
    RandomNumGenWin* main = OpenWindowOf<RandomNumGenWin>();
    ASSERT_NE(main, nullptr);
    main->Find<PushButton>("PushButton1")->Push();
    save(main, "main");
    TheApp()->FileAbout_Action();
    save(OpenWindowOf<AboutWin>(), "about");
}

} // namespace
