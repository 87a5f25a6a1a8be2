#include "UpdateList.h"

#include <algorithm>
#include <limits>

namespace {
const String RecordSeparator = "----\r\n";
const String LF = "\n";
const String CR = "\r";

int32_t Saturate(int64_t v) {
    constexpr int64_t lo = std::numeric_limits<int32_t>::min();
    constexpr int64_t hi = std::numeric_limits<int32_t>::max();
    return static_cast<int32_t>(std::clamp(v, lo, hi));
}

// The parts are saturated to 32 bits first, so the weighted sum stays far
// inside 64 bits and only the result needs saturating again.
int64_t Part(const String& version, int32_t n) {
    return ToInteger(Val(NthField(version, ".", n)));
}
} // namespace

int32_t VersionValue(const String& version) {
    return Saturate(100 * Part(version, 1) + 10 * Part(version, 2) + Part(version, 3));
}

int32_t TitleVersionValue(const String& titleLine) {
    return VersionValue(NthField(titleLine, " ", 1));
}

UpdateList ParseUpdateList(const String& page) {
    UpdateList result;
    result.info = std::make_shared<UpdateInfoClass>();
    UpdateInfoClass& list = *result.info;
    // One pass over the records keeps a long page linear.
    for (const String& rec : SplitFields(page, RecordSeparator)) {
        String line1 = NthField(rec, LF, 1);
        String line2 = NthField(rec, LF, 2);
        String info = Mid(rec, Len(line1) + Len(line2) + 3);
        list.OS.Append(line1);
        list.newurl.Append(line2);
        list.Updateinfo.Append(ReplaceAll(info, LF, CR));
        result.best = std::max(result.best, TitleVersionValue(line1));
    }
    return result;
}
