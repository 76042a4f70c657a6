#include "transversaldesign.h"

#include <algorithm>

#include "galoisfeld.h"
#include "reparatur.h"

namespace systemgen {

std::optional<Reihen> Transversaldesign(int k, int q) {
    const auto gf = Galoisfeld::Mit(q);
    if (!gf || k > q + 1) return std::nullopt;
    Reihen bloecke;
    for (int b = 0; b < q; ++b)
        for (int a = 0; a < q; ++a) {
            Reihe r;
            for (int i = 0; i < std::min(k, q); ++i) r.push_back(i * q + gf->Plus(a, gf->Mal(b, i)) + 1);
            if (k == q + 1) r.push_back(q * q + b + 1);  // the group of the slopes
            bloecke.push_back(r);
        }
    return bloecke;
}

std::optional<TransversalUeberdeckung> TransversalMitPunkten(int v, int k, int zeilen) {
    for (int q = v / k; q >= k; --q) {
        const int e = v - k * q, rest = zeilen - q * q;
        if (e < 1 || e > q || rest <= 0 || rest % k != 0) continue;
        // The small covering needs at least the Schoenheim bound of rows.
        const int n = q + e;
        if (rest / k < (n * ((n - 1 + k - 2) / (k - 1)) + k - 1) / k) continue;
        const auto td = Transversaldesign(k, q);
        if (!td) continue;
        const auto klein = Ergaenzen(n, k, 2, {}, rest / k, {}, 20'000'000, 1);
        if (!klein) continue;
        // Value w of the small covering: element w - 1 of the group for w <= q, else added value w - q.
        Reihen reihen = *td;
        for (int i = 0; i < k; ++i)
            for (const auto& z : *klein) {
                Reihe r;
                for (int w : z) r.push_back(w <= q ? i * q + w : k * q + w - q);
                reihen.push_back(r);
            }
        Ordnen(reihen);
        Auffuellen(reihen, v, k, std::size_t(zeilen));
        return TransversalUeberdeckung{reihen, "TD(" + std::to_string(k) + "," + std::to_string(q) + ")+" +
                                                   std::to_string(e)};
    }
    return std::nullopt;
}

}  // namespace systemgen
