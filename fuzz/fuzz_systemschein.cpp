// The system ticket record (".sqtr"): a file is refused with DateiFehler or
// gives a record whose banker numbers and Wahlzahlen build the same ticket again.
#include "core/fehler.h"
#include "core/scheindateien.h"
#include "eingabedatei.h"

using namespace quintaro;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const auto datei = fuzz::EingabeAlsDatei(daten, groesse, "Schein.sqtr");
    (void)ScheinArtVon(datei);
    try {
        const TSystemscheinSatz satz = SystemscheinLesen(datei);
        const TZahlenMenge bank = Bankzahlen(satz), wahl = Wahlzahlen(satz);
        const TSystemscheinSatz neu = SystemscheinBauen(satz.system, bank, wahl);
        if (Bankzahlen(neu) != bank || Wahlzahlen(neu) != wahl) __builtin_trap();
    } catch (const DateiFehler&) {
    }
    return 0;
}
