#include "AboutWin.h"

#include "Desktop.h"
#include "Pictures.h"
#include "SharedConstants.h"
#include "Texts.h"

namespace {

const WindowProperties kProperties{
    .Title = "About The Quandelvorix",
    .Width = 457,
    .Height = 175,
    .Frame = WindowFrame::Document,
    .CentreOnScreen = false,
    .HasBackColor = true,
    .BackColor = 0xFFFF66,
    .Visible = true,
    .MenuBarVisible = true,
    .CloseButton = true,
    .MinimizeButton = true,
    .MaximizeButton = true,
};

using CC = ControlClass;

// Positions are window coordinates, also for the controls inside the group box.
// clang-format off
const ControlRow kControls[] = {
    {.Name = "GroupBox1", .Class = CC::GroupBox, .Left = 7, .Top = 7, .Width = 443, .Height = 160,
     .Text = "", .TextFont = "Geneva", .TextSize = 11, .TabIndex = 3},
    {.Name = "StaticText4", .Class = CC::StaticText, .Left = 113, .Top = 78, .Width = 329, .Height = 29,
     .Text = AboutCredits, .TextFont = "Geneva", .TextSize = 11, .TextAlign = 1, .Multiline = true,
     .TabIndex = 0, .Parent = "GroupBox1"},
    {.Name = "StaticText5", .Class = CC::StaticText, .Left = 78, .Top = 117, .Width = 300, .Height = 20,
     .Text = HomePageURL, .TextFont = "Geneva", .TextSize = 14, .Underline = true, .TextAlign = 1,
     .TextColor = 0x0000FF, .TabIndex = 1, .Parent = "GroupBox1"},
    {.Name = "StaticText6", .Class = CC::StaticText, .Left = 362, .Top = 141, .Width = 80, .Height = 20,
     .Text = "version", .TextFont = "Geneva", .TextSize = 10, .TextAlign = 0, .TabIndex = 2,
     .Parent = "GroupBox1"},
    {.Name = "ImageWell1", .Class = CC::ImageWell, .Left = 15, .Top = 14, .Width = 93, .Height = 98,
     .TabIndex = 3, .Parent = "GroupBox1"},
    {.Name = "StaticText3", .Class = CC::StaticText, .Left = 106, .Top = 141, .Width = 245, .Height = 20,
     .Text = InitialRightsNotice, .TextFont = "Geneva", .TextSize = 11, .TextAlign = 1,
     .TabIndex = 4, .Parent = "GroupBox1"},
    {.Name = "StaticText1", .Class = CC::StaticText, .Left = 113, .Top = 17, .Width = 331, .Height = 30,
     .Text = "Korvat's Random Number Generator", .TextFont = "Geneva", .TextSize = 16, .TextAlign = 1,
     .Multiline = true, .TabIndex = 0},
    {.Name = "StaticText2", .Class = CC::StaticText, .Left = 113, .Top = 48, .Width = 331, .Height = 25,
     .Text = "Used to generate random numbers within a preset range.\r", .TextFont = "Geneva", .TextSize = 11,
     .TextAlign = 1, .Multiline = true, .TabIndex = 1}
};
// clang-format on

} // namespace

void AboutWin::Layout()
{
    ApplyProperties(kProperties);
}

void AboutWin::CreateControls()
{
    CreateControls0();
}

void AboutWin::CreateControls0()
{
    for (const ControlRow& row : kControls) AddControl(row);
    if (auto* icon = Find<ImageWell>("ImageWell1")) icon->SetImage(quandeicon());
    if (auto* link = Find<StaticText>("StaticText5")) {
        link->MouseDown = [this](int x, int y) { return StaticText5_MouseDown(x, y); };
    }
}

void AboutWin::Event_Open()
{
    // The window's own version text, deliberately not built from AppVersion.
    if (auto* version = Find<StaticText>("StaticText6")) version->SetText("Version: 1.0.2");
    if (auto* notice = Find<StaticText>("StaticText3")) notice->SetText(RightsNotice);
}

bool AboutWin::StaticText5_MouseDown(int /*x*/, int /*y*/)
{
    ShowURL(HomePageURL);
    return false;
}

// A press anywhere the window hears of closes it.
bool AboutWin::Event_MouseDown(int /*x*/, int /*y*/)
{
    Close();
    return false;
}

AboutWin* TheAboutWin()
{
    return ImplicitInstance<AboutWin>();
}
