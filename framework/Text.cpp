#include "Text.h"

#include <charconv>
#include <cmath>
#include <limits>

namespace {

int32_t ClampToInt32(size_t n)
{
    constexpr auto kMax = static_cast<size_t>(std::numeric_limits<int32_t>::max());
    return n > kMax ? std::numeric_limits<int32_t>::max() : static_cast<int32_t>(n);
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

} // namespace

int32_t Len(const String& s)
{
    return ClampToInt32(s.size());
}

String Mid(const String& s, int32_t start, int32_t length)
{
    if (length <= 0) return String();
    const size_t from = start < 1 ? 0 : static_cast<size_t>(start) - 1;
    if (from >= s.size()) return String();
    return s.substr(from, static_cast<size_t>(length));
}

std::vector<std::string_view> SplitFieldViews(std::string_view s, std::string_view sep)
{
    std::vector<std::string_view> fields;
    if (s.empty()) return fields;
    if (sep.empty()) {
        fields.push_back(s);
        return fields;
    }
    size_t from = 0;
    for (;;) {
        const size_t at = s.find(sep, from);
        if (at == std::string_view::npos) {
            fields.push_back(s.substr(from));
            return fields;
        }
        fields.push_back(s.substr(from, at - from));
        from = at + sep.size();
    }
}

int32_t CountFields(const String& s, const String& sep)
{
    if (s.empty()) return 0;
    if (sep.empty()) return 1;
    size_t count = 1;
    for (size_t at = s.find(sep); at != String::npos; at = s.find(sep, at + sep.size())) ++count;
    return ClampToInt32(count);
}

std::string_view NthFieldView(std::string_view s, std::string_view sep, int32_t n)
{
    if (n < 1 || s.empty()) return {};
    if (sep.empty()) return n == 1 ? s : std::string_view();
    size_t from = 0;
    for (int32_t field = 1; field < n; ++field) {
        const size_t at = s.find(sep, from);
        if (at == std::string_view::npos) return {};
        from = at + sep.size();
    }
    const size_t end = s.find(sep, from);
    return s.substr(from, end == std::string_view::npos ? std::string_view::npos : end - from);
}

std::string_view NextField(std::string_view& rest, std::string_view sep)
{
    const size_t at = sep.empty() ? std::string_view::npos : rest.find(sep);
    const std::string_view field = rest.substr(0, at);
    rest = at == std::string_view::npos ? std::string_view() : rest.substr(at + sep.size());
    return field;
}

String NthField(const String& s, const String& sep, int32_t n)
{
    return String(NthFieldView(s, sep, n));
}

String ReplaceAll(const String& s, const String& find, const String& replacement)
{
    if (find.empty()) return s;
    String out;
    out.reserve(s.size());
    size_t from = 0;
    for (size_t at = s.find(find); at != String::npos; at = s.find(find, from)) {
        out.append(s, from, at - from);
        out += replacement;
        from = at + find.size();
    }
    out.append(s, from, String::npos);
    return out;
}

String Chr(int32_t code)
{
    if (code < 0 || code > 255) return String();
    return String(1, static_cast<char>(static_cast<unsigned char>(code)));
}

int32_t Asc(const String& s)
{
    return s.empty() ? 0 : static_cast<unsigned char>(s[0]);
}

String Str(int64_t n)
{
    return std::to_string(n);
}

double Val(std::string_view s)
{
    size_t i = 0;
    const size_t n = s.size();
    while (i < n && (s[i] == ' ' || s[i] == '\t')) ++i;

    bool negative = false;
    if (i < n && (s[i] == '+' || s[i] == '-')) {
        negative = s[i] == '-';
        ++i;
    }

    // The number proper, without its sign: digits, an optional fraction,
    // and an exponent only when at least one digit follows the "e".
    const size_t begin = i;
    size_t mantissaDigits = 0;
    // Where the first significant digit sits relative to the decimal point,
    // to tell overflow from underflow when the value is out of range.
    int64_t leadingPosition = 0;
    bool seenSignificant = false;
    bool inFraction = false;
    for (; i < n; ++i) {
        const char c = s[i];
        if (IsDigit(c)) {
            ++mantissaDigits;
            if (!seenSignificant && c != '0') {
                seenSignificant = true;
            }
            if (!inFraction && seenSignificant)
                ++leadingPosition;
            else if (inFraction && !seenSignificant)
                --leadingPosition;
        } else if (c == '.' && !inFraction) {
            inFraction = true;
        } else {
            break;
        }
    }
    if (mantissaDigits == 0) return 0.0;
    // The usual case, a plain whole number of up to 15 digits, is exact as a
    // double and needs no general conversion.
    const bool exponentFollows = i < n && (s[i] == 'e' || s[i] == 'E');
    if (!inFraction && !exponentFollows && mantissaDigits <= 15) {
        int64_t whole = 0;
        for (size_t d = begin; d < i; ++d) whole = whole * 10 + (s[d] - '0');
        return negative ? -static_cast<double>(whole) : static_cast<double>(whole);
    }

    int64_t exponent = 0;
    if (i < n && (s[i] == 'e' || s[i] == 'E')) {
        size_t j = i + 1;
        bool exponentNegative = false;
        if (j < n && (s[j] == '+' || s[j] == '-')) {
            exponentNegative = s[j] == '-';
            ++j;
        }
        if (j < n && IsDigit(s[j])) {
            constexpr int64_t kCap = int64_t{1} << 40;
            for (; j < n && IsDigit(s[j]); ++j) {
                if (exponent < kCap) exponent = exponent * 10 + (s[j] - '0');
            }
            if (exponentNegative) exponent = -exponent;
            i = j;
        }
    }

    double value = 0.0;
    const auto [ptr, ec] = std::from_chars(s.data() + begin, s.data() + i, value, std::chars_format::general);
    (void)ptr;
    if (ec == std::errc::result_out_of_range) {
        // The decimal magnitude decides: a large one overflowed, a small one vanished.
        value = seenSignificant && leadingPosition + exponent > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    } else if (ec != std::errc()) {
        value = 0.0;
    }
    return negative ? -value : value;
}

double Pow(double base, double exponent)
{
    return std::pow(base, exponent);
}

double Log(double x)
{
    return std::log(x);
}

int32_t ToInteger(double d)
{
    if (std::isnan(d)) return 0;
    if (d >= static_cast<double>(std::numeric_limits<int32_t>::max())) return std::numeric_limits<int32_t>::max();
    if (d <= static_cast<double>(std::numeric_limits<int32_t>::min())) return std::numeric_limits<int32_t>::min();
    return static_cast<int32_t>(d);
}

const String& StringArray::operator()(int32_t i) const
{
    static const String kNothing;
    if (i < 0 || static_cast<size_t>(i) >= items_.size()) return kNothing;
    return items_[static_cast<size_t>(i)];
}

void StringArray::Set(int32_t i, String s)
{
    if (i < 0 || static_cast<size_t>(i) >= items_.size()) return;
    items_[static_cast<size_t>(i)] = std::move(s);
}

void StringArray::Redim(int32_t ubound)
{
    items_.resize(static_cast<size_t>(ubound < 0 ? 0 : ubound) + 1);
}
