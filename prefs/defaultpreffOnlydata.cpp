#include "defaultpreffOnlydata.h"
#include <algorithm>
#include "BinaryMod.h"
#include "TervikConversions.h"

namespace {

// The store keeps location texts in slots 1 to 24.
constexpr int32_t SlotCount = 24;

} // namespace

String defaultpreffOnlydata::ToString() const
{
    const int32_t count = DefaultOnlyPaths.Ubound();
    String text = BinaryMod::MakeLenField(BinaryMod::DecimalToAscii(count));
    for (int32_t i = 1; i <= count; ++i) text += BinaryMod::MakeLenField(DefaultOnlyPaths(i));
    return text;
}

void defaultpreffOnlydata::PopFromString(const String& s)
{
    size_t offset = 0;
    const int32_t count = BinaryMod::AsciiToDecimal(BinaryMod::NextLenField(s, offset));
    // Every entry present in s takes a field of at least 3 bytes (a last one
    // may have 2), as does the count, so a sound store never holds more than
    // Len(s) / 3 entries. A damaged count (up to 16,777,215 in a 3-byte field,
    // more in a longer one) would otherwise append millions of empty entries
    // from a few bytes; the slack still lets a store that was cut short come
    // back with all of its slots.
    const auto bound = static_cast<int64_t>(s.size() / 3) + SlotCount;
    const int64_t entries = std::min<int64_t>(count, bound);
    for (int64_t i = 1; i <= entries; ++i) DefaultOnlyPaths.Append(BinaryMod::NextLenField(s, offset));
}

void defaultpreffOnlydata::SaveWindowLocation(int32_t n, const String& location)
{
    const int32_t ubound = DefaultOnlyPaths.Ubound();
    if (ubound < SlotCount) DefaultOnlyPaths.Redim(ubound + SlotCount);
    if (n >= 1 && n <= SlotCount) DefaultOnlyPaths.Set(n, location);
}

String defaultpreffOnlydata::GetWindowLocation(int32_t n)
{
    if (DefaultOnlyPaths.Ubound() < SlotCount) {
        DefaultOnlyPaths.Redim(0);
        DefaultOnlyPaths.Redim(SlotCount);
    }
    String location = (n >= 1 && n <= SlotCount) ? DefaultOnlyPaths(n) : String();
    if (location.empty()) location = MakeWinLocationString(false, 100, 100);
    return location;
}

String defaultpreffOnlydata::MakeWinLocationString(bool flag, int32_t first, int32_t second) const
{
    const String numbers = BinaryMod::MakeLenField(BinaryMod::DecimalToAscii(first))
        + BinaryMod::MakeLenField(BinaryMod::DecimalToAscii(second));
    return BinaryMod::MakeLenField(TervikConversions::BoolToAscii(flag)) + BinaryMod::MakeLenField(numbers);
}
