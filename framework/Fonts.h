#pragma once
// The font names the windows' tables use ("Geneva", "New York", "System"),
// mapped to installed fonts. The tables' layouts count a point as a pixel,
// so a size N is drawn N pixels high and every text fits where it was laid.
#include <QFont>
#include "Text.h"

QString FontFamilyFor(const String& name);
QFont FontFor(const String& name, int size, bool bold, bool italic, bool underline);
