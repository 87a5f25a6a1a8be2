#include "QuandePrefs.h"
#include "BinaryMod.h"
#include "TervikConversions.h"

String QuandePrefs::ToString() const
{
    // A record whose Default has not run yet has no store; it writes the
    // store a new record would have rather than failing.
    const String store = DefaultOnly ? DefaultOnly->ToString() : defaultpreffOnlydata().ToString();
    return BinaryMod::MakeLenField(TervikConversions::BoolToAscii(noautoupdate)) + BinaryMod::MakeLenField(store);
}

void QuandePrefs::PopFromString(const String& s)
{
    Default();
    if (s.empty()) return;
    // An absent or empty first field reads as true: automatic checks off.
    noautoupdate = TervikConversions::AsciiToBool(BinaryMod::nthLenField(s, 1));
    DefaultOnly->PopFromString(BinaryMod::nthLenField(s, 2));
}

std::shared_ptr<QuandePrefs> QuandePrefs::Copy() const
{
    auto copy = std::make_shared<QuandePrefs>();
    copy->noautoupdate = noautoupdate;
    copy->DefaultOnly = DefaultOnly; // the very same store, shared
    return copy;
}

void QuandePrefs::Default()
{
    DefaultOnly = std::make_shared<defaultpreffOnlydata>();
}
