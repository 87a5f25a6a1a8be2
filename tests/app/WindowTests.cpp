// The four windows of the shell as a reader meets them, the implicit
// instances, and the presses the splash and About windows answer.
#include "AppRun.h"

#include <QScrollBar>

#include "AboutWin.h"

namespace {

QRect Rect(const Control* c)
{
    return {c->Left(), c->Top(), c->Width(), c->Height()};
}

// What a reader of the window meets: every control inside the window and
// inside the box that holds it, no two controls but boxes on top of each
// other, and every text whole in its control.
void ExpectReadable(const Window& w)
{
    const QRect window(0, 0, w.Width(), w.Height());
    for (const Control* c : w.Controls()) {
        SCOPED_TRACE(c->Name());
        EXPECT_TRUE(window.contains(Rect(c)));
        EXPECT_TRUE(c->Widget()->parentWidget()->rect().contains(c->Widget()->geometry())) << "outside its box";
        for (const Control* other : w.Controls()) {
            if (other != c && !dynamic_cast<const GroupBox*>(c) && !dynamic_cast<const GroupBox*>(other)) {
                EXPECT_FALSE(Rect(c).intersects(Rect(other))) << "covers " << other->Name();
            }
        }
        if (auto* label = dynamic_cast<const StaticText*>(c); label && label->Multiline()) {
            EXPECT_TRUE(label->Widget()->findChild<QScrollBar*>()->isHidden());
        } else if (label) {
            EXPECT_LE(label->TextWidth(), label->Width()) << label->Text();
        }
        if (dynamic_cast<const PushButton*>(c)) {
            const QString caption = c->Widget()->property("text").toString();
            EXPECT_LT(c->Widget()->fontMetrics().horizontalAdvance(caption), c->Width() - 8) << caption.toStdString();
        }
    }
}

using Windows = AppRun;

// A first run through every window: terms, the main window made behind
// them, About over them, the splash once the terms are accepted; the file
// is written at the quit.
TEST_F(Windows, FirstRunThroughEveryWindow)
{
    Begin();
    TermsWin* terms = OpenWindowOf<TermsWin>();
    ASSERT_NE(terms, nullptr);
    ExpectReadable(*terms);
    RandomNumGenWin* main = OpenWindowOf<RandomNumGenWin>();
    ASSERT_NE(main, nullptr);
    main->Show();
    ExpectReadable(*main);
    EXPECT_TRUE(main->Find<PushButton>("PushButton1")->Default());

    TheApp()->FileAbout_Action();
    AboutWin* about = OpenWindowOf<AboutWin>();
    ASSERT_NE(about, nullptr);
    ExpectReadable(*about);
    EXPECT_NE(about->Find<ImageWell>("ImageWell1")->Image(), nullptr);
    Click(about, "StaticText5");
    Settle();
    EXPECT_EQ(urls_, std::vector<String>{HomePageURL});
    EXPECT_EQ(OpenWindowOf<AboutWin>(), about) << "a press on the link";
    TheApp()->FileAbout_Action();
    EXPECT_EQ(TheAboutWin(), about) << "the same window until it closes";
    Click(about, "StaticText2");
    EXPECT_EQ(OpenWindowOf<AboutWin>(), nullptr);

    Answer("PushButton1");
    ASSERT_NE(OpenWindowOf<SplashWin>(), nullptr);
    ExpectReadable(*OpenWindowOf<SplashWin>());
    EXPECT_NE(OpenWindowOf<SplashWin>()->Backdrop(), nullptr);
    PressSplash();
    EXPECT_FALSE(ReadPrefs()) << "the acceptance is written at quit";
    Finish();
    EXPECT_EQ(ReadPrefs(), GoldenPrefs(false));
}

} // namespace
