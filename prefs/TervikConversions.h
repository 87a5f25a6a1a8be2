#pragma once
#include "Text.h"

// A Boolean as a one-byte text.
namespace TervikConversions {

// The byte 01 for true, 00 for false.
String BoolToAscii(bool b);
// False only when the first byte is 00; any other byte, and "", is true.
bool AsciiToBool(const String& s);

} // namespace TervikConversions
