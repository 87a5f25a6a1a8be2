#include "HttpReply.h"

#include <string_view>

namespace {

constexpr int32_t StatusOK = 200;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

char LowerAscii(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// One line up to its LF, without the LF and a CR before it; false when no LF
// has come yet.
bool NextLine(std::string_view head, size_t& at, std::string_view& line) {
    const size_t lf = head.find('\n', at);
    if (lf == std::string_view::npos) return false;
    line = head.substr(at, lf - at);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    at = lf + 1;
    return true;
}

// "HTTP/" digits "." digits, a blank, three digits, then a blank or the end.
bool ReadStatusLine(std::string_view line, int32_t& status) {
    constexpr std::string_view Version = "HTTP/";
    if (line.substr(0, Version.size()) != Version) return false;
    size_t i = Version.size();
    auto digits = [&] {
        const size_t from = i;
        while (i < line.size() && IsDigit(line[i])) ++i;
        return i > from;
    };
    auto next = [&](char c) { return i < line.size() && line[i++] == c; };
    if (!digits() || !next('.') || !digits() || !next(' ')) return false;
    if (line.size() - i < 3 || !IsDigit(line[i]) || !IsDigit(line[i + 1]) || !IsDigit(line[i + 2])) return false;
    status = (line[i] - '0') * 100 + (line[i + 1] - '0') * 10 + (line[i + 2] - '0');
    i += 3;
    return i == line.size() || line[i] == ' ';
}

// The value of a "Content-Length:" header line (name in any case); false
// for any other line or a value that is not a plain decimal number. Values
// beyond what a reply may hold at all are capped, never overflow.
bool ReadContentLength(std::string_view line, size_t& length) {
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

HttpReply Result(HttpReply::State state, size_t length = 0, int32_t status = 0) {
    HttpReply r;
    r.state = state;
    r.length = length;
    r.status = status;
    return r;
}

} // namespace

HttpReply HttpReply::Examine(const String& received, bool ended) {
    using enum State;
    const auto bare = [&] { return ended ? Result(Whole, received.size()) : Result(Incomplete); };
    std::string_view head(received);
    head = head.substr(0, HeadLimit);
    size_t at = 0;
    std::string_view line;
    if (!NextLine(head, at, line)) {
        // A status line that the close cut off before its line end still counts.
        line = head;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        at = head.size();
        if (!ended) return Result(Incomplete);
    }
    int32_t status = 0;
    if (!ReadStatusLine(line, status)) return bare();
    if (status != StatusOK) return Result(BadStatus, 0, status);

    bool announced = false;
    size_t length = 0;
    for (;;) {
        if (!NextLine(head, at, line)) {
            if (!ended) return Result(Incomplete);
            // The headers never ended: whatever length was announced, no byte of it came.
            return announced ? Result(CutShort) : Result(Whole, received.size());
        }
        if (line.empty()) break;
        if (!announced) announced = ReadContentLength(line, length);
    }
    const size_t body = received.size() - at;
    if (!announced) return bare();
    if (body >= length) return Result(Whole, at + length);
    return ended ? Result(CutShort) : Result(Incomplete);
}
