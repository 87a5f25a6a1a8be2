#include "TermsWin.h"

#include "App.h"
#include "Application.h"
#include "SplashWin.h"
#include "Texts.h"

namespace {

const WindowProperties kProperties{
    .Title = "Terms and Conditions",
    .Width = 475,
    .Height = 318,
    .Frame = WindowFrame::Modeless,
    .CentreOnScreen = true,
    .HasBackColor = true,
    .BackColor = 0xFFFFFF,
    .Visible = true,
    .MenuBarVisible = false,
    .CloseButton = false,
    .MinimizeButton = false,
    .MaximizeButton = false,
};

using CC = ControlClass;

// clang-format off
const ControlRow kControls[] = {
    {.Name = "PushButton1", .Class = CC::PushButton, .Left = 386, .Top = 278, .Width = 69, .Height = 20,
     .Text = "Agree", .TextFont = "System", .TextSize = 12, .TabIndex = 0},
    {.Name = "PushButton2", .Class = CC::PushButton, .Left = 282, .Top = 278, .Width = 78, .Height = 20,
     .Text = "Disagree", .TextFont = "System", .TextSize = 12, .TabIndex = 1},
    {.Name = "StaticText2", .Class = CC::StaticText, .Left = 15, .Top = 231, .Width = 441, .Height = 35,
     .Text = TermsNotice, .TextFont = "Geneva", .TextSize = 12, .Bold = true, .TextAlign = 0,
     .TextColor = 0x000000, .Multiline = true, .TabIndex = 2},
    {.Name = "EditField1", .Class = CC::TextArea, .Left = 14, .Top = 14, .Width = 447, .Height = 205,
     .Text = TermsText, .TextFont = "Geneva", .TextSize = 10, .TextColor = 0x000000, .Multiline = true,
     .TabIndex = 3, .ReadOnly = false, .Border = true, .ScrollBarVertical = true, .ScrollBarHorizontal = false,
     .BackColor = 0xFFFFFF}
};
// clang-format on

} // namespace

void TermsWin::Layout()
{
    ApplyProperties(kProperties);
}

void TermsWin::CreateControls()
{
    CreateControls0();
}

void TermsWin::CreateControls0()
{
    for (const ControlRow& row : kControls) AddControl(row);
    if (auto* agree = Find<PushButton>("PushButton1")) agree->Action = [this] { PushButton1_Action(); };
    if (auto* disagree = Find<PushButton>("PushButton2")) disagree->Action = [this] { PushButton2_Action(); };
}

void TermsWin::PushButton1_Action()
{
    if (App* app = TheApp()) app->TermsAgreed = true;
    TheSplashWin()->Show();
    TheTermsWin()->Close();
}

void TermsWin::PushButton2_Action()
{
    Quit(0);
}

TermsWin* TheTermsWin()
{
    return ImplicitInstance<TermsWin>();
}
