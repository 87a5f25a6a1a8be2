// The running application at the keyboard: Return draws from the main
// window's fields and the result shows whole whatever its length; Return
// downloads in the update window, where the menu's shortcuts act too.
#include "AppRun.h"

#include <QApplication>
#include <QLabel>
#include <QLineEdit>

#include "KeyPress.h"
#include "UpDateWin.h"
#include "UpdateList.h"

namespace {

// As a user: click into the field, select what it holds and type over it.
void TypeInto(TextField* field, const char* text)
{
    QTest::mouseClick(field->Widget(), Qt::LeftButton);
    ASSERT_EQ(QApplication::focusWidget(), field->Widget());
    QTest::keyClick(field->Widget(), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClicks(field->Widget(), text);
}

class Keyboard : public AppRun {
protected:
    static void Activate(Window* w)
    {
        w->Show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(w->Widget()));
    }
};

// Typed bounds at both 32-bit limits: the label widens to the right within
// the lower box, bold, and goes back to its own width for a short number.
TEST_F(Keyboard, ReturnInAFieldDrawsAndEveryNumberShowsWhole)
{
    RandomNumGenWin* main = Started();
    ASSERT_NE(main, nullptr);
    StaticText* result = main->Find<StaticText>("StaticText1");
    const GroupBox* box = main->Find<GroupBox>("GroupBox1");
    const StaticText* caption = main->Find<StaticText>("StaticText2");
    for (const char* number : {"-2147483648", "2147483647", "7"}) {
        SCOPED_TRACE(number);
        TypeInto(main->Find<TextField>("EditField2"), number);
        TypeInto(main->Find<TextField>("EditField1"), number);
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
// asks the opener for its address. The menu's shortcuts act from this
// window: Ctrl+X cuts in its own focused control, not in the main window's
// selected field, and Ctrl+Q quits, saving the file.
TEST_F(Keyboard, UpdateWindowDownloadsOnReturnAndQuitsOnCtrlQ)
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
    Activate(w);
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
    Key(Qt::Key_Q, Qt::ControlModifier);
    EXPECT_TRUE(testing_seams::RunQuit());
    Finish();
    EXPECT_EQ(ReadPrefs(), GoldenPrefs(true));
}

} // namespace
