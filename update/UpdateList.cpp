#include "UpdateList.h"

#include <algorithm>

namespace {
constexpr std::string_view RecordSeparator = "----\r\n";
constexpr std::string_view LF = "\n";
constexpr char CR = '\r';

// A line ends at LF; a CR right before it belongs to the line end (WithoutCR),
// so a list written with CR LF reads exactly as one written with LF, and no
// address reaches the browser with a CR stuck to it.

// The information lines, each ended by CR as the window shows them.
String InformationText(std::string_view info)
{
    String text;
    text.reserve(info.size());
    size_t from = 0;
    for (size_t lf = info.find(LF); lf != std::string_view::npos; lf = info.find(LF, from)) {
        text += WithoutCR(info.substr(from, lf - from));
        text += CR;
        from = lf + LF.size();
    }
    text += info.substr(from);
    return text;
}

// The next part of a version, saturated to 32 bits, so the weighted sum is
// exact as a double and only the result needs saturating again.
int64_t NextPart(std::string_view& version)
{
    return ToInteger(Val(NextField(version, ".")));
}
} // namespace

int32_t VersionValue(std::string_view version)
{
    const int64_t major = NextPart(version);
    const int64_t minor = NextPart(version);
    const int64_t patch = NextPart(version);
    return ToInteger(static_cast<double>(100 * major + 10 * minor + patch));
}

int32_t TitleVersionValue(std::string_view titleLine)
{
    return VersionValue(NthFieldView(titleLine, " ", 1));
}

UpdateList ParseUpdateList(const String& page)
{
    UpdateList result;
    result.info = std::make_shared<UpdateInfoClass>();
    UpdateInfoClass& list = *result.info;
    // Views into the page: each text is copied once, into the list.
    for (std::string_view rec : SplitFieldViews(page, RecordSeparator)) {
        // What follows the second LF is information; nothing when the record has fewer.
        std::string_view info = rec;
        std::string_view title = WithoutCR(NextField(info, LF));
        std::string_view address = WithoutCR(NextField(info, LF));
        list.OS.Append(String(title));
        list.newurl.Append(String(address));
        list.Updateinfo.Append(InformationText(info));
        result.best = std::max(result.best, TitleVersionValue(title));
    }
    return result;
}
