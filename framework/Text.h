#pragma once
// Byte-string text functions. Texts are raw bytes; positions count from 1.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

using String = std::string;

int32_t Len(const String& s);
// Up to `length` bytes from 1-based `start`; a start below 1 counts as 1.
String Mid(const String& s, int32_t start, int32_t length = INT32_MAX);
// Field n (from 1) of s cut at every occurrence of sep; "" when there is none.
String NthField(const String& s, const String& sep, int32_t n);
// Number of fields of s cut at sep; 0 for the empty text.
int32_t CountFields(const String& s, const String& sep);
// The same fields as NthField without copying them, one or every one at
// once (linear time): views into s, valid as long as s is.
std::string_view NthFieldView(std::string_view s, std::string_view sep, int32_t n);
std::vector<std::string_view> SplitFieldViews(std::string_view s, std::string_view sep);
// Takes the first field off rest for a reader that walks the fields in turn:
// returns rest up to its first sep and leaves rest holding what follows that
// sep; returns all of rest and leaves it empty when it holds no sep.
std::string_view NextField(std::string_view& rest, std::string_view sep);
// The line without the CR that a CR LF line end leaves on it once cut at LF.
inline std::string_view WithoutCR(std::string_view line)
{
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    return line;
}
String ReplaceAll(const String& s, const String& find, const String& replacement);
String Chr(int32_t code);       // one byte; codes outside 0..255 give ""
int32_t Asc(const String& s);   // code of the first byte, 0 for ""
String Str(int64_t n);          // decimal, "-" for negatives
double Val(std::string_view s); // leading number (blanks, sign, digits, fraction, exponent), else 0
double Pow(double base, double exponent);
double Log(double x); // natural logarithm
// Double to 32-bit integer: truncates toward zero, saturates at the limits, NaN gives 0.
int32_t ToInteger(double d);

// A one-dimensional String array as the system uses it: element 0 exists
// but carries nothing; entries live at 1..Ubound().
class StringArray {
public:
    StringArray() : items_(1) { }
    int32_t Ubound() const { return static_cast<int32_t>(items_.size()) - 1; }
    void Append(String s) { items_.push_back(std::move(s)); }
    // Reading outside 0..Ubound() yields "" rather than faulting.
    const String& operator()(int32_t i) const;
    // Writing outside 0..Ubound() is ignored.
    void Set(int32_t i, String s);
    // New upper bound; growing adds empty entries, shrinking drops them. Below 0 counts as 0.
    void Redim(int32_t ubound);

private:
    std::vector<String> items_;
};
