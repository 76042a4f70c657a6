#pragma once
// A reproducible random draw history for the benchmarks: Sundays and
// Wednesdays from 1979 on.
#include <algorithm>
#include <random>
#include <vector>

#include "core/datensaetze.h"
#include "core/spielregeln.h"

namespace bench {

inline std::vector<quintaro::TGewZahlen> ZufallsGeschichte(int anzahl) {
    using namespace quintaro;
    std::mt19937 zufall(42);
    std::vector<TGewZahlen> liste;
    TDatum d = DatumAus(1979, 1, 7);
    for (int i = 0; i < anzahl; ++i) {
        std::vector<int> zahlen(45);
        for (int n = 0; n < 45; ++n) zahlen[std::size_t(n)] = n + 1;
        std::shuffle(zahlen.begin(), zahlen.end(), zufall);
        TGewZahlen z;
        z.datum = d;
        std::sort(zahlen.begin(), zahlen.begin() + 6);
        for (int k = 1; k <= 6; ++k) z.GZ[std::size_t(k)] = std::uint8_t(zahlen[std::size_t(k - 1)]);
        z.ZZ = std::uint8_t(zahlen[6]);
        liste.push_back(z);
        d = NaechsteZiehung(d);
    }
    return liste;
}

}  // namespace bench
