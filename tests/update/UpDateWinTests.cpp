// The update window on real widgets: choosing a row, refilling, reopening,
// and notes and titles too long for their controls.
#include <QApplication>
#include <QScrollBar>
#include <QWheelEvent>
#include "ElidingComboBox.h"
#include "UpdateList.h"
#include "UpdateTestKit.h"

namespace {

using Record = std::vector<String>; // title, address, information

// Shows the window filled with the records, as a received list does.
UpDateWin* Filled(const std::vector<Record>& records)
{
    String page;
    for (const Record& r : records) page += (page.empty() ? "" : "----\r\n") + r[0] + "\n" + r[1] + "\n" + r[2];
    TheUpDateWin()->Show();
    TheUpDateWin()->updata = ParseUpdateList(page).info;
    TheUpDateWin()->displaydata();
    return TheUpDateWin();
}

// Row -1 (nothing chosen) keeps the record chosen before; a new list
// replaces the rows. A closed window comes back fresh; no list, or an empty
// one, leaves nothing to download. (Filling from a fetched list, choosing
// and downloading run in the application's update flow.)
TEST(UpDateWin, ChooseRefillAndReopen)
{
    ObservedEffects seen;
    UpDateWin* w = Filled({{"1.2.0 Newest", "http://dl.example.test/120.zip", "Info one."},
                           {"1.1.0 Newer", "https://dl.example.test/110.zip", "Info two."}});
    Popup(w)->SetListIndex(1);
    Popup(w)->SetListIndex(-1);
    EXPECT_EQ(InfoText(w), "Info two.");
    w->Find<PushButton>("PushButton1")->Push();
    EXPECT_EQ(seen.urls, std::vector<String>{"https://dl.example.test/110.zip"});
    EXPECT_EQ(Filled({{"2.0.0 Major", "http://dl.example.test/200.zip", "Big."}}), w);
    EXPECT_EQ(Rows(w), std::vector<String>{"2.0.0 Major"});
    EXPECT_EQ(InfoText(w), "Big.");

    w->Close();
    testing_seams::Pump(0);
    EXPECT_EQ(OpenUpdateWindow(), nullptr);
    w = TheUpDateWin();
    EXPECT_EQ(Rows(w), std::vector<String>{"Select one...."});
    EXPECT_EQ(w->Find<StaticText>("StaticText3")->Text(), AppVersion);
    w->displaydata();
    Popup(w)->SetListIndex(0);
    EXPECT_EQ(Filled({}), w);
    EXPECT_EQ(Rows(w), std::vector<String>{});
    EXPECT_EQ(InfoText(w), "");
    seen.urls.clear();
    w->Find<PushButton>("PushButton1")->Push();
    EXPECT_EQ(seen.urls, std::vector<String>{});
    EXPECT_EQ(seen.refused, std::vector<String>{""});
}

// Notes taller than their label scroll, by the wheel, down to their last
// line; a title wider than the closed popup ends in "…", while the row keeps
// its whole title.
TEST(UpDateWin, LongNotesScrollToTheEndAndLongTitlesEndInAnEllipsis)
{
    ObservedEffects effects; // also closes the window at the end
    String sixteen;
    for (int i = 1; i <= 16; ++i) sixteen += "Note line " + Str(i) + (i < 16 ? "\r" : "");
    const String title = "1.1.0 " + String(54, 'W');
    UpDateWin* w = Filled({{title, "http://dl.example.test/110.zip", sixteen}, {"1.0.2 Short", "u", "One line."}});
    testing_seams::Pump(50);

    QWidget* notes = w->Find<StaticText>("StaticText2")->Widget();
    QScrollBar* bar = notes->findChild<QScrollBar*>();
    ASSERT_TRUE(bar->isVisible());
    const QPoint inside = notes->rect().center();
    for (int i = 0; i < 40; ++i) {
        QWheelEvent down(inside, notes->mapToGlobal(inside), {}, {0, -120}, Qt::NoButton, {}, Qt::NoScrollPhase, false);
        QApplication::sendEvent(notes, &down);
    }
    EXPECT_EQ(bar->value(), bar->maximum());
    EXPECT_GE(bar->maximum() + notes->height(), 16 * notes->fontMetrics().lineSpacing())
        << "the last line lies within reach";

    // Painted as shown: the same popup given the elided title looks the same.
    auto* combo = static_cast<ElidingComboBox*>(Popup(w)->Widget());
    const QString shown = combo->ShownText();
    EXPECT_TRUE(shown.endsWith(QChar(0x2026))) << shown.toStdString();
    const QImage painted = combo->grab().toImage();
    combo->setItemText(0, shown);
    EXPECT_EQ(combo->grab().toImage(), painted) << "the whole title painted";
    combo->setItemText(0, QString::fromStdString(title));
    EXPECT_EQ(Popup(w)->List(0), title);

    Popup(w)->SetListIndex(1);
    EXPECT_FALSE(bar->isVisible()) << "notes that fit show no bar";
    // Notes that fill the label at its whole width fit, though they would not
    // in the width a bar leaves: their last line ends close to the edge, and
    // a line break after it shows nothing.
    const QFontMetrics metrics = notes->fontMetrics();
    const QRect area = notes->contentsRect();
    String filling;
    for (int i = 1; i < (area.height() + metrics.descent()) / metrics.lineSpacing(); ++i) filling += "x\r";
    String last = "ab";
    while (metrics.horizontalAdvance(QString::fromStdString(last + " ab")) < area.width() - 1) last += " ab";
    while (metrics.horizontalAdvance(QString::fromStdString(last + "b")) < area.width() - 1) last += "b";
    w->Find<StaticText>("StaticText2")->SetText(filling + last + "\r");
    EXPECT_FALSE(bar->isVisible()) << "notes that fill the label show no bar";
    EXPECT_EQ(combo->ShownText(), "1.0.2 Short");
}

} // namespace
