#pragma once
// The original's font names on this platform. Sizes were points at 72 per
// inch, so a size N is drawn N pixels high.
#include <QFont>
#include "Text.h"

QString FontFamilyFor(const String& name);
QFont FontFor(const String& name, int size, bool bold, bool italic, bool underline);
