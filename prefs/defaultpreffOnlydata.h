#pragma once
#include "Text.h"

// The window-location store kept inside the preferences record.
class defaultpreffOnlydata {
public:
    StringArray DefaultOnlyPaths;

    String ToString() const;
    void PopFromString(const String& s);
    void SaveWindowLocation(int32_t n, const String& location);
    String GetWindowLocation(int32_t n);
    String MakeWinLocationString(bool flag, int32_t first, int32_t second) const;
};
