#pragma once
#include <cstddef>
#include <cstdint>
#include "Text.h"

// Conversions between whole numbers, bit texts ("0"/"1", most significant
// first) and big-endian base-256 byte texts, and the length field: a 3-byte
// big-endian length followed by that many bytes, the framing of every text
// the preferences store keeps.
namespace BinaryMod {

// The largest content a 3-byte header can describe.
inline constexpr int32_t MaxLenFieldContent = 0xFFFFFF;

// Whole groups of 8 digits; "" for n < 0.
String DecimalToBinary(int32_t n);
// Any character other than "0" counts as a one. A value beyond 2^31 - 1
// (a one at the 32nd place from the right or further left) gives 2^31 - 1.
int32_t BinaryToDecimal(const String& s);
// One byte per group of 8 digits from the left; a shorter last group is
// read as the number it spells.
String BinaryToAscii(const String& s);
// Big-endian base-256 value of the bytes; 0 for ""; beyond 2^31 - 1 gives 2^31 - 1.
int32_t AsciiToDecimal(const String& s);
// Base-256 digits without leading zero bytes; 0 gives one 00 byte; "" for n < 0.
String DecimalToAscii(int32_t n);
// A content longer than MaxLenFieldContent is cut to that length, so the
// result is always one field that nthLenField reads back.
String MakeLenField(const String& s);
// Content of field n (from 1) of a field sequence; "" when there is none.
// A content running past the end is cut at the end.
String nthLenField(const String& s, int32_t n);
// For readers that take every field in turn: yields the content of the field
// whose header begins at offset (0-based) and moves offset past it; once no
// field is left it yields "" and leaves offset where it is. Walking a sequence
// with it gives the same contents as nthLenField for 1, 2, 3..., in linear time.
String NextLenField(const String& s, size_t& offset);

} // namespace BinaryMod
