#include "UpdateList.h"

#include <algorithm>

namespace {
const String RecordSeparator = "----\r\n";
const String LF = "\n";
const String CR = "\r";

// The parts are saturated to 32 bits first, so the weighted sum is exact as
// a double and only the result needs saturating again.
int64_t Part(const String& version, int32_t n) {
    return ToInteger(Val(NthField(version, ".", n)));
}
} // namespace

int32_t VersionValue(const String& version) {
    return ToInteger(static_cast<double>(100 * Part(version, 1) + 10 * Part(version, 2) + Part(version, 3)));
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
