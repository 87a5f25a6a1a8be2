// The keyboard as a user meets it: Return for the default button wherever
// the focus stands, and fields without a length limit.
#include <QTest>
#include "GuiTestWindows.h"
#include "KeyPress.h"

namespace {
template<class T>
T* Add(Window& w, ControlRow row)
{
    return dynamic_cast<T*>(static_cast<WinA&>(w).AddControl(row));
}

void ShowActive(Window* w)
{
    w->Show();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w->Widget()));
}

} // namespace

// The default button stays the default when the focus leaves it (Qt drops a
// button's default status outside dialogs), and Return or Enter press it
// from a field; a text area keeps Return for its line break.
TEST_F(GuiTest, ReturnPressesTheDefaultButtonWhereverTheFocusIsUnlessAFieldUsesIt)
{
    int pressed = 0, others = 0;
    WinA::Script().props.Width = 300;
    WinA::Script().props.Height = 200;
    WinA::Script().create = [&](Window& w) {
        Add<PushButton>(w,
                        {.Name = "Go",
                         .Class = ControlClass::PushButton,
                         .Left = 10,
                         .Top = 10,
                         .Width = 100,
                         .Height = 22,
                         .TabIndex = 0,
                         .Default = true})
            ->Action = [&] { ++pressed; };
        Add<PushButton>(w,
                        {.Name = "Other",
                         .Class = ControlClass::PushButton,
                         .Left = 120,
                         .Top = 10,
                         .Width = 100,
                         .Height = 22,
                         .TabIndex = 1})
            ->Action = [&] { ++others; };
        Add<TextField>(w,
                       {.Name = "Field",
                        .Class = ControlClass::TextField,
                        .Left = 10,
                        .Top = 40,
                        .Width = 100,
                        .Height = 22,
                        .TabIndex = 2});
        Add<TextArea>(w,
                      {.Name = "Area",
                       .Class = ControlClass::TextArea,
                       .Left = 10,
                       .Top = 70,
                       .Width = 200,
                       .Height = 100,
                       .Multiline = true,
                       .TabIndex = 3});
    };
    WinA* w = ImplicitInstance<WinA>();
    ShowActive(w);
    w->ControlByName("Go")->Widget()->setFocus(Qt::TabFocusReason);
    Key(Qt::Key_Return);
    EXPECT_EQ(pressed, 1) << "the focused default button";

    Key(Qt::Key_Tab);
    Key(Qt::Key_Tab);
    ASSERT_EQ(QApplication::focusWidget(), w->ControlByName("Field")->Widget());
    QTest::keyClicks(QApplication::focusWidget(), "7");
    Key(Qt::Key_Return);
    Key(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(pressed, 3) << "from the field, by Return and by the keypad's Enter";
    EXPECT_TRUE(w->Find<PushButton>("Go")->Default());
    EXPECT_FALSE(w->Find<PushButton>("Other")->Default());
    EXPECT_EQ(w->Find<TextField>("Field")->Text(), "7");

    Key(Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(pressed, 3) << "a modified Return is not the default button's";
    Key(Qt::Key_Tab);
    QTest::keyClicks(QApplication::focusWidget(), "a");
    Key(Qt::Key_Return);
    QTest::keyClicks(QApplication::focusWidget(), "b");
    EXPECT_EQ(w->Find<TextArea>("Area")->Text(), "a\rb");
    EXPECT_EQ(pressed, 3) << "the text area keeps its Return";
    EXPECT_EQ(others, 0);
}

// LimitText 0 means no limit: Qt's own 32,767 characters must not cut what
// a field is given or what is typed after it.
TEST_F(GuiTest, FieldsHoldTextsBeyondQtsDefaultLimit)
{
    WinA::Script().create = [](Window& w) {
        Add<TextField>(w, {.Name = "Field", .Class = ControlClass::TextField, .Width = 100, .Height = 22});
    };
    WinA* w = ImplicitInstance<WinA>();
    ShowActive(w);
    auto* field = w->Find<TextField>("Field");
    field->SetText(String(33000, 'x')); // just past 32,767
    field->Widget()->setFocus();
    QTest::keyClick(field->Widget(), Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(field->Widget(), "yz");
    EXPECT_EQ(field->Text().size(), 33002u);
}
