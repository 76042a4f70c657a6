#include "core/ziehungsdatei.h"

#include <cmath>

#include "core/datei.h"
#include "core/formatierung.h"

namespace quintaro {

bool IstGueltigesZiehungsdatum(TDatum d) {
    // Day 2 is 1900-01-01, day 2958465 is 9999-12-31; a fraction would be a time of day.
    return std::isfinite(d) && d >= 2 && d <= 2958465 && d == std::floor(d);
}

bool IstGueltigeZiehung(const TGewZahlen& z) {
    if (!IstGueltigesZiehungsdatum(z.datum)) return false;
    TZahlenMenge m;
    for (int i = 1; i <= 6; ++i) {
        if (z.GZ[i] < 1 || z.GZ[i] > MaxZahl || m.enthaelt(z.GZ[i])) return false;
        m.hinzu(z.GZ[i]);
    }
    return z.ZZ >= 1 && z.ZZ <= MaxZahl && !m.enthaelt(z.ZZ);
}

GeladeneZiehungen ZiehungenLaden(const std::filesystem::path& datei) {
    GeladeneZiehungen ergebnis;
    const auto gelesen = LiesDateiFallsVorhanden(datei);
    if (!gelesen) return ergebnis;
    const Bytes& daten = *gelesen;
    const std::size_t anzahl = daten.size() / GewZahlenGroesse;
    ergebnis.befund.restBytes = daten.size() % GewZahlenGroesse;
    ergebnis.ziehungen.reserve(anzahl);
    for (std::size_t i = 0; i < anzahl; ++i) {
        const TGewZahlen z = GewZahlenAus(daten.data() + i * GewZahlenGroesse);
        const bool aufsteigend = i == 0 || !(z.datum <= ergebnis.ziehungen.back().datum);
        if (!IstGueltigeZiehung(z) || !aufsteigend) {
            if (ergebnis.befund.fehlerhaft++ == 0) ergebnis.befund.ersterFehler = i;
        }
        ergebnis.ziehungen.push_back(z);
    }
    return ergebnis;
}

void ZiehungenSpeichern(const std::filesystem::path& datei, const std::vector<TGewZahlen>& ziehungen) {
    Bytes daten(ziehungen.size() * GewZahlenGroesse);
    for (std::size_t i = 0; i < ziehungen.size(); ++i) GewZahlenNach(ziehungen[i], daten.data() + i * GewZahlenGroesse);
    SchreibeDateiAtomar(datei, daten);
}

std::string Ziehungsbefund::meldung(const std::filesystem::path& datei,
                                    const std::vector<TGewZahlen>& ziehungen) const {
    if (inOrdnung()) return {};
    std::string text = "Die Datei \"" + DateiName(datei) + "\" ist beschädigt.";
    if (fehlerhaft > 0) {
        const TGewZahlen& z = ziehungen[ersterFehler];
        text += std::string(Absatz) + (fehlerhaft == 1 ? "1 Ziehung sieht" : std::to_string(fehlerhaft) + " Ziehungen sehen") +
                " fehlerhaft aus; die erste ist Nr. " + std::to_string(ersterFehler + 1) + " (" + DatumText(z.datum) + ").";
    }
    if (restBytes > 0)
        text += std::string(Absatz) + "Am Ende stehen " + std::to_string(restBytes) +
                " Byte, die keine ganze Ziehung ergeben; sie werden nicht gelesen.";
    text += std::string(Absatz) + "Die Ziehungen werden so geladen, wie sie in der Datei stehen; die Datei bleibt unverändert.";
    return text;
}

}  // namespace quintaro
