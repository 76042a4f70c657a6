#include "transversalplan.h"

#include <algorithm>
#include <cstdio>

#include "paargluehen.h"
#include "transversaldesign.h"

namespace systemgen {

namespace {
// Rows of k besides the TD's that the v = kq + u points need at least: a point of a group meets its q - 1 + u
// partners, a point beyond its kq + u - 1 partners, at most k - 1 in a row.
int ZeilenNebenDemPlan(int k, int q, int u) {
    const int plaetze = k * q * ((q - 1 + u + k - 2) / (k - 1)) + u * ((k * q + u - 1 + k - 2) / (k - 1));
    return (plaetze + k - 1) / k;
}

// Group g of 8 points (values erster..erster+7) and the 3 points beyond: the group's points carry the
// even-weight vectors of GF(2)^3, each twice, and point j beyond takes two rows, the group's points with
// coordinate j equal to 0 and to 1. Two even-weight vectors agree in some coordinate, so every pair of the
// group shares a row, and every point beyond meets every point of the group. 6 rows.
Reihen AchterGruppeMitDreien(int erster, int jenseits) {
    static constexpr int gerade[4] = {0b000, 0b011, 0b101, 0b110};
    Reihen reihen;
    for (int j = 0; j < 3; ++j)
        for (int bit = 0; bit <= 1; ++bit) {
            Reihe r;
            for (int y = 0; y < 8; ++y)
                if ((gerade[y / 2] >> j & 1) == bit) r.push_back(erster + y);
            r.push_back(jenseits + j);
            reihen.push_back(r);
        }
    return reihen;
}
}  // namespace

std::optional<Erzeugnis> PaareAusTransversalplan(const quintaro::TSysteme& s, std::uint64_t saat,
                                                 std::int64_t schritte) {
    const int k = s.RG;
    if (k < 4 || s.GA != 2) return std::nullopt;
    std::optional<Erzeugnis> bestes;
    std::int64_t wenigste = -1;
    for (int q = s.WZ / k; q >= k - 1; --q) {
        const int u = s.WZ - k * q;
        const auto plan = Transversaldesign(k, q);
        if (!plan || u > 3 * q || int(plan->size()) + ZeilenNebenDemPlan(k, q, u) > int(s.TR)) continue;
        char name[32];
        std::snprintf(name, sizeof name, "TD(%d,%d)+%d", k, q, u);
        if (k == 5 && q == 8 && u == 3) {
            Reihen reihen = *plan;
            for (int g = 0; g < 5; ++g)
                for (auto& r : AchterGruppeMitDreien(8 * g + 1, 41)) reihen.push_back(r);
            reihen.push_back({1, 2, 41, 42, 43});  // the pairs of the points beyond
            Ordnen(reihen);
            Auffuellen(reihen, s.WZ, s.RG, s.TR);
            return Erzeugnis{reihen, name};
        }
        // All TD blocks fixed, then those of one to four parallel classes (the last ones, one class always
        // kept) left to the annealing; each case with a seed of its own.
        for (int frei = 0; frei <= std::min(4, q - 1) * q && wenigste != 0; frei += q) {
            const Reihen feste(plan->begin(), plan->end() - frei);
            Paargluehen fuellung(s.WZ, s.RG, int(s.TR) - int(feste.size()), Gruppenform{1, s.WZ, 0, 0},
                                 saat + std::uint64_t(1000 * q + frei), feste);
            fuellung.Gluehen(schritte);
            std::fprintf(stderr, "    %-20s %2d frei unbedeckt %4lld\n", name, frei, (long long)fuellung.Unbedeckt());
            if (wenigste < 0 || fuellung.Unbedeckt() < wenigste) {
                wenigste = fuellung.Unbedeckt();
                char methode[48];  // "-1": one parallel class left to the annealing
                std::snprintf(methode, sizeof methode, frei > 0 ? "%s-%d Gluehen" : "%s Gluehen", name, frei / q);
                bestes = Erzeugnis{fuellung.Ergebnis(), methode};
            }
        }
        if (wenigste == 0) break;
    }
    return bestes;
}

}  // namespace systemgen
