#include "systems/reihentabellen.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/kombinatorik.h"
#include "systems/katalog.h"
#include "systems/reihentabellen_daten.h"

namespace quintaro {

namespace {
struct Tabellen {
    std::vector<std::uint8_t> werte;
    std::array<std::size_t, AnzahlEingebauteSysteme + 1> anfang{};
};

// Decodes the generated text once; a table whose length does not match its
// catalogue entry means the generated file and the catalogue disagree.
Tabellen Dekodiere() {
    Tabellen t;
    const auto& systeme = EingebauteSysteme();
    for (int i = 0; i < AnzahlEingebauteSysteme; ++i) {
        const auto& s = systeme[std::size_t(i)];
        const std::size_t laenge = std::size_t(s.TR) * s.RG;
        const char* text = ReihentabellenText[i];
        if (std::strlen(text) != laenge)
            throw std::logic_error("Reihentabelle " + std::to_string(i) + " passt nicht zum Systemkatalog");
        t.anfang[std::size_t(i)] = t.werte.size();
        for (std::size_t j = 0; j < laenge; ++j) t.werte.push_back(std::uint8_t(ReihentabellenWert(text[j])));
    }
    t.anfang[AnzahlEingebauteSysteme] = t.werte.size();
    return t;
}

const Tabellen& Daten() {
    static const Tabellen t = Dekodiere();
    return t;
}
}  // namespace

std::span<const std::uint8_t> Reihentabelle(int index) {
    if (index < 0 || index >= AnzahlEingebauteSysteme) throw std::out_of_range("keine eingebaute Systemnummer");
    const auto& t = Daten();
    const std::size_t von = t.anfang[std::size_t(index)], bis = t.anfang[std::size_t(index) + 1];
    return {t.werte.data() + von, bis - von};
}

std::uint8_t SystemElement(int index, int RG, int reihe, int pos) {
    const auto tabelle = Reihentabelle(index);
    // Rows are RG wide: an RG other than the entry's, or a place outside the table, has no element.
    if (RG != EingebauteSysteme()[std::size_t(index)].RG || reihe < 1 || pos < 1 || pos > RG ||
        std::size_t(reihe) * std::size_t(RG) > tabelle.size())
        throw std::out_of_range("kein Element der Reihentabelle");
    return tabelle[std::size_t(reihe - 1) * std::size_t(RG) + std::size_t(pos - 1)];
}

std::int64_t UnbedeckteTeilmengen(int index) {
    const auto& s = EingebauteSysteme().at(std::size_t(index));
    if (s.GA == 0) return 0;
    return UnbedeckteTeilmengen(Reihentabelle(index), s.RG, s.WZ, s.GA);
}

std::int64_t UnbedeckteTeilmengen(std::span<const std::uint8_t> zeilen, int RG, int WZ, int GA) {
    if (GA <= 0 || RG <= 0 || GA > RG) return 0;
    // Colexicographic rank of a GA-subset {a1 < a2 < ...} (0-based): sum of C(a_i, i).
    std::vector<std::vector<std::int64_t>> binom(std::size_t(WZ) + 1, std::vector<std::int64_t>(std::size_t(GA) + 1));
    for (int n = 0; n <= WZ; ++n)
        for (int k = 1; k <= GA; ++k) binom[std::size_t(n)][std::size_t(k)] = Binomial(n, k);
    const std::int64_t gesamt = Binomial(WZ, GA);
    std::vector<bool> bedeckt(std::size_t(gesamt), false);
    std::int64_t anzahl = 0;
    std::vector<int> zeile;
    for (std::size_t z = 0; z + std::size_t(RG) <= zeilen.size(); z += std::size_t(RG)) {
        // A row covers the subsets of its distinct values within 1..WZ.
        zeile.clear();
        for (int p = 0; p < RG; ++p)
            if (const int w = zeilen[z + std::size_t(p)]; w >= 1 && w <= WZ) zeile.push_back(w - 1);
        std::sort(zeile.begin(), zeile.end());
        zeile.erase(std::unique(zeile.begin(), zeile.end()), zeile.end());
        FuerAlleKombinationen(int(zeile.size()), GA, [&](const std::vector<int>& positionen) {
            std::int64_t rang = 0;
            for (int i = 0; i < GA; ++i)
                rang += binom[std::size_t(zeile[std::size_t(positionen[std::size_t(i)] - 1)])][std::size_t(i) + 1];
            if (!bedeckt[std::size_t(rang)]) {
                bedeckt[std::size_t(rang)] = true;
                ++anzahl;
            }
            return true;
        });
    }
    return gesamt - anzahl;
}

}  // namespace quintaro
