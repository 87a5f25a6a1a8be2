#pragma once
// Byte texts written the way a hex dump shows them, for readable expectations.
#include <QByteArray>
#include "Text.h"

// "00 4B ff" gives those three bytes; blanks are ignored.
inline String Hex(const char* digits)
{
    return QByteArray::fromHex(digits).toStdString();
}
// The bytes as "00 4B FF", so failures show what differs.
inline std::string Dump(const String& bytes)
{
    return QByteArray::fromStdString(bytes).toHex(' ').toUpper().toStdString();
}
