// "Reihen in Tabelle übertragen": any pasted text is normalised and checked;
// the first byte answers the blank question. Rows that passed are six distinct
// numbers 1..45 and are placed into the grid.
#include <algorithm>
#include <string_view>

#include "entry/reihenuebertragung.h"

using namespace quintaro;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    if (groesse < 1) return 0;
    const auto antwort = static_cast<Leerzeichenantwort>(daten[0] % 3);
    const std::string_view text(reinterpret_cast<const char*>(daten + 1), groesse - 1);
    const auto frage = [&](const std::string&, const std::string&) { return antwort; };

    TippTabelle tabelle;
    ReihenKopf(tabelle);
    const Uebertragung u = TextInTabelle(text, tabelle, daten[0] & 4, frage);
    for (const Tippreihe& r : u.reihen) {
        Tippreihe sortiert = r;
        std::sort(sortiert.begin(), sortiert.end());
        if (sortiert.front() < 1 || sortiert.back() > 45) __builtin_trap();
        if (std::adjacent_find(sortiert.begin(), sortiert.end()) != sortiert.end()) __builtin_trap();
    }
    if (u.gelungen() && LetzteGefuellteZeile(tabelle) < u.reihen.size()) __builtin_trap();
    return 0;
}
