#include "tripel_durch_quadrupel.h"

#include <algorithm>
#include <map>

#include "core/kombinatorik.h"
#include "exakte_ueberdeckung.h"

namespace systemgen {

std::vector<std::vector<int>> ZyklischesTripelsystem13() {
    std::vector<std::vector<int>> system;
    for (const auto& basis : {std::vector<int>{0, 1, 4}, std::vector<int>{0, 2, 7}})
        for (int i = 0; i < 13; ++i) system.push_back({(basis[0] + i) % 13, (basis[1] + i) % 13, (basis[2] + i) % 13});
    return system;
}

std::optional<Reihen> QuadrupelUeberTripelsystem(int v, const std::vector<std::vector<int>>& system,
                                                 std::int64_t knotenGrenze, std::uint64_t saat) {
    // One column per triple (values 0..v-1, ascending).
    std::map<std::vector<int>, int> spalte;
    quintaro::FuerAlleKombinationen(v, 3, [&](const std::vector<int>& a) {
        spalte.emplace(std::vector<int>{a[0] - 1, a[1] - 1, a[2] - 1}, int(spalte.size()));
        return true;
    });
    std::vector<bool> imSystem(spalte.size(), false);
    for (auto t : system) {
        std::sort(t.begin(), t.end());
        imSystem[std::size_t(spalte.at(t))] = true;
    }
    auto tripel = [&](std::vector<int> t) {
        std::sort(t.begin(), t.end());
        return spalte.at(t);
    };
    // The columns of the three triples of block t + {x} other than t itself.
    auto uebrige = [&](const std::vector<int>& t, int x, std::vector<int>& zeile) {
        for (int weg = 0; weg < 3; ++weg) {
            std::vector<int> u = {x};
            for (int i = 0; i < 3; ++i)
                if (i != weg) u.push_back(t[std::size_t(i)]);
            zeile.push_back(tripel(u));
        }
    };
    ExakteUeberdeckung problem(int(spalte.size()));
    std::vector<Reihen> bloecke;  // the blocks of each row
    // Blocks without a triple of the system, one row each.
    quintaro::FuerAlleKombinationen(v, 4, [&](const std::vector<int>& a) {
        std::vector<int> zeile;
        for (int weg = 0; weg < 4; ++weg) {
            std::vector<int> t;
            for (int i = 0; i < 4; ++i)
                if (i != weg) t.push_back(a[std::size_t(i)] - 1);
            if (imSystem[std::size_t(tripel(t))]) return true;
            zeile.push_back(tripel(t));
        }
        problem.Zeile(zeile);
        bloecke.push_back({a});
        return true;
    });
    // A triple of the system with its two blocks t + {x}, t + {y}: one row for the pair.
    for (auto t : system) {
        std::sort(t.begin(), t.end());
        for (int x = 0; x < v; ++x)
            for (int y = x + 1; y < v; ++y) {
                if (std::find(t.begin(), t.end(), x) != t.end() || std::find(t.begin(), t.end(), y) != t.end())
                    continue;
                std::vector<int> zeile = {tripel(t)};
                uebrige(t, x, zeile);
                uebrige(t, y, zeile);
                bool frei = true;  // those six triples must lie outside the system
                for (std::size_t i = 1; i < zeile.size(); ++i) frei = frei && !imSystem[std::size_t(zeile[i])];
                if (!frei) continue;
                problem.Zeile(zeile);
                Reihe bx = {t[0] + 1, t[1] + 1, t[2] + 1, x + 1}, by = {t[0] + 1, t[1] + 1, t[2] + 1, y + 1};
                std::sort(bx.begin(), bx.end());
                std::sort(by.begin(), by.end());
                bloecke.push_back({bx, by});
            }
    }
    const auto loesung = problem.Loese(knotenGrenze, saat);
    if (!loesung) return std::nullopt;
    Reihen reihen;
    for (int z : *loesung)
        for (const auto& b : bloecke[std::size_t(z)]) reihen.push_back(b);
    return reihen;
}

}  // namespace systemgen
