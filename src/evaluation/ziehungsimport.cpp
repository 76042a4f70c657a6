#include "evaluation/ziehungsimport.h"

#include <algorithm>
#include <charconv>
#include <map>
#include <set>

#include "core/formatierung.h"
#include "core/spielregeln.h"
#include "core/ziehungstext.h"

namespace quintaro {

namespace {
bool GleicheZahlen(const TGewZahlen& a, const TGewZahlen& b) {
    auto x = a.GZ, y = b.GZ;
    std::sort(x.begin() + 1, x.end());
    std::sort(y.begin() + 1, y.end());
    return x == y && a.ZZ == b.ZZ;
}

std::string Anzahl(std::size_t n, const std::string& einzahl, const std::string& mehrzahl) {
    return std::to_string(n) + " " + (n == 1 ? einzahl : mehrzahl);
}
}  // namespace

Ziehungsabgleich ZiehungenAbgleichen(const std::vector<TGewZahlen>& bestand, const std::vector<TGewZahlen>& importiert) {
    Ziehungsabgleich a;
    a.importiert = importiert.size();
    std::map<TDatum, const TGewZahlen*> gespeichert;
    for (const auto& z : bestand) gespeichert.emplace(z.datum, &z);

    std::set<TDatum> imDatei;
    for (const auto& z : importiert) {
        imDatei.insert(z.datum);
        const auto it = gespeichert.find(z.datum);
        if (it == gespeichert.end()) {
            ++a.neu;
            a.ersetzt.push_back(z);
        } else if (GleicheZahlen(*it->second, z)) {
            a.ersetzt.push_back(*it->second);
        } else {
            ++a.geaendert;
            a.ersetzt.push_back(z);
        }
    }
    a.ergaenzt = a.ersetzt;
    for (const auto& z : bestand) {
        if (imDatei.count(z.datum)) continue;
        ++a.entfallen;
        a.ergaenzt.push_back(z);
    }
    std::stable_sort(a.ergaenzt.begin(), a.ergaenzt.end(),
                     [](const TGewZahlen& x, const TGewZahlen& y) { return x.datum < y.datum; });
    return a;
}

Ziehungsabgleich ZiehungstextAbgleichen(const std::vector<TGewZahlen>& bestand, std::string_view text) {
    return ZiehungenAbgleichen(bestand, ZiehungenAusText(text));
}

std::string ZiehungstextAusZellen(const std::vector<std::vector<std::string>>& zeilen) {
    std::string text;
    for (const auto& zeile : zeilen) {
        for (std::size_t i = 0; i < zeile.size(); ++i) {
            if (i > 0) text += ';';
            const std::string& zelle = zeile[i];
            long tag = 0;
            const auto [ende, fehler] = std::from_chars(zelle.data(), zelle.data() + zelle.size(), tag);
            if (i == 0 && fehler == std::errc{} && ende == zelle.data() + zelle.size() && IstDarstellbar(TDatum(tag)))
                text += DatumISO(TDatum(tag));
            else
                text += zelle;
        }
        text += '\n';
    }
    return text;
}

std::string ImportFrage(const Ziehungsabgleich& a) {
    std::string text = "Die Datei enthält " + Anzahl(a.importiert, "Ziehung", "Ziehungen") + ": " +
                       std::to_string(a.neu) + " neue und " + std::to_string(a.geaendert) + " geänderte.";
    text += std::string(Absatz) + "Sollen die neuen und geänderten Ziehungen zu den gespeicherten Gewinnzahlen "
                                  "hinzugefügt werden (Ja), oder sollen die Ziehungen der Datei die gespeicherten "
                                  "Gewinnzahlen ganz ersetzen (Nein)?";
    if (a.entfallen > 0)
        text += " Beim Ersetzen entfallen " + Anzahl(a.entfallen, "gespeicherte Ziehung", "gespeicherte Ziehungen") +
                ", die in der Datei fehlen.";
    return text;
}

}  // namespace quintaro
