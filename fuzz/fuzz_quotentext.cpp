// The quota import tool's transfer: any pasted text, in any mode and column,
// ends in edit texts made of a sign, digits and commas (the editor checks the
// amount when it saves), or in a German reason; GeldTextBereinigen likewise.
#include <string_view>

#include "quotas/quotenuebertragung.h"

using namespace quintaro;

namespace {
bool IstBetragstext(const std::string& t) {
    const std::size_t anfang = !t.empty() && (t[0] == '-' || t[0] == '+') ? 1 : 0;
    for (char c : t.substr(anfang))
        if (!(c >= '0' && c <= '9') && c != ',') return false;
    return true;
}
}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    if (groesse < 1) return 0;
    const auto art = static_cast<Uebertragungsart>(daten[0] % 3);
    const int spalte = 1 + (daten[0] >> 2) % 10;
    const std::string_view text(reinterpret_cast<const char*>(daten + 1), groesse - 1);
    const Quotenuebertragung u = QuotenUebertragen(text, spalte, art);
    for (const auto& feld : u.felder)
        if (feld && !IstBetragstext(*feld)) __builtin_trap();
    if (!IstBetragstext(GeldTextBereinigen(text))) __builtin_trap();
    return 0;
}
