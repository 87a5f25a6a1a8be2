#pragma once
#include <functional>
#include "Text.h"

// The handler a choice of the item named so would run now: the frontmost
// window's, else the application's; empty when neither binds the name.
std::function<bool()> BoundMenuHandler(const String& itemName);
