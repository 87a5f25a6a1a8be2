#pragma once
// Menu handlers bound by menu-item name, as the application object and each
// window hold them; a later binding of a name replaces the earlier one.
#include <functional>
#include <map>
#include "Text.h"

class MenuHandlers {
public:
    void Add(const String& itemName, std::function<bool()> handler) { byName_[itemName] = std::move(handler); }
    // The handler bound to the name; empty when none is.
    std::function<bool()> Find(const String& itemName) const
    {
        const auto it = byName_.find(itemName);
        return it == byName_.end() ? std::function<bool()>() : it->second;
    }

private:
    std::map<String, std::function<bool()>> byName_;
};
