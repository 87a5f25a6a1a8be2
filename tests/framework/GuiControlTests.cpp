// Controls: fonts and line breaks, field lengths, and tab order.
#include <QFontInfo>
#include <QLabel>
#include <QTest>
#include "GuiTestWindows.h"

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
