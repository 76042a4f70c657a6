#include "steinersysteme.h"

#include <algorithm>
#include <bit>
#include <cstdint>

namespace systemgen {

Reihen Oktaden() {
    constexpr std::uint32_t erzeuger = 0b110001110101;  // bits 0, 2, 4, 5, 6, 10, 11
    Reihen oktaden;
    for (std::uint32_t nachricht = 0; nachricht < 4096; ++nachricht) {
        std::uint32_t wort = 0;
        for (int i = 0; i < 12; ++i)
            if (nachricht >> i & 1) wort ^= erzeuger << i;
        if (std::popcount(wort) % 2 == 1) wort |= 1u << 23;
        if (std::popcount(wort) != 8) continue;
        Reihe r;
        for (int p = 0; p < 24; ++p)
            if (wort >> p & 1) r.push_back(p + 1);
        oktaden.push_back(r);
    }
    return oktaden;
}

Reihen Abgeleitet(const Reihen& bloecke, const std::vector<int>& punkte) {
    Reihen ergebnis;
    for (const auto& b : bloecke) {
        if (!std::all_of(punkte.begin(), punkte.end(),
                         [&](int p) { return std::find(b.begin(), b.end(), p) != b.end(); }))
            continue;
        Reihe r;
        for (int w : b)
            if (std::find(punkte.begin(), punkte.end(), w) == punkte.end()) r.push_back(w);
        ergebnis.push_back(r);
    }
    return ergebnis;
}

}  // namespace systemgen
