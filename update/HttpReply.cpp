#include "HttpReply.h"

#include "Text.h"

namespace {

constexpr int32_t StatusOK = 200;

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t';
}

char LowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

enum class Form { None, Beginning, StatusLine };

// How `line` stands to a status line: "HTTP/" digits "." digits, a blank,
// three digits, then a blank or the end. A Beginning is cut off before its
// three digits and could still become one.
Form ReadStatusLine(std::string_view line, int32_t& status)
{
    constexpr size_t Any = SIZE_MAX;
    constexpr struct {
        char c; // '#' for a digit
        size_t least, most;
    } Steps[] = {{'H', 1, 1},   {'T', 1, 1}, {'T', 1, 1},   {'P', 1, 1}, {'/', 1, 1},
                 {'#', 1, Any}, {'.', 1, 1}, {'#', 1, Any}, {' ', 1, 1}, {'#', 3, 3}};
    size_t i = 0;
    for (const auto& step : Steps) {
        size_t n = 0;
        while (n < step.most && i < line.size() && (step.c == '#' ? IsDigit(line[i]) : line[i] == step.c)) ++i, ++n;
        if (n < step.least) return i == line.size() ? Form::Beginning : Form::None;
    }
    if (i < line.size() && line[i] != ' ') return Form::None;
    status = (line[i - 3] - '0') * 100 + (line[i - 2] - '0') * 10 + (line[i - 1] - '0');
    return Form::StatusLine;
}

// The value of a "Content-Length:" header line (name in any case); false
// for any other line or a value that is not a plain decimal number. Values
// beyond what a reply may hold at all are capped, never overflow.
bool ReadContentLength(std::string_view line, size_t& length)
{
    constexpr std::string_view Name = "content-length:";
    if (line.size() < Name.size()) return false;
    for (size_t i = 0; i < Name.size(); ++i)
        if (LowerAscii(line[i]) != Name[i]) return false;
    std::string_view value = line.substr(Name.size());
    while (!value.empty() && IsBlank(value.front())) value.remove_prefix(1);
    while (!value.empty() && IsBlank(value.back())) value.remove_suffix(1);
    if (value.empty()) return false;
    constexpr size_t Cap = size_t{1} << 40;
    length = 0;
    for (char c : value) {
        if (!IsDigit(c)) return false;
        length = length >= Cap ? Cap : length * 10 + static_cast<size_t>(c - '0');
    }
    return true;
}

// A reply the close ended before the end of its first line.
HttpReply::Verdict EndedInFirstLine(std::string_view received)
{
    using enum HttpReply::State;
    int32_t status = 0;
    switch (ReadStatusLine(WithoutCR(received), status)) {
    case Form::Beginning:
        return {CutShort};
    case Form::StatusLine: // names its status all the same
        return {status == StatusOK ? CutShort : BadStatus, 0, status};
    case Form::None:
        break;
    }
    return {Whole, received.size()}; // a bare page
}

} // namespace

bool HttpReply::NextLine(std::string_view received, std::string_view& line)
{
    const size_t lf = received.find('\n', searched_);
    if (lf == std::string_view::npos) {
        searched_ = received.size();
        return false;
    }
    line = WithoutCR(received.substr(lineStart_, lf - lineStart_));
    lineStart_ = searched_ = lf + 1;
    return true;
}

HttpReply::Verdict HttpReply::Examine(std::string_view received, bool ended)
{
    using enum State;
    std::string_view line;
    if (stage_ == Stage::StatusLine) {
        if (!NextLine(received, line)) return ended ? EndedInFirstLine(received) : Verdict{Incomplete};
        if (ReadStatusLine(line, status_) != Form::StatusLine)
            stage_ = Stage::Body; // a bare page
        else
            stage_ = status_ == StatusOK ? Stage::Headers : Stage::Refused;
    }
    if (stage_ == Stage::Refused) return {BadStatus, 0, status_};
    while (stage_ == Stage::Headers && NextLine(received, line)) {
        if (line.empty())
            stage_ = Stage::Body;
        else if (!announced_)
            announced_ = ReadContentLength(line, length_);
    }
    // Until the headers end, no byte of the page has come, whatever length was announced.
    if (stage_ == Stage::Headers) return {ended ? CutShort : Incomplete};
    if (!announced_) return {ended ? Whole : Incomplete, ended ? received.size() : 0};
    if (received.size() - lineStart_ >= length_) return {Whole, lineStart_ + length_};
    return {ended ? CutShort : Incomplete};
}
