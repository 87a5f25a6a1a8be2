#include "UpDateWin.h"

#include <vector>
#include "Controls.h"
#include "Desktop.h"
#include "SharedConstants.h"

namespace {
const WindowProperties WindowTable{
    .Title = "Check for Update",
    .Width = 322,
    .Height = 325,
    .Frame = WindowFrame::Document,
    .HasBackColor = true,
    .BackColor = 0xFFFFFF,
    .Visible = true,
    .MenuBarVisible = true,
    .CloseButton = true,
    .MinimizeButton = false,
    .MaximizeButton = false,
};

constexpr auto Group = ControlClass::GroupBox;
constexpr auto Popup = ControlClass::PopupMenu;
constexpr auto Label = ControlClass::StaticText;
constexpr auto Button = ControlClass::PushButton;

// Creation order; positions are window coordinates, also inside GroupBox1.
// clang-format off
const std::vector<ControlRow> ControlTable{
    {.Name = "GroupBox1", .Class = Group, .Left = 9, .Top = 7, .Width = 304, .Height = 308,
     .Text = "Versions Available for Download", .TextFont = "Geneva", .TextSize = 12,
     .TabIndex = 0, .Parent = ""},
    {.Name = "PopupMenu1", .Class = Popup, .Left = 20, .Top = 94, .Width = 150, .Height = 22,
     .Text = "Select one....", .TextFont = "New York", .TextSize = 12,
     .TabIndex = 0, .Parent = "GroupBox1", .ListIndex = 0},
    {.Name = "StaticText2", .Class = Label, .Left = 25, .Top = 152, .Width = 272, .Height = 121,
     .Text = "", .TextFont = "Geneva", .TextSize = 11, .TextAlign = 0, .Multiline = true,
     .TabIndex = 1, .Parent = "GroupBox1"},
    {.Name = "PushButton1", .Class = Button, .Left = 202, .Top = 94, .Width = 100, .Height = 22,
     .Text = "Download", .TextFont = "New York", .TextSize = 12,
     .TabIndex = 2, .Parent = "GroupBox1", .Default = true, .Cancel = false},
    {.Name = "StaticText1", .Class = Label, .Left = 20, .Top = 32, .Width = 285, .Height = 50,
     .Text = "Select a version to download from the pull down menu and then click the "
             "\"Download\" button, your browser will open and download it.",
     .TextFont = "Geneva", .TextSize = 11, .TextAlign = 0, .Multiline = true,
     .TabIndex = 3, .Parent = "GroupBox1"},
    {.Name = "GroupBox2", .Class = Group, .Left = 20, .Top = 128, .Width = 282, .Height = 153,
     .Text = "Information about the version selected:", .TextFont = "Geneva", .TextSize = 12,
     .TabIndex = 4, .Parent = "GroupBox1"},
    {.Name = "StaticText3", .Class = Label, .Left = 226, .Top = 286, .Width = 73, .Height = 20,
     .Text = "No Version !", .TextFont = "Geneva", .TextSize = 12, .TextAlign = 0, .Multiline = false,
     .TabIndex = 5, .Parent = "GroupBox1"},
    {.Name = "StaticText4", .Class = Label, .Left = 15, .Top = 286, .Width = 204, .Height = 20,
     .Text = "You are currently using version:", .TextFont = "Geneva", .TextSize = 12,
     .TextAlign = 2, .Multiline = false, .TabIndex = 6, .Parent = "GroupBox1"}
};
// clang-format on
} // namespace

UpDateWin* TheUpDateWin()
{
    return ImplicitInstance<UpDateWin>();
}

void UpDateWin::Layout()
{
    ApplyProperties(WindowTable);
}

void UpDateWin::CreateControls()
{
    CreateControls0();
}

void UpDateWin::CreateControls0()
{
    // Every control gets all its properties before any handler is bound, so
    // making the window runs none of them.
    for (const ControlRow& row : ControlTable) AddControl(row);
    Find<PopupMenu>("PopupMenu1")->Change = [this] { PopupMenu1_Change(); };
    Find<PushButton>("PushButton1")->Action = [this] { PushButton1_Action(); };
}

void UpDateWin::AddMenuHandlers()
{
    // No menu item bears this name; the binding is kept for a bar that might.
    AddMenuHandler("EditCloseWindow", [this] { return EditCloseWindow_Action(); });
}

void UpDateWin::Event_Open()
{
    Find<StaticText>("StaticText3")->SetText(AppVersion);
}

void UpDateWin::PopupMenu1_Change()
{
    int k = Find<PopupMenu>("PopupMenu1")->ListIndex();
    if (k == -1 || !updata) return;
    // The arrays and the rows correspond; a read outside a bound yields "".
    if (updata->newurl.Ubound() > 0) CurentHttp = updata->newurl(k + 1);
    if (updata->Updateinfo.Ubound() > 0) Find<StaticText>("StaticText2")->SetText(updata->Updateinfo(k + 1));
}

void UpDateWin::PushButton1_Action()
{
    ShowURL(CurentHttp);
}

bool UpDateWin::EditCloseWindow_Action()
{
    Close();
    return false;
}

void UpDateWin::displaydata()
{
    if (!updata) return;
    PopupMenu* popup = Find<PopupMenu>("PopupMenu1");
    popup->DeleteAllRows();
    for (int32_t i = 1; i <= updata->OS.Ubound(); ++i) popup->AddRow(updata->OS(i));
    popup->SetListIndex(0);
    // Record 1 is stored here as well, whether or not the popup raised Change.
    if (updata->newurl.Ubound() > 0) CurentHttp = updata->newurl(1);
    if (updata->Updateinfo.Ubound() > 0) Find<StaticText>("StaticText2")->SetText(updata->Updateinfo(1));
}
