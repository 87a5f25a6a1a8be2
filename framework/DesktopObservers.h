#pragma once
// Where the test seams of Testing.h keep the observers that MsgBox and
// ShowURL call in place of a modal box or the browser.
#include <functional>
#include "Text.h"

std::function<void(const String&)>& MsgBoxObserver();
std::function<void(const String&, bool)>& ShowURLObserver();
