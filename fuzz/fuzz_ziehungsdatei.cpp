// The draw history file "GZ.645": any bytes load, every whole record is kept
// byte for byte, and the message about damaged records and the split into the
// day lists cope with whatever was loaded.
#include <cstring>

#include "core/datenbestand.h"
#include "core/fehler.h"
#include "core/ziehungsdatei.h"
#include "eingabedatei.h"
#include "statistics/statistik.h"

using namespace quintaro;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const auto datei = fuzz::EingabeAlsDatei(daten, groesse, "GZ.645");
    GeladeneZiehungen geladen;
    try {
        geladen = ZiehungenLaden(datei);
    } catch (const DateiFehler&) {
        return 0;
    }
    if (geladen.ziehungen.size() != groesse / GewZahlenGroesse || geladen.befund.restBytes != groesse % GewZahlenGroesse)
        __builtin_trap();
    for (std::size_t i = 0; i < geladen.ziehungen.size(); ++i) {
        std::uint8_t satz[GewZahlenGroesse];
        GewZahlenNach(geladen.ziehungen[i], satz);
        if (std::memcmp(satz, daten + i * GewZahlenGroesse, GewZahlenGroesse) != 0) __builtin_trap();
    }
    (void)geladen.befund.meldung(datei, geladen.ziehungen);

    Datenbestand bestand;
    bestand.GZListe = std::move(geladen.ziehungen);
    StatistikStart(bestand);
    return 0;
}
