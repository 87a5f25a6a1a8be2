#pragma once
// The 31-byte preferences file as the program writes it from no file or its
// own: the magic "KORVAT", the version "1.0.2", then the payload with
// automatic checks on (byte 23 is 00) or off (01). The fuzz run takes its
// seeds from the two lines below as well.
#include <QByteArray>

inline constexpr const char* GoldenPrefsHex[2] = {
    "00 00 06 4B 4F 52 56 41 54 00 00 05 31 2E 30 2E 32 00 00 0B 00 00 01 00 00 00 04 00 00 01 00",
    "00 00 06 4B 4F 52 56 41 54 00 00 05 31 2E 30 2E 32 00 00 0B 00 00 01 01 00 00 04 00 00 01 00"};

inline QByteArray GoldenPrefs(bool noAutoUpdate)
{
    return QByteArray::fromHex(GoldenPrefsHex[noAutoUpdate]);
}
