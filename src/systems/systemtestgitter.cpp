#include "systems/systemtestgitter.h"

#include <algorithm>

#include "core/formatierung.h"

namespace quintaro {

Tabelle SystemtestgitterLeer() {
    Tabelle g(SystemtestZeilen, std::vector<std::string>(SystemtestSpalten));
    g[0][1] = "Kombinationen";
    for (int m = 1; m <= 6; ++m) g[0][std::size_t(m + 1)] = std::to_string(m) + " Richtige";
    for (int k = 2; k <= 6; ++k) {
        g[std::size_t(2 * k - 3)][0] = std::to_string(k) + " Treffer";
        g[std::size_t(2 * k - 2)][0] = "      in %";
    }
    return g;
}

Tabelle Systemtestgitter(const Systemtestergebnis& e) {
    Tabelle g = SystemtestgitterLeer();
    if (e.abgebrochen) return g;
    for (int k = std::max(e.D, 2); k <= std::min(e.RG, 6); ++k) {
        auto& anzahlen = g[std::size_t(2 * k - 3)];
        auto& anteile = g[std::size_t(2 * k - 2)];
        const std::int64_t mengen = e.kombinationen[std::size_t(k)];
        anzahlen[1] = ZahlMitTausendern(mengen);
        for (int m = 1; m <= k; ++m) {
            const std::int64_t h = e.H[std::size_t(k)][std::size_t(m)];
            anzahlen[std::size_t(m + 1)] = h > 0 ? ZahlMitTausendern(h) : "---";
            anteile[std::size_t(m + 1)] = h > 0 ? DezimalText(double(h) / double(mengen) * 100.0, 2) : "---";
        }
    }
    return g;
}

Systemtestfarbe SystemtestZellfarbe(const Tabelle& g, int zeile, int spalte) {
    const auto& reihe = g[std::size_t(zeile)];
    const std::string& text = reihe[std::size_t(spalte)];
    const bool anteilzeile = zeile % 2 == 0;
    if (anteilzeile && text == DezimalText(100.0, 2)) return Systemtestfarbe::Gruen;
    if (spalte >= 2 && !text.empty() && text == reihe[1]) return Systemtestfarbe::Gruen;
    return anteilzeile ? Systemtestfarbe::Hellorange : Systemtestfarbe::Weiss;
}

}  // namespace quintaro
