// The running application at the keyboard: Return draws from the main
// window's fields and the result shows whole whatever its length; Return
// downloads in the update window, where the menu's bar and shortcuts act too.
#include "AppRun.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>

#include "KeyPress.h"
#include "UpDateWin.h"
#include "UpdateList.h"

namespace {

using Keyboard = AppRun;

// Typed bounds at both 32-bit limits: the label widens to the right within
// the lower box, bold, and goes back to its own width for a short number.
TEST_F(Keyboard, ReturnInAFieldDrawsAndEveryNumberShowsWhole)
{
    RandomNumGenWin* main = Started();
    ASSERT_NE(main, nullptr);
    StaticText* result = main->Find<StaticText>("StaticText1");
    const GroupBox* box = main->Find<GroupBox>("GroupBox1");
    const StaticText* caption = main->Find<StaticText>("StaticText2");
    // As a user: click into the field, select what it holds and type over it.
    const auto typeInto = [](TextField* field, const char* text) {
        QTest::mouseClick(field->Widget(), Qt::LeftButton);
        ASSERT_EQ(QApplication::focusWidget(), field->Widget());
        QTest::keyClick(field->Widget(), Qt::Key_A, Qt::ControlModifier);
        QTest::keyClicks(field->Widget(), text);
    };
    for (const char* number : {"-2147483648", "2147483647", "7"}) {
        SCOPED_TRACE(number);
        typeInto(main->Find<TextField>("EditField2"), number);
        typeInto(main->Find<TextField>("EditField1"), number);
        Key(Qt::Key_Return);
        EXPECT_TRUE(main->Find<PushButton>("PushButton1")->Default());
        ASSERT_EQ(result->Text(), number);
        const auto* label = static_cast<const QLabel*>(result->Widget());
        EXPECT_EQ(label->text(), QString::fromLatin1(number));
        EXPECT_TRUE(label->font().bold());
        EXPECT_LE(QFontMetrics(label->font()).horizontalAdvance(label->text()), result->Width());
        EXPECT_EQ(std::tuple(result->Left(), result->Top(), result->Height()), std::tuple(154, 158, 20));
        EXPECT_GE(result->Left(), caption->Left() + caption->Width()) << "after \"Number:\"";
        EXPECT_LE(result->Left() + result->Width(), box->Left() + box->Width() - 2) << "inside the box's frame";
        if (std::strlen(number) < 10) {
            EXPECT_EQ(result->Width(), 80) << "the table's width wherever the number fits it";
        }
    }
}

// The popup has the focus: a key moves to the second record and Return
// asks the opener for its address. The bar drawn on the window is the
// application's: its toggle flips the one check mark that every drawn bar
// shows and rewrites the file at once, and its check item starts a check.
// The menu's shortcuts act from this window: Ctrl+X cuts in its own focused
// control, not in the main window's selected field, and Ctrl+Q quits,
// saving the file.
TEST_F(Keyboard, UpdateWindowAtTheKeyboardAndFromItsBar)
{
    RandomNumGenWin* main = Started();
    ASSERT_NE(main, nullptr);
    auto* field = static_cast<QLineEdit*>(main->Find<TextField>("EditField1")->Widget());
    field->setFocus();
    field->selectAll();
    UpDateWin* w = TheUpDateWin();
    w->Show();
    w->updata = ParseUpdateList("1.2.0 Newest\nhttp://dl.example.test/120.zip\nOne.\n----\r\n"
                                "1.1.0 Newer\nhttp://dl.example.test/110.zip\nTwo.\n")
                    .info;
    w->displaydata();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w->Widget()));
    ExpectReadable(*w);
    PopupMenu* popup = w->Find<PopupMenu>("PopupMenu1");
    popup->Widget()->setFocus(Qt::TabFocusReason);
    Key(Qt::Key_Down);
    ASSERT_EQ(popup->ListIndex(), 1);
    Key(Qt::Key_Return);
    EXPECT_EQ(urls_, std::vector<String>{"http://dl.example.test/110.zip"});
    EXPECT_TRUE(w->Visible());
    ASSERT_TRUE(field->hasSelectedText());
    Key(Qt::Key_X, Qt::ControlModifier);
    EXPECT_EQ(field->text(), QStringLiteral("40"));
    auto shownChecked = [](const Window* win) {
        for (QAction* a : win->Widget()->findChildren<QAction*>())
            if (a->text() == "Automatically check for updates") return a->isChecked();
        ADD_FAILURE() << "no such item";
        return false;
    };
    ASSERT_FALSE(shownChecked(main) || shownChecked(w));
    for (bool off : {false, true}) {
        ChooseFromBar(w, "Web", "Automatically check for updates");
        EXPECT_EQ(WebAutoUpdateCheck()->Checked(), !off);
        EXPECT_EQ(shownChecked(main), !off);
        EXPECT_EQ(shownChecked(w), !off);
        EXPECT_EQ(ReadPrefs(), GoldenPrefs(off));
    }
    EXPECT_EQ(checks_, 0) << "a toggle starts no check";
    ChooseFromBar(w, "Web", "Check for update now..");
    EXPECT_EQ(checks_, 1);
    Key(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_TRUE(testing_seams::RunQuit());
    Finish();
    EXPECT_EQ(ReadPrefs(), GoldenPrefs(true));
}

} // namespace
