// Controls: fonts and line breaks, popups, field lengths, tab order and the
// keys Return and Enter, and where mouse presses go.
#include <QComboBox>
#include <QFontInfo>
#include <QLabel>
#include <QTest>
#include "GuiTestWindows.h"
#include "KeyPress.h"

template<class T>
static T* Make(ControlRow row)
{
    WinA::Script().props.Width = 457;
    WinA::Script().props.Height = 175;
    return dynamic_cast<T*>(ImplicitInstance<WinA>()->AddControl(row));
}

TEST_F(GuiTest, LabelsMapFontsToPixelSizesAndBreakLinesAtCarriageReturns)
{
    const std::tuple<const char*, int, QString, String, QString> rows[] = {
        {"Geneva", 12, "DejaVu Sans", "one\rtwo", "one\ntwo"},
        {"New York", 18, "DejaVu Serif", "one\r\ntwo", "one\ntwo"},
        {"System", 12, QFontInfo(QApplication::font()).family(), "<b>not bold</b>", "<b>not bold</b>"}};
    for (const auto& [name, size, family, in, shown] : rows) {
        auto* label =
            Make<StaticText>({.Name = name, .TextFont = name, .TextSize = size, .Bold = true, .Multiline = true});
        label->SetText(in);
        const auto* q = static_cast<QLabel*>(label->Widget());
        EXPECT_EQ(QFontInfo(q->font()).family(), family) << name << ": the font drawn, not the one asked for";
        EXPECT_EQ(q->font().pixelSize(), size) << name;
        EXPECT_TRUE(q->font().bold() && !q->font().italic()) << name;
        EXPECT_EQ(q->text(), shown) << name;
        EXPECT_EQ(q->textFormat(), Qt::PlainText) << name; // never markup
        EXPECT_EQ(label->Text(), in) << name;              // read back as written
    }
}

// Change comes with every change of the selection, by code or by the user,
// but never from filling the rows.
TEST_F(GuiTest, PopupRaisesChangeOnEverySelectionChange)
{
    auto* popup = Make<PopupMenu>(
        {.Name = "P", .Class = ControlClass::PopupMenu, .Text = "Select one....\rother", .ListIndex = 0});
    EXPECT_EQ(popup->List(popup->ListIndex()), "Select one....");
    std::vector<int> changes;
    popup->Change = [&] { changes.push_back(popup->ListIndex()); };
    popup->DeleteAllRows();
    for (const char* row : {"1.0.3 fixes", "1.1.0 news", "2.0.0 big"}) popup->AddRow(row);
    popup->SetListIndex(2); // adding the rows selected nothing, so this is a change
    popup->SetListIndex(3); // outside the rows: none
    static_cast<QComboBox*>(popup->Widget())->setCurrentIndex(1); // the user's choice
    EXPECT_EQ(changes, (std::vector<int>{-1, 2, -1, 1}));
}

// The main window's order as a person walks it with Tab: the button (1), the
// maximum field (4), the minimum field (7), whatever order they were made in.
TEST_F(GuiTest, TabOrderFollowsTabIndexAndSkipsLabels)
{
    WinA::Script().create = [](Window& win) {
        const std::tuple<const char*, ControlClass, int> made[] = {{"Label", ControlClass::StaticText, 0},
                                                                   {"Max", ControlClass::TextField, 4},
                                                                   {"Button", ControlClass::PushButton, 1},
                                                                   {"Box", ControlClass::GroupBox, 5},
                                                                   {"Min", ControlClass::TextField, 7}};
        for (const auto& [name, cls, tab] : made)
            static_cast<WinA&>(win).AddControl(
                {.Name = name, .Class = cls, .Top = 25 * tab, .Width = 50, .Height = 22, .TabIndex = tab});
    };
    WinA* w = ImplicitInstance<WinA>();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w->Widget()));
    auto widget = [w](const char* name) { return w->ControlByName(name)->Widget(); };
    widget("Button")->setFocus(Qt::TabFocusReason);
    std::vector<QWidget*> stops{QApplication::focusWidget()};
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        stops.push_back(QApplication::focusWidget());
    }
    EXPECT_EQ(stops, (std::vector<QWidget*>{widget("Button"), widget("Max"), widget("Min"), widget("Button")}));
}

// LimitText 0 means no limit: Qt's own 32,767 characters must not cut what
// a field is given or what is typed after it.
TEST_F(GuiTest, FieldsHoldTextsBeyondQtsDefaultLimit)
{
    auto* field = Make<TextField>({.Name = "Field", .Class = ControlClass::TextField, .Width = 100, .Height = 22});
    field->SetText(String(33000, 'x')); // just past 32,767
    QTest::keyClick(field->Widget(), Qt::Key_End, Qt::ControlModifier);
    QTest::keyClicks(field->Widget(), "yz");
    EXPECT_EQ(field->Text().size(), 33002u);
}

// The default button keeps its role wherever the focus stands: Return and the
// keypad's Enter press it once, a Return with Shift or Ctrl does not. A text
// area keeps Return for its line break and hands the break back as CR.
TEST_F(GuiTest, ReturnPressesTheDefaultButtonWhereverTheFocusIsUnlessAFieldUsesIt)
{
    int pressed = 0, others = 0;
    WinA::Script().props.Width = 300;
    WinA::Script().props.Height = 200;
    WinA::Script().create = [&](Window& w) {
        auto add = [&w](ControlRow row) { return static_cast<WinA&>(w).AddControl(row); };
        static_cast<PushButton*>(add({.Name = "Go",
                                      .Class = ControlClass::PushButton,
                                      .Left = 10,
                                      .Top = 10,
                                      .Width = 100,
                                      .Height = 22,
                                      .TabIndex = 0,
                                      .Default = true}))
            ->Action = [&] { ++pressed; };
        static_cast<PushButton*>(add({.Name = "Other",
                                      .Class = ControlClass::PushButton,
                                      .Left = 120,
                                      .Top = 10,
                                      .Width = 100,
                                      .Height = 22,
                                      .TabIndex = 1}))
            ->Action = [&] { ++others; };
        add({.Name = "Field", .Class = ControlClass::TextField, .Top = 40, .Width = 100, .Height = 22, .TabIndex = 2});
        add({.Name = "Area",
             .Class = ControlClass::TextArea,
             .Top = 70,
             .Width = 200,
             .Height = 100,
             .Multiline = true,
             .TabIndex = 3});
    };
    WinA* w = ImplicitInstance<WinA>();
    ASSERT_TRUE(QTest::qWaitForWindowActive(w->Widget()));
    w->ControlByName("Go")->Widget()->setFocus(Qt::TabFocusReason);
    Key(Qt::Key_Return);
    EXPECT_EQ(pressed, 1) << "the focused default button";

    w->ControlByName("Field")->Widget()->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(QApplication::focusWidget(), "7");
    Key(Qt::Key_Return);
    EXPECT_EQ(pressed, 2) << "Return in a field";
    Key(Qt::Key_Enter, Qt::KeypadModifier);
    EXPECT_EQ(pressed, 3) << "the keypad's Enter in a field";
    Key(Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(pressed, 3) << "Shift+Return";
    Key(Qt::Key_Return, Qt::ControlModifier);
    EXPECT_EQ(pressed, 3) << "Ctrl+Return";
    EXPECT_EQ(w->Find<TextField>("Field")->Text(), "7");

    w->ControlByName("Area")->Widget()->setFocus(Qt::TabFocusReason);
    QTest::keyClicks(QApplication::focusWidget(), "a");
    Key(Qt::Key_Return);
    QTest::keyClicks(QApplication::focusWidget(), "b");
    EXPECT_EQ(w->Find<TextArea>("Area")->Text(), "a\rb");
    EXPECT_EQ(pressed, 3) << "the text area keeps its Return";
    EXPECT_EQ(others, 0);
}

// A label with a handler keeps its press, in its own coordinates, even when
// the handler says False; labels, pictures and group boxes without one pass it
// to the window in window coordinates, which start below the menu bar; fields
// keep theirs.
TEST_F(GuiTest, MouseDownGoesToTheLabelsHandlerElseToTheWindow)
{
    auto bar = std::make_shared<MenuBar>();
    auto file = std::make_shared<MenuItem>();
    file->SetName("FileMenu");
    file->SetText("&File");
    bar->Append(file);
    auto* link = Make<StaticText>({.Name = "Link", .Left = 61, .Top = 99, .Width = 300, .Height = 29});
    WinA* w = ImplicitInstance<WinA>();
    w->SetMenuBar(bar);
    ASSERT_GT(w->ContentWidget()->y(), 0) << "the bar stands above the window's area";
    std::vector<std::pair<int, int>> linkPresses;
    link->MouseDown = [&](int x, int y) {
        linkPresses.emplace_back(x, y);
        return false;
    };
    auto* box = Make<GroupBox>(
        {.Name = "Box", .Class = ControlClass::GroupBox, .Left = 7, .Top = 7, .Width = 443, .Height = 90});
    auto* inBox = Make<StaticText>({.Name = "In", .Left = 113, .Top = 48, .Width = 329, .Height = 29, .Parent = "Box"});
    auto* well = Make<ImageWell>({.Name = "Well",
                                  .Class = ControlClass::ImageWell,
                                  .Left = 15,
                                  .Top = 14,
                                  .Width = 93,
                                  .Height = 70,
                                  .Parent = "Box"});
    auto* field = Make<TextField>({.Name = "Field",
                                   .Class = ControlClass::TextField,
                                   .Left = 200,
                                   .Top = 20,
                                   .Width = 50,
                                   .Height = 22,
                                   .Parent = "Box"});
    const std::pair<QWidget*, QPoint> clicks[] = {{link->Widget(), {4, 6}},   {inBox->Widget(), {3, 4}},
                                                  {well->Widget(), {10, 10}}, {box->Widget(), {1, 80}},
                                                  {field->Widget(), {5, 5}},  {w->ContentWidget(), {2, 170}}};
    for (const auto& [target, at] : clicks) QTest::mouseClick(target, Qt::LeftButton, {}, at);
    EXPECT_EQ(linkPresses, (std::vector<std::pair<int, int>>{{4, 6}}));
    EXPECT_EQ(w->presses, (std::vector<std::pair<int, int>>{{116, 52}, {25, 24}, {8, 87}, {2, 170}}));
}
