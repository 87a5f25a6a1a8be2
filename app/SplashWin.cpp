#include "SplashWin.h"

#include "App.h"
#include "Desktop.h"
#include "Pictures.h"
#include "SharedConstants.h"
#include "Texts.h"

namespace {

const WindowProperties kProperties{
    .Title = "",
    .Width = 423,
    .Height = 241,
    .Frame = WindowFrame::Plain,
    .CentreOnScreen = true,
    .HasBackColor = true,
    .BackColor = 0xBEC889,
    .Visible = true,
    .MenuBarVisible = false,
    .CloseButton = false,
    .MinimizeButton = false,
    .MaximizeButton = false,
};

using CC = ControlClass;

// clang-format off
const ControlRow kControls[] = {
    {.Name = "StaticText1", .Class = CC::StaticText, .Left = 11, .Top = 152, .Width = 400, .Height = 37,
     .Text = SplashCredits, .TextFont = "Geneva", .TextSize = 12, .Bold = true, .TextAlign = 1,
     .TextColor = 0x000000, .Multiline = true, .TabIndex = 0},
    {.Name = "StaticText2", .Class = CC::StaticText, .Left = 12, .Top = 194, .Width = 400, .Height = 20,
     .Text = InitialRightsNotice, .TextFont = "Geneva", .TextSize = 10, .Italic = true, .TextAlign = 1,
     .TextColor = 0x000000, .TabIndex = 1},
    {.Name = "StaticText3", .Class = CC::StaticText, .Left = 61, .Top = 99, .Width = 300, .Height = 29,
     .Text = "Visit the Quandelvorix Web Site", .TextFont = "Geneva", .TextSize = 16, .Bold = true,
     .Underline = true, .TextAlign = 1, .TextColor = 0x1822CD, .TabIndex = 2},
    {.Name = "StaticText4", .Class = CC::StaticText, .Left = 13, .Top = 22, .Width = 396, .Height = 31,
     .Text = "Korvat's Random Number Generator", .TextFont = "New York", .TextSize = 18, .Bold = true,
     .TextAlign = 1, .TextColor = 0xFF0A12, .Multiline = true, .TabIndex = 3},
    {.Name = "StaticText5", .Class = CC::StaticText, .Left = 13, .Top = 53, .Width = 397, .Height = 37,
     .Text = "A Simple Random Number Generator", .TextFont = "Geneva", .TextSize = 14, .Underline = true,
     .TextAlign = 1, .TextColor = 0xFF0519, .Multiline = true, .TabIndex = 4},
    {.Name = "StaticText6", .Class = CC::StaticText, .Left = 363, .Top = 216, .Width = 45, .Height = 18,
     .Text = "", .TextFont = "Geneva", .TextSize = 10, .TextAlign = 0, .TextColor = 0x000000, .TabIndex = 5},
    {.Name = "StaticText7", .Class = CC::StaticText, .Left = 11, .Top = 216, .Width = 320, .Height = 18,
     .Text = "Loading...", .TextFont = "New York", .TextSize = 11, .TextAlign = 0, .TextColor = 0x000000,
     .TabIndex = 7}
};
// clang-format on

const int kHandOverAfterMs = 4000;

} // namespace

void SplashWin::Layout()
{
    SetBackdrop(brackwaterbackground());
    ApplyProperties(kProperties);
}

void SplashWin::CreateControls()
{
    CreateControls0();
}

void SplashWin::CreateControls0()
{
    for (const ControlRow& row : kControls) AddControl(row);
    if (auto* link = Find<StaticText>("StaticText3")) {
        link->MouseDown = [this](int x, int y) { return StaticText3_MouseDown(x, y); };
    }
    Timer* timer1 = AddTimer();
    timer1->SetMode(Timer::ModeSingle);
    timer1->SetPeriod(kHandOverAfterMs);
    timer1->Action = [this] { Timer1_Action(); };
}

void SplashWin::Event_Open()
{
    if (auto* version = Find<StaticText>("StaticText6")) version->SetText(AppVersion);
    if (auto* notice = Find<StaticText>("StaticText2")) notice->SetText(RightsNotice);
}

// Every trigger hands over; the application continues the start-up only once.
// While the run is ending the application object may already be gone.
void SplashWin::HandOver()
{
    if (App* app = TheApp()) app->StartupAfterSplash();
}

void SplashWin::Timer1_Action()
{
    HandOver();
}

void SplashWin::Event_Close()
{
    HandOver();
}

bool SplashWin::Event_MouseDown(int /*x*/, int /*y*/)
{
    HandOver();
    return false;
}

bool SplashWin::StaticText3_MouseDown(int /*x*/, int /*y*/)
{
    ShowURL(HomePageURL);
    return false;
}

SplashWin* TheSplashWin()
{
    return ImplicitInstance<SplashWin>();
}
