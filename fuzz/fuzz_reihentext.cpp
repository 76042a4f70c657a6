// Normal ticket and CSV files: comma text of any shape reads into a tip grid,
// and the grid writes back as text that reads again.
#include "core/fehler.h"
#include "core/scheindateien.h"
#include "eingabedatei.h"

using namespace quintaro;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const auto datei = fuzz::EingabeAlsDatei(daten, groesse, "Schein.nqtr");
    TippTabelle tabelle;
    try {
        ReihenLesen(tabelle, datei);
    } catch (const DateiFehler&) {
        return 0;
    }
    for (std::size_t z = 0; z < tabelle.size(); ++z) (void)KommaText(tabelle[z]);
    TippTabelle wieder;
    ReihenAusText(wieder, ReihenAlsText(tabelle));
    return 0;
}
