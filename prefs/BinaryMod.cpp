#include "BinaryMod.h"
#include <algorithm>

namespace BinaryMod {

namespace {

// Where one field of a sequence lies: its content and the next header.
struct FieldSpan {
    bool present = false;
    size_t contentStart = 0;
    size_t contentLength = 0;
    size_t next = 0;
};

// A header needs at least two bytes left to count as a field; a lone last
// byte is no field, two bytes make a field with empty content.
FieldSpan SpanAt(const String& s, size_t offset)
{
    FieldSpan span;
    if (offset >= s.size() || s.size() - offset < 2) return span;
    const int32_t length = AsciiToDecimal(s.substr(offset, 3));
    span.present = true;
    span.contentStart = std::min(offset + 3, s.size());
    span.contentLength = std::min(static_cast<size_t>(length), s.size() - span.contentStart);
    span.next = offset + 3 + static_cast<size_t>(length);
    return span;
}

} // namespace

String DecimalToBinary(int32_t n)
{
    if (n < 0) return String();
    const uint32_t value = static_cast<uint32_t>(n);
    int groups = 1;
    for (uint32_t rest = value; rest > 0xFF; rest >>= 8) ++groups;
    const int digits = 8 * groups;
    String bits(static_cast<size_t>(digits), '0');
    for (int i = 0; i < digits; ++i) {
        if ((value >> i) & 1u) bits[static_cast<size_t>(digits - 1 - i)] = '1';
    }
    return bits;
}

int32_t BinaryToDecimal(const String& s)
{
    uint32_t value = 0;
    const size_t count = s.size();
    for (size_t k = 0; k < count; ++k) {
        if (s[count - 1 - k] == '0') continue;
        // A one at 2^31 or above leaves the range of a whole number: the
        // value saturates instead of wrapping into the negatives.
        if (k >= 31) return INT32_MAX;
        value += uint32_t{1} << k;
    }
    return static_cast<int32_t>(value);
}

String BinaryToAscii(const String& s)
{
    String bytes;
    bytes.reserve(s.size() / 8 + 1);
    for (size_t start = 0; start < s.size(); start += 8) {
        // A group holds at most 8 digits, so its value fits one byte.
        bytes.push_back(static_cast<char>(BinaryToDecimal(s.substr(start, 8))));
    }
    return bytes;
}

int32_t AsciiToDecimal(const String& s)
{
    // The same value as reading the joined 8-digit groups of every byte as
    // one bit text, without building a text eight times the size of s: a
    // header or count read from a damaged file may be megabytes long.
    size_t first = 0;
    while (first < s.size() && s[first] == '\0') ++first;
    const size_t significant = s.size() - first;
    if (significant == 0) return 0;
    const auto lead = static_cast<unsigned char>(s[first]);
    if (significant > 4 || (significant == 4 && lead >= 0x80)) return INT32_MAX;
    uint32_t value = 0;
    for (size_t i = first; i < s.size(); ++i) value = (value << 8) | static_cast<unsigned char>(s[i]);
    return static_cast<int32_t>(value);
}

String DecimalToAscii(int32_t n)
{
    return BinaryToAscii(DecimalToBinary(n));
}

String MakeLenField(const String& s)
{
    const size_t length = std::min(s.size(), static_cast<size_t>(MaxLenFieldContent));
    String header = DecimalToAscii(static_cast<int32_t>(length));
    header.insert(0, 3 - header.size(), '\0');
    String field;
    field.reserve(3 + length);
    field += header;
    field.append(s, 0, length);
    return field;
}

String nthLenField(const String& s, int32_t n)
{
    size_t offset = 0;
    for (int32_t k = 1; k <= n; ++k) {
        const FieldSpan span = SpanAt(s, offset);
        if (!span.present) break;
        if (k == n) return s.substr(span.contentStart, span.contentLength);
        offset = span.next;
    }
    return String();
}

String NextLenField(const String& s, size_t& offset)
{
    const FieldSpan span = SpanAt(s, offset);
    if (!span.present) return String();
    offset = span.next;
    return s.substr(span.contentStart, span.contentLength);
}

} // namespace BinaryMod
