#include "core/kombinatorik.h"

#include <algorithm>
#include <limits>

namespace quintaro {

std::optional<std::int64_t> BinomialPruefen(int n, int k) {
    if (k < 0 || k > n) return 0;
    const int kk = std::min(k, n - k);
    // r runs through C(n - kk + i, i), which grows with i, so once one step
    // exceeds 64 bits the result does too; each product fits in 128 bits.
    unsigned __int128 r = 1;
    for (int i = 1; i <= kk; ++i) {
        r = r * unsigned(n - kk + i) / unsigned(i);
        if (r > std::numeric_limits<std::int64_t>::max()) return std::nullopt;
    }
    return static_cast<std::int64_t>(r);
}

std::int64_t Binomial(int n, int k) {
    return BinomialPruefen(n, k).value_or(std::numeric_limits<std::int64_t>::max());
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
