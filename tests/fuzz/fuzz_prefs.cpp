// Feeds arbitrary bytes to the preferences reader and the record loader, as
// a damaged or hostile preferences file would.
#include <cstdint>
#include <cstdlib>
#include "BinaryMod.h"
#include "KorPreffMod.h"
#include "QuandePrefs.h"

namespace {

void Require(bool condition)
{
    if (!condition) std::abort();
}

// Whatever a record loads, it saves in a form that loads back to the same text.
void CheckRecordRoundTrip(const String& payload)
{
    QuandePrefs loaded;
    loaded.Default();
    loaded.PopFromString(payload);
    const String saved = loaded.ToString();
    QuandePrefs reloaded;
    reloaded.PopFromString(saved);
    Require(reloaded.ToString() == saved);
    Require(reloaded.noautoupdate == loaded.noautoupdate);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const String bytes(reinterpret_cast<const char*>(data), size);

    const String payload = KorPreffMod::PayloadFromFileBytes(bytes);
    Require(payload.size() <= bytes.size());
    CheckRecordRoundTrip(payload);
    CheckRecordRoundTrip(bytes);

    defaultpreffOnlydata store;
    store.PopFromString(bytes);
    Require(store.DefaultOnlyPaths.Ubound() <= static_cast<int32_t>(bytes.size() / 3) + 24);

    size_t offset = 0;
    for (int32_t k = 1; k <= 16; ++k)
        Require(BinaryMod::NextLenField(bytes, offset) == BinaryMod::nthLenField(bytes, k));

    BinaryMod::BinaryToDecimal(bytes);
    BinaryMod::BinaryToAscii(bytes);
    return 0;
}
