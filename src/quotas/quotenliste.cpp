#include "quotas/quotenliste.h"

#include <algorithm>

#include "core/datei.h"

namespace quintaro {

QuotenDatei QuotenLaden(const std::filesystem::path& datei) {
    QuotenDatei ergebnis;
    if (DateiGroesse(datei) < 0) return ergebnis;
    const Bytes inhalt = LiesDatei(datei);
    const std::size_t saetze = inhalt.size() / QuotenGroesse;
    ergebnis.quoten.reserve(saetze);
    for (std::size_t i = 0; i < saetze; ++i) ergebnis.quoten.push_back(QuotenAus(inhalt.data() + i * QuotenGroesse));
    if (const std::size_t rest = inhalt.size() % QuotenGroesse; rest != 0)
        ergebnis.schaden = "Die Quotendatei \"" + DateiName(datei) + "\" ist beschädigt: Ihre letzten " +
                           std::to_string(rest) + " Bytes ergeben keinen vollständigen Eintrag und wurden übergangen." +
                           std::string(Absatz) + "Die " + std::to_string(saetze) +
                           " vollständigen Einträge davor wurden eingelesen.";
    return ergebnis;
}

void QuotenSpeichern(const std::filesystem::path& datei, std::span<const TQuoten> quoten) {
    Bytes inhalt(quoten.size() * QuotenGroesse);
    for (std::size_t i = 0; i < quoten.size(); ++i) QuotenNach(quoten[i], inhalt.data() + i * QuotenGroesse);
    SchreibeDateiAtomar(datei, inhalt);
}

const TQuoten* QuotenDerZiehung(std::span<const TQuoten> liste, TDatum datum) {
    const auto it = std::find_if(liste.begin(), liste.end(), [&](const TQuoten& q) { return q.datum == datum; });
    return it == liste.end() ? nullptr : &*it;
}

const TQuoten* RealquotenDerZiehung(std::span<const TQuoten> liste, TDatum datum) {
    return datum >= RealquotenAb ? QuotenDerZiehung(liste, datum) : nullptr;
}

Currency QuoteHolen(const TQuoten* real, int klasse, TDatum datum) {
    if (datum < NeueKlassenAb) return klasse >= 1 && klasse <= 5 ? AltQuoten[std::size_t(klasse)] : 0;
    if (klasse < 1 || klasse > 8) return 0;
    if (real != nullptr && datum >= RealquotenAb) return real->q[std::size_t(klasse)];
    return StandardQuoten[std::size_t(klasse)];
}

Currency QuoteHolen(std::span<const TQuoten> liste, int klasse, TDatum datum) {
    return QuoteHolen(RealquotenDerZiehung(liste, datum), klasse, datum);
}

}  // namespace quintaro
