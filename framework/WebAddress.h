#pragma once
#include "Text.h"

// True for an address the browser may be given: an http or https scheme
// (any case), a non-empty host and nothing a strict parser refuses.
bool IsWebAddress(const String& address);
