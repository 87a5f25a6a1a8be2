#pragma once
#include <memory>
#include "Text.h"
#include "defaultpreffOnlydata.h"

// The preferences record: the automatic-update flag and the window-location store.
class QuandePrefs {
public:
    bool noautoupdate = false;
    std::shared_ptr<defaultpreffOnlydata> DefaultOnly;

    String ToString() const;
    void PopFromString(const String& s);
    std::shared_ptr<QuandePrefs> Copy() const;
    void Default();
};
