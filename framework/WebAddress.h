#pragma once
#include "Text.h"

// The address without the blanks, CRs and LFs around it: an address read
// from a file or the network often carries its line end along.
String TrimAddress(const String& address);

// True for an address the browser may be given: an http or https scheme
// (any case), a non-empty host and nothing a strict parser refuses.
bool IsWebAddress(const String& address);
