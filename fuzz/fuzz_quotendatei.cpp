// The prize quota file "Quo.645": any bytes load, and the quotas of every
// loaded date price every prize class.
#include "core/fehler.h"
#include "eingabedatei.h"
#include "quotas/quotenliste.h"

using namespace quintaro;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    const auto datei = fuzz::EingabeAlsDatei(daten, groesse, "Quo.645");
    QuotenDatei geladen;
    try {
        geladen = QuotenLaden(datei);
    } catch (const DateiFehler&) {
        return 0;
    }
    if (geladen.quoten.size() != groesse / QuotenGroesse || geladen.schaden.empty() != (groesse % QuotenGroesse == 0))
        __builtin_trap();
    for (const TQuoten& q : geladen.quoten) {
        const TQuoten* real = RealquotenDerZiehung(geladen.quoten, q.datum);
        (void)QuotenDerZiehung(geladen.quoten, q.datum);
        for (int klasse = 1; klasse <= 8; ++klasse) {
            (void)QuoteHolen(real, klasse, q.datum);
            (void)QuoteHolen(geladen.quoten, klasse, q.datum);
        }
    }
    return 0;
}
