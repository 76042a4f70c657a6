// The version file "verinfos.qtr": any bytes give a version of at most 15
// Latin-1 characters (30 bytes of UTF-8) from the last whole record, or a
// German reason, never both.
#include "online/versionsdatei.h"

using namespace quintaro;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const Versionsbefund b = VersionLesen(Bytes(daten, daten + groesse));
    if (b.version.has_value() == !b.fehler.empty()) __builtin_trap();
    if (b.version && b.version->size() > 30) __builtin_trap();
    if (b.version && groesse < VersionsSatzGroesse) __builtin_trap();
    return 0;
}
