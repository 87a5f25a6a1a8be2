#include "TervikConversions.h"

namespace TervikConversions {

String BoolToAscii(bool b)
{
    return String(1, b ? '\x01' : '\0');
}

bool AsciiToBool(const String& s)
{
    return s.empty() || s[0] != '\0';
}

} // namespace TervikConversions
