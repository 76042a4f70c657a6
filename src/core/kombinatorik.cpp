#include "core/kombinatorik.h"

#include <algorithm>
#include <cmath>

namespace quintaro {

std::int64_t Binomial(int n, int k) {
    if (k > n) return 0;
    if (k == n) return 1;
    const int kk = std::min(k, n - k);
    // Cancel each denominator against the numerators, then multiply out.
    std::vector<std::int64_t> zaehler;
    for (int i = 0; i < kk; ++i) zaehler.push_back(n - i);
    std::int64_t nenner = 1;
    for (int d = kk; d >= 2; --d) {
        bool gekuerzt = false;
        for (auto it = zaehler.rbegin(); it != zaehler.rend(); ++it) {
            if (*it % d == 0) {
                *it /= d;
                gekuerzt = true;
                break;
            }
        }
        if (!gekuerzt) nenner *= d;
    }
    std::int64_t produkt = 1;
    for (auto z : zaehler) produkt *= z;
    return static_cast<std::int64_t>(std::llround(double(produkt) / double(nenner)));
}

std::vector<TZahlenMenge> KombinationenBilden(int n, int k) {
    std::vector<TZahlenMenge> liste;
    liste.reserve(std::size_t(std::max<std::int64_t>(0, Binomial(n, k))));
    FuerAlleKombinationen(n, k, [&](const std::vector<int>& a) {
        TZahlenMenge m;
        for (int z : a) m.hinzu(z);
        liste.push_back(m);
        return true;
    });
    return liste;
}

std::vector<std::uint8_t> MengeZuFeld(const TZahlenMenge& menge, int m, int grenze) {
    std::vector<std::uint8_t> feld(std::size_t(std::max(m, 0)), 0);
    int pos = 0;
    for (int z = 1; z <= grenze && pos < m; ++z)
        if (menge.enthaelt(z)) feld[std::size_t(pos++)] = std::uint8_t(z);
    return feld;
}

std::string MengeAlsText(const TZahlenMenge& menge, int hoechste, std::string_view trenner) {
    std::string text;
    bool erstes = true;
    for (int z = 1; z <= hoechste; ++z) {
        if (!menge.enthaelt(z)) continue;
        if (!erstes) text += trenner;
        text += std::to_string(z);
        erstes = false;
    }
    return text;
}

}  // namespace quintaro
