#pragma once
#include "Text.h"

// A modal message box with one button.
void MsgBox(const String& text);
// Opens an http or https address in the default browser, through the
// desktop's opener and without a shell. Anything else does nothing.
void ShowURL(const String& address);
