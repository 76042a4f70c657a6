#include "transversalpunkt.h"

#include "reparatur.h"

namespace systemgen {

std::optional<Reihen> TransversalMitPunkt(int v, int k, int zeilen) {
    if ((v - 1) % k != 0) return std::nullopt;
    const int g = (v - 1) / k;
    if (g < k) return std::nullopt;
    for (int d = 2; d * d <= g; ++d)
        if (g % d == 0) return std::nullopt;
    const int rest = zeilen - g * g;
    if (rest <= 0 || rest % k != 0) return std::nullopt;
    const auto klein = Ergaenzen(g + 1, k, 2, {}, rest / k, {}, 20'000'000, 1);
    if (!klein) return std::nullopt;
    // Value of (group i, element x): i * g + x + 1; the extra value v.
    Reihen reihen;
    for (int x = 0; x < g; ++x)
        for (int y = 0; y < g; ++y) {
            Reihe r;
            for (int i = 0; i < k; ++i) r.push_back(i * g + (x + i * y) % g + 1);
            reihen.push_back(r);
        }
    for (int i = 0; i < k; ++i)
        for (const auto& z : *klein) {
            Reihe r;
            for (int w : z) r.push_back(w == g + 1 ? v : i * g + w);
            reihen.push_back(r);
        }
    Ordnen(reihen);
    Auffuellen(reihen, v, k, std::size_t(zeilen));
    return reihen;
}

}  // namespace systemgen
