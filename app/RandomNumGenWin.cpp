#include "RandomNumGenWin.h"

#include <algorithm>
#include "MenuBar1.h"
#include "Random.h"
#include "Text.h"

namespace {

const WindowProperties kProperties{
    .Title = "Random Number Generator",
    .Width = 299,
    .Height = 209,
    .Frame = WindowFrame::Document,
    .CentreOnScreen = false,
    .HasBackColor = false,
    .BackColor = 0xFFFFFF,
    .Visible = false, // shown only when the splash hands over
    .MenuBarVisible = true,
    .CloseButton = true,
    .MinimizeButton = false,
    .MaximizeButton = false,
};

using CC = ControlClass;

constexpr int kResultWidth = 80;
// The lower box's frame line and a pixel of air, inside its right edge.
constexpr int kBoxFrame = 3;

// Tab order is the creation order, so the maximum field comes before the minimum one.
// clang-format off
const ControlRow kControls[] = {
    {.Name = "StaticText1", .Class = CC::StaticText, .Left = 154, .Top = 158, .Width = kResultWidth, .Height = 20,
     .Text = "", .TextFont = "Geneva", .TextSize = 12, .Bold = true, .TextAlign = 0, .TabIndex = 0},
    {.Name = "PushButton1", .Class = CC::PushButton, .Left = 49, .Top = 112, .Width = 200, .Height = 20,
     .Text = "Generate Random Number", .TextFont = "Geneva", .TextSize = 12, .TabIndex = 1, .Default = true},
    {.Name = "StaticText2", .Class = CC::StaticText, .Left = 75, .Top = 158, .Width = 68, .Height = 20,
     .Text = "Number:", .TextFont = "Geneva", .TextSize = 12, .TextAlign = 2, .TabIndex = 2},
    {.Name = "StaticText3", .Class = CC::StaticText, .Left = 19, .Top = 69, .Width = 195, .Height = 20,
     .Text = "Set Maximum Number Possible:", .TextFont = "Geneva", .TextSize = 12, .TextAlign = 2, .TabIndex = 3},
    {.Name = "EditField1", .Class = CC::TextField, .Left = 225, .Top = 68, .Width = 50, .Height = 22,
     .Text = "40", .TextFont = "Geneva", .TextSize = 12, .TabIndex = 4},
    {.Name = "GroupBox1", .Class = CC::GroupBox, .Left = 53, .Top = 146, .Width = 193, .Height = 45,
     .Text = "", .TextFont = "Geneva", .TextSize = 12, .TabIndex = 5},
    {.Name = "StaticText4", .Class = CC::StaticText, .Left = 19, .Top = 41, .Width = 195, .Height = 20,
     .Text = "Set Minimum Number Possible:", .TextFont = "Geneva", .TextSize = 12, .TextAlign = 2, .TabIndex = 6},
    {.Name = "EditField2", .Class = CC::TextField, .Left = 225, .Top = 40, .Width = 50, .Height = 22,
     .Text = "1", .TextFont = "Geneva", .TextSize = 12, .TabIndex = 7},
    {.Name = "GroupBox2", .Class = CC::GroupBox, .Left = 9, .Top = 14, .Width = 281, .Height = 87,
     .Text = "Range Selection:", .TextFont = "Geneva", .TextSize = 12, .TabIndex = 8}
};
// clang-format on

} // namespace

void RandomNumGenWin::Layout()
{
    SetMenuBar(TheMenuBar1());
    ApplyProperties(kProperties);
}

void RandomNumGenWin::CreateControls()
{
    CreateControls0();
}

void RandomNumGenWin::CreateControls0()
{
    for (const ControlRow& row : kControls) AddControl(row);
    if (auto* button = Find<PushButton>("PushButton1")) button->Action = [this] { PushButton1_Action(); };
}

void RandomNumGenWin::PushButton1_Action()
{
    generaterandom();
}

void RandomNumGenWin::generaterandom()
{
    auto* minField = Find<TextField>("EditField2");
    auto* maxField = Find<TextField>("EditField1");
    auto* result = Find<StaticText>("StaticText1");
    if (!minField || !maxField || !result) return;
    // Whatever is typed counts: no number reads as 0, and bounds beyond
    // 32 bits are held at the nearest limit by the conversion.
    const int32_t minimum = ToInteger(Val(minField->Text()));
    const int32_t maximum = ToInteger(Val(maxField->Text()));
    Random random;
    result->SetText(Str(random.InRange(minimum, maximum)));
    FitResult(*result);
}

// Ten and more characters are wider than the label's 80 pixels in bold: the
// label then grows to the right, as far as the box around it allows, and
// takes its own width again for a number that fits it.
void RandomNumGenWin::FitResult(StaticText& result)
{
    const auto* box = Find<GroupBox>("GroupBox1");
    const int room = box ? box->Left() + box->Width() - kBoxFrame - result.Left() : kResultWidth;
    result.SetWidth(std::clamp(result.TextWidth(), kResultWidth, std::max(room, kResultWidth)));
}

std::shared_ptr<MenuItem> RandomNumGenWin::Item(const char* name) const
{
    std::shared_ptr<MenuBar> bar = GetMenuBar();
    return bar ? bar->Lookup(name) : nullptr;
}

std::shared_ptr<MenuItem> RandomNumGenWin::WebMenu() const
{
    return Item("WebMenu");
}
std::shared_ptr<MenuItem> RandomNumGenWin::WebDonate5() const
{
    return Item("WebDonate5");
}
std::shared_ptr<MenuItem> RandomNumGenWin::UntitledMenu0() const
{
    return Item("UntitledMenu0");
}
std::shared_ptr<MenuItem> RandomNumGenWin::WebVisittheBrackwaterWebSite() const
{
    return Item("WebVisittheBrackwaterWebSite");
}
std::shared_ptr<MenuItem> RandomNumGenWin::UntitledMenu1() const
{
    return Item("UntitledMenu1");
}
std::shared_ptr<MenuItem> RandomNumGenWin::WebAutoUpdateCheck() const
{
    return Item("WebAutoUpdateCheck");
}
std::shared_ptr<MenuItem> RandomNumGenWin::WebCheckforupdatenow() const
{
    return Item("WebCheckforupdatenow");
}
std::shared_ptr<MenuItem> RandomNumGenWin::NumGenMenu() const
{
    return Item("NumGenMenu");
}
std::shared_ptr<MenuItem> RandomNumGenWin::NumberGeneratorRandomNumberGenerator() const
{
    return Item("NumberGeneratorRandomNumberGenerator");
}
std::shared_ptr<MenuItem> RandomNumGenWin::EditMenu() const
{
    return Item("EditMenu");
}
std::shared_ptr<MenuItem> RandomNumGenWin::EditClear() const
{
    return Item("EditClear");
}
std::shared_ptr<MenuItem> RandomNumGenWin::EditPaste() const
{
    return Item("EditPaste");
}
std::shared_ptr<MenuItem> RandomNumGenWin::EditCopy() const
{
    return Item("EditCopy");
}
std::shared_ptr<MenuItem> RandomNumGenWin::EditCut() const
{
    return Item("EditCut");
}
std::shared_ptr<MenuItem> RandomNumGenWin::UntitledMenu2() const
{
    return Item("UntitledMenu2");
}
std::shared_ptr<MenuItem> RandomNumGenWin::EditUndo() const
{
    return Item("EditUndo");
}
std::shared_ptr<MenuItem> RandomNumGenWin::FileMenu() const
{
    return Item("FileMenu");
}
std::shared_ptr<QuitMenuItem> RandomNumGenWin::FileQuit() const
{
    return std::dynamic_pointer_cast<QuitMenuItem>(Item("FileQuit"));
}
std::shared_ptr<MenuItem> RandomNumGenWin::FileAbout() const
{
    return Item("FileAbout");
}
std::shared_ptr<MenuItem> RandomNumGenWin::UntitledMenu3() const
{
    return Item("UntitledMenu3");
}

RandomNumGenWin* TheRandomNumGenWin()
{
    return ImplicitInstance<RandomNumGenWin>();
}
