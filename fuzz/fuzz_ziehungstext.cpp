// The CSV of `draws import`: any text reads as draws or is refused with
// KonvertierungsFehler, and the draws it gives read back from their own text.
#include <string_view>

#include "core/fehler.h"
#include "core/ziehungstext.h"

using namespace quintaro;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const std::string_view text(reinterpret_cast<const char*>(daten), groesse);
    std::vector<TGewZahlen> ziehungen;
    try {
        ziehungen = ZiehungenAusText(text);
    } catch (const KonvertierungsFehler&) {
        return 0;
    }
    if (ZiehungenAusText(ZiehungenAlsText(ziehungen)) != ziehungen) __builtin_trap();
    return 0;
}
