// Controls: fonts, texts and line breaks, popups, tab order, mouse-down
// routing, the default button and pictures.
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include "GuiTestWindows.h"

namespace {
template <class T> T* Make(WinA& w, ControlSpec spec)
{
    return dynamic_cast<T*>(w.Add(spec));
}

// Where Tab goes from w: the next widget of the focus chain that takes Tab.
QWidget* NextTabStop(QWidget* w)
{
    for (QWidget* next = w->nextInFocusChain(); next != w; next = next->nextInFocusChain())
        if ((next->focusPolicy() & Qt::TabFocus) && next->isVisible()) return next;
    return w;
}

WinA* EmptyWindow(int width = 300, int height = 200)
{
    WinA::Script().props.Width = width;
    WinA::Script().props.Height = height;
    return ImplicitInstance<WinA>();
}
} // namespace

TEST_F(GuiTest, FontsMapToThisPlatformAtPixelSizes)
{
    struct Row { const char* name; int size; QString family; };
    const Row rows[] = {
        {"Geneva", 12, "DejaVu Sans"},
        {"New York", 18, "DejaVu Serif"},
        {"System", 12, QApplication::font().family()},
    };
    WinA* w = EmptyWindow();
    for (const Row& r : rows) {
        SCOPED_TRACE(r.name);
        auto* label = Make<StaticText>(*w, {.Name = r.name, .Width = 100, .Height = 20, .TextFont = r.name,
                                            .TextSize = r.size, .Bold = true, .Underline = true});
        const QFont f = label->Widget()->font();
        EXPECT_EQ(f.family(), r.family);
        EXPECT_EQ(f.pixelSize(), r.size);
        EXPECT_TRUE(f.bold());
        EXPECT_FALSE(f.italic());
        EXPECT_TRUE(f.underline());
        EXPECT_EQ(label->TextFont(), r.name);
    }
}

TEST_F(GuiTest, LabelTextsBreakAtCarriageReturnsAndAreNeverMarkup)
{
    WinA* w = EmptyWindow();
    auto* label = Make<StaticText>(*w, {.Name = "L", .Width = 200, .Height = 40, .TextColor = 0xFF0A12,
                                        .Multiline = true});
    auto* q = static_cast<QLabel*>(label->Widget());
    struct Row { String in; QString shown; };
    const Row rows[] = {
        {"one\rtwo", "one\ntwo"},
        {"one\r\ntwo", "one\ntwo"},
        {"one\ntwo", "one\ntwo"},
        {"<b>not bold</b> <img src=x>", "<b>not bold</b> <img src=x>"},
        {"caf\xC3\xA9", QString::fromUtf8("caf\xC3\xA9")},
    };
    for (const Row& r : rows) {
        label->SetText(r.in);
        EXPECT_EQ(q->text(), r.shown);
        EXPECT_EQ(label->Text(), r.in); // read back as it was set
    }
    EXPECT_EQ(q->textFormat(), Qt::PlainText);
    EXPECT_TRUE(label->Multiline());
    EXPECT_EQ(q->palette().color(QPalette::WindowText), QColor(0xFF, 0x0A, 0x12));
    EXPECT_FALSE(q->autoFillBackground());
}

TEST_F(GuiTest, TextAreaScrollsVerticallyWrapsAndReadsBackCarriageReturns)
{
    WinA* w = EmptyWindow();
    auto* area = Make<TextArea>(*w, {.Name = "EditField1", .Class = ControlClass::TextArea, .Width = 200, .Height = 100,
                                     .Text = "first\r\rsecond"});
    auto* q = static_cast<QPlainTextEdit*>(area->Widget());
    EXPECT_EQ(q->toPlainText(), QStringLiteral("first\n\nsecond"));
    EXPECT_EQ(area->Text(), "first\r\rsecond");
    EXPECT_TRUE(area->HasVerticalScrollBar());
    EXPECT_FALSE(area->HasHorizontalScrollBar());
    EXPECT_EQ(q->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(q->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    EXPECT_FALSE(area->ReadOnly());
}

TEST_F(GuiTest, PopupShowsItsInitialValueAndRaisesChangeOnEverySelectionChange)
{
    WinA* w = EmptyWindow();
    auto* popup = Make<PopupMenu>(*w, {.Name = "PopupMenu1", .Class = ControlClass::PopupMenu, .Width = 150,
                                       .Height = 22, .Text = "Select one....", .ListIndex = 0});
    EXPECT_EQ(popup->ListIndex(), 0);
    EXPECT_EQ(popup->Text(), "Select one....");
    std::vector<int> changes;
    popup->Change = [&] { changes.push_back(popup->ListIndex()); };

    popup->DeleteAllRows();
    EXPECT_EQ(popup->ListCount(), 0);
    EXPECT_EQ(popup->ListIndex(), -1);
    popup->AddRow("1.0.3 fixes");
    popup->AddRow("1.1.0 news");
    popup->AddRow("2.0.0 big");
    EXPECT_EQ(popup->ListIndex(), -1); // adding rows selects nothing
    popup->SetListIndex(0);
    popup->SetListIndex(2);
    popup->SetListIndex(3); // outside the rows: none
    EXPECT_EQ(changes, (std::vector<int>{-1, 0, 2, -1}));
    EXPECT_EQ(popup->List(1), "1.1.0 news");
    EXPECT_EQ(popup->List(3), "");
    EXPECT_EQ(popup->List(-1), "");

    // The user's choice raises Change too.
    static_cast<QComboBox*>(popup->Widget())->setCurrentIndex(1);
    EXPECT_EQ(changes.back(), 1);
}

TEST_F(GuiTest, PopupMadeWithoutSelectionSelectsNone)
{
    WinA* w = EmptyWindow();
    auto* popup = Make<PopupMenu>(*w, {.Name = "P", .Class = ControlClass::PopupMenu, .Width = 150, .Height = 22,
                                       .Text = "a\rb", .ListIndex = -1});
    EXPECT_EQ(popup->ListCount(), 2);
    EXPECT_EQ(popup->ListIndex(), -1);
    EXPECT_EQ(popup->Text(), "");
}

// The main window's order: the button (1), the maximum field (4), the minimum field (7).
TEST_F(GuiTest, TabOrderFollowsTabIndexAndSkipsLabels)
{
    WinA::Script().create = [](Window& win) {
        auto& w = static_cast<WinA&>(win);
        w.Add({.Name = "StaticText1", .Width = 80, .Height = 20, .TabIndex = 0});
        w.Add({.Name = "PushButton1", .Class = ControlClass::PushButton, .Left = 49, .Top = 112, .Width = 200, .Height = 20, .TabIndex = 1});
        w.Add({.Name = "EditField1", .Class = ControlClass::TextField, .Left = 225, .Top = 68, .Width = 50, .Height = 22, .TabIndex = 4});
        w.Add({.Name = "GroupBox1", .Class = ControlClass::GroupBox, .Width = 10, .Height = 10, .TabIndex = 5});
        w.Add({.Name = "EditField2", .Class = ControlClass::TextField, .Left = 225, .Top = 40, .Width = 50, .Height = 22, .TabIndex = 7});
    };
    WinA* w = ImplicitInstance<WinA>();
    QWidget* button = w->ControlByName("PushButton1")->Widget();
    QWidget* max = w->ControlByName("EditField1")->Widget();
    QWidget* min = w->ControlByName("EditField2")->Widget();
    EXPECT_EQ(NextTabStop(button), max);
    EXPECT_EQ(NextTabStop(max), min);
    EXPECT_EQ(NextTabStop(min), button);
}

TEST_F(GuiTest, PressOnLabelWithHandlerStaysWithTheLabel)
{
    WinA* w = EmptyWindow();
    auto* link = Make<StaticText>(*w, {.Name = "Link", .Left = 61, .Top = 99, .Width = 300, .Height = 29});
    std::vector<std::pair<int, int>> labelPresses;
    link->MouseDown = [&](int x, int y) {
        labelPresses.emplace_back(x, y);
        return false; // even False keeps the press with the label
    };
    QTest::mouseClick(link->Widget(), Qt::LeftButton, {}, QPoint(4, 6));
    EXPECT_EQ(labelPresses, (std::vector<std::pair<int, int>>{{4, 6}}));
    EXPECT_TRUE(w->presses.empty());
}

// Labels, pictures and group boxes without a handler pass the press on to
// the window, in window coordinates; fields and buttons keep theirs.
TEST_F(GuiTest, PressesWithoutAHandlerReachTheWindowInWindowCoordinates)
{
    WinA* w = EmptyWindow(457, 175);
    Make<GroupBox>(*w, {.Name = "GroupBox1", .Class = ControlClass::GroupBox, .Left = 7, .Top = 7, .Width = 443, .Height = 160});
    auto* inBox = Make<StaticText>(*w, {.Name = "Credits", .Left = 113, .Top = 78, .Width = 329, .Height = 29, .Parent = "GroupBox1"});
    auto* well = Make<ImageWell>(*w, {.Name = "Well", .Class = ControlClass::ImageWell, .Left = 15, .Top = 14, .Width = 93, .Height = 98, .Parent = "GroupBox1"});
    auto* field = Make<TextField>(*w, {.Name = "Field", .Class = ControlClass::TextField, .Left = 200, .Top = 20, .Width = 50, .Height = 22, .Parent = "GroupBox1"});

    QTest::mouseClick(inBox->Widget(), Qt::LeftButton, {}, QPoint(3, 4));
    QTest::mouseClick(well->Widget(), Qt::LeftButton, {}, QPoint(10, 10));
    QTest::mouseClick(w->ControlByName("GroupBox1")->Widget(), Qt::LeftButton, {}, QPoint(1, 150));
    QTest::mouseClick(w->ContentWidget(), Qt::LeftButton, {}, QPoint(2, 170));
    QTest::mouseClick(field->Widget(), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(w->presses, (std::vector<std::pair<int, int>>{{116, 82}, {25, 24}, {8, 157}, {2, 170}}));
}

TEST_F(GuiTest, ReturnPushesTheDefaultButtonFromAField)
{
    int pushed = 0, other = 0;
    WinA::Script().create = [&](Window& win) {
        auto& w = static_cast<WinA&>(win);
        w.Add({.Name = "Field", .Class = ControlClass::TextField, .Width = 50, .Height = 22});
        static_cast<PushButton*>(w.Add({.Name = "Other", .Class = ControlClass::PushButton, .Top = 30, .Width = 50, .Height = 20}))->Action = [&] { ++other; };
        static_cast<PushButton*>(w.Add({.Name = "Go", .Class = ControlClass::PushButton, .Top = 60, .Width = 50, .Height = 20, .Default = true}))->Action = [&] { ++pushed; };
    };
    WinA* w = ImplicitInstance<WinA>();
    EXPECT_TRUE(w->Find<PushButton>("Go")->Default());
    EXPECT_FALSE(w->Find<PushButton>("Other")->Default());
    QTest::keyClick(w->ControlByName("Field")->Widget(), Qt::Key_Return);
    EXPECT_EQ(pushed, 1);
    QTest::keyClick(w->ControlByName("Other")->Widget(), Qt::Key_Return);
    EXPECT_EQ(pushed, 2);
    EXPECT_EQ(other, 0);
    w->Find<PushButton>("Other")->Push();
    EXPECT_EQ(other, 1);
}

TEST_F(GuiTest, ImageWellFitsThePictureKeepingItsShape)
{
    WinA* w = EmptyWindow();
    auto* well = Make<ImageWell>(*w, {.Name = "ImageWell1", .Class = ControlClass::ImageWell, .Width = 93, .Height = 98});
    QImage wide(200, 100, QImage::Format_RGB32);
    wide.fill(Qt::blue);
    well->SetImage(std::make_shared<Picture>(wide));
    const QPixmap shown = static_cast<QLabel*>(well->Widget())->pixmap();
    EXPECT_EQ(shown.size(), QSize(93, 46));
    well->SetImage(nullptr);
    EXPECT_TRUE(static_cast<QLabel*>(well->Widget())->pixmap().isNull());
}
