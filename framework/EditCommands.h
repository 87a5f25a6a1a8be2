#pragma once
// The Edit menu's items, which the system binds no handler to, act on the
// focused text field or text area of the frontmost window.
#include "Text.h"

bool IsEditCommand(const String& itemName); // EditUndo, EditCut, EditCopy, EditPaste, EditClear
bool CanEdit(const String& itemName);       // the focused field can do it now
bool DoEdit(const String& itemName);        // does it when it can; true when done
