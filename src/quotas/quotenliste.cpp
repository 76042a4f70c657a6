#include "quotas/quotenliste.h"

#include <algorithm>

#include "core/datei.h"
#include "core/ziehungsdatei.h"

namespace quintaro {

bool IstGueltigeQuote(const TQuoten& q) {
    if (!IstGueltigesZiehungsdatum(q.datum)) return false;
    return std::all_of(q.q.begin() + 1, q.q.end(), [](Currency c) { return c >= 0 && c <= HoechsteQuote; });
}

QuotenDatei QuotenLaden(const std::filesystem::path& datei) {
    QuotenDatei ergebnis;
    const auto gelesen = LiesDateiFallsVorhanden(datei);
    if (!gelesen) return ergebnis;
    const Bytes& inhalt = *gelesen;
    const std::size_t saetze = inhalt.size() / QuotenGroesse;
    ergebnis.quoten.reserve(saetze);
    std::size_t fehlerhaft = 0, ersterFehler = 0;
    for (std::size_t i = 0; i < saetze; ++i) {
        const TQuoten q = QuotenAus(inhalt.data() + i * QuotenGroesse);
        if (IstGueltigeQuote(q))
            ergebnis.quoten.push_back(q);
        else if (fehlerhaft++ == 0)
            ersterFehler = i;
    }
    const std::size_t rest = inhalt.size() % QuotenGroesse;
    if (rest == 0 && fehlerhaft == 0) return ergebnis;
    ergebnis.schaden = "Die Quotendatei \"" + DateiName(datei) + "\" ist beschädigt:";
    if (fehlerhaft > 0)
        ergebnis.schaden += std::string(" ") + std::to_string(fehlerhaft) + (fehlerhaft == 1 ? " Eintrag hat" : " Einträge haben") +
                            " ein ungültiges Datum oder unmögliche Beträge (der erste ist Nr. " +
                            std::to_string(ersterFehler + 1) + ") und " + (fehlerhaft == 1 ? "wurde" : "wurden") +
                            " übergangen.";
    if (rest != 0)
        ergebnis.schaden += " Ihre letzten " + std::to_string(rest) +
                            " Bytes ergeben keinen vollständigen Eintrag und wurden übergangen.";
    ergebnis.schaden += std::string(Absatz) + "Die " + std::to_string(ergebnis.quoten.size()) +
                        " gültigen Einträge wurden eingelesen.";
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
