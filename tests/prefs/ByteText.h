#pragma once
// Byte texts written the way a hex dump shows them, for readable expectations.
#include <cstdio>
#include <string>
#include "Text.h"

// "00 4B ff" gives those three bytes; blanks are ignored.
inline String Hex(const std::string& digits) {
    String bytes;
    int pending = -1;
    for (char c : digits) {
        if (c == ' ') continue;
        const int nibble = (c <= '9') ? c - '0' : (c | 0x20) - 'a' + 10;
        if (pending < 0) {
            pending = nibble;
        } else {
            bytes.push_back(static_cast<char>(pending * 16 + nibble));
            pending = -1;
        }
    }
    return bytes;
}

// The bytes as "00 4B FF", so failures show what differs.
inline std::string Dump(const String& bytes) {
    std::string out;
    char part[4];
    for (unsigned char b : bytes) {
        std::snprintf(part, sizeof part, "%02X ", b);
        out += part;
    }
    return out;
}
