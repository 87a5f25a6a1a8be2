#pragma once
#include <QKeySequence>
#include "Text.h"

// "Cmd+Q" style: Cmd is the platform's command modifier, Ctrl here; Option is
// Alt. An empty text is no shortcut.
QKeySequence MenuShortcut(const String& shortcut);
