#pragma once
// The plain way to rank combinations, kept as the yardstick for the counting
// engine (tests compare the lists, the benchmark the time): every combination
// of the lexicographic table is tested against every draw, then the levels are
// taken from the top (or the bottom) count until more than 100 rows are out.
// Also draws and random histories for the statistics tests.
#include <algorithm>
#include <array>
#include <cstdint>
#include <random>
#include <vector>

#include "core/datensaetze.h"
#include "core/kombinatorik.h"
#include "core/spielregeln.h"
#include "statistics/kombizaehlung.h"

namespace quintaro::referenz {

inline TRangliste TabellenScan(const std::vector<TZahlenMenge>& ziehungen, int k) {
    const std::vector<TZahlenMenge> tabelle = KombinationenBilden(MaxZahl, k);
    std::vector<std::uint32_t> anz(tabelle.size(), 0);
    for (std::size_t e = 0; e < tabelle.size(); ++e)
        for (const TZahlenMenge& d : ziehungen)
            if ((tabelle[e] & d) == tabelle[e]) ++anz[e];

    auto stufen = [&](std::int64_t m, int schritt) {
        std::vector<TRangZeile> zeilen;
        do {
            for (std::size_t e = 0; e < tabelle.size(); ++e)
                if (anz[e] == m) zeilen.push_back({tabelle[e], anz[e]});
            m += schritt;
        } while (zeilen.size() <= 100);
        return zeilen;
    };
    const auto [kleinste, groesste] = std::minmax_element(anz.begin(), anz.end());
    return {stufen(*groesste, -1), stufen(*kleinste, +1)};
}

inline TGewZahlen Ziehung(TDatum datum, std::array<int, 6> zahlen, int zz = 45) {
    TGewZahlen z;
    z.datum = datum;
    for (int i = 0; i < 6; ++i) z.GZ[std::size_t(i + 1)] = std::uint8_t(zahlen[std::size_t(i)]);
    z.ZZ = std::uint8_t(zz);
    return z;
}

// `anzahl` draws of six distinct numbers out of 1..hoechste, a draw every
// 3 or 4 days from 2000-01-02 on.
inline std::vector<TGewZahlen> ZufallsZiehungen(int anzahl, unsigned saat, int hoechste = MaxZahl) {
    std::mt19937 zufall(saat);
    std::vector<TGewZahlen> liste;
    TDatum datum = 36527;  // 2000-01-02, a Sunday
    for (int i = 0; i < anzahl; ++i) {
        std::vector<int> topf(static_cast<std::size_t>(hoechste));
        for (int n = 0; n < hoechste; ++n) topf[std::size_t(n)] = n + 1;
        std::shuffle(topf.begin(), topf.end(), zufall);
        std::sort(topf.begin(), topf.begin() + ZahlenProReihe);
        TGewZahlen z;
        z.datum = datum;
        for (int j = 1; j <= ZahlenProReihe; ++j) z.GZ[std::size_t(j)] = std::uint8_t(topf[std::size_t(j - 1)]);
        z.ZZ = std::uint8_t(topf[ZahlenProReihe]);
        liste.push_back(z);
        datum += i % 2 == 0 ? 3 : 4;
    }
    return liste;
}

inline std::vector<TZahlenMenge> Mengen(const std::vector<TGewZahlen>& liste, int von, int bis) {
    std::vector<TZahlenMenge> mengen;
    for (int d = std::max(von, 0); d <= bis && d < int(liste.size()); ++d) mengen.push_back(liste[std::size_t(d)].menge());
    return mengen;
}

}  // namespace quintaro::referenz
