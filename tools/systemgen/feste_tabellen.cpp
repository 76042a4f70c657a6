#include "feste_tabellen.h"

#include <algorithm>

namespace systemgen {

namespace {
// A Steiner triple system on 1..15 built from the Fano plane on 1..7 and a
// one-factorisation of the complete graph on 8..15 (one factor per point of
// the plane), listed in lexicographic order.
Reihen TripelsystemAus15() {
    Reihen r = {{1, 2, 3}, {1, 4, 5}, {1, 6, 7}, {2, 4, 6}, {2, 5, 7}, {3, 4, 7}, {3, 5, 6}};
    // Factor i of the points ∞ = 15 and j = 8 + j' (j' in Z7): {∞, i} and {i + d, i - d}, d = 1..3.
    // Point p of the plane takes factor p mod 7, so point 7 takes factor 0.
    for (int p = 1; p <= 7; ++p) {
        const int i = p % 7;
        r.push_back({p, 8 + i, 15});
        for (int d = 1; d <= 3; ++d) r.push_back({p, 8 + (i + d) % 7, 8 + (i + 7 - d) % 7});
    }
    Ordnen(r);
    std::sort(r.begin(), r.end());
    return r;
}
}  // namespace

std::optional<Reihen> FesteTabelle(int index) {
    switch (index) {
        case 0:
            return Reihen{{1, 2, 3}, {1, 2, 4}, {1, 3, 4}};
        case 1:
            return Reihen{{1, 2, 3}, {1, 4, 5}, {2, 3, 4}, {2, 3, 5}};
        case 2:
            return Reihen{{2, 3, 5}, {3, 4, 6}, {1, 4, 5}, {2, 5, 6}, {1, 3, 6}, {1, 2, 4}};
        case 11: {
            auto r = TripelsystemAus15();
            r.push_back({1, 2, 3});
            return r;
        }
        case 141:
            return Reihen{{1, 2, 6, 7, 8}, {2, 3, 4, 5, 9}};
        case 252:
            return Reihen{{1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 7}, {1, 2, 3, 4, 6, 7}};
        case 308: {
            Reihen r;
            for (int weg = 7; weg >= 2; --weg) {
                Reihe z;
                for (int w = 1; w <= 7; ++w)
                    if (w != weg) z.push_back(w);
                r.push_back(z);
            }
            return r;
        }
        default:
            return std::nullopt;
    }
}

}  // namespace systemgen
