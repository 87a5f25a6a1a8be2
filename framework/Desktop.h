#pragma once
#include "Text.h"

// A modal message box with one button.
void MsgBox(const String& text);
// Opens an http or https address with a host in the default browser,
// through the desktop's opener and without a shell, once the blanks, CRs
// and LFs around it are trimmed. Anything else does nothing.
void ShowURL(const String& address);
