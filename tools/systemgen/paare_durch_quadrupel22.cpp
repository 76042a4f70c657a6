#include "paare_durch_quadrupel22.h"

#include <array>
#include <vector>

#include "core/kombinatorik.h"
#include "exakte_ueberdeckung.h"

namespace systemgen {

std::optional<Reihen> PaareDurchQuadrupel22(std::int64_t knotenGrenze, std::uint64_t saat) {
    // Points 0..19, u = 20, w = 21. The pairs {x_i, y_i} are {0,1}..{6,7}; u's triples split 8..19 into
    // runs of three, w's triples take one point from three different runs.
    const std::vector<std::vector<int>> paare = {{0, 1}, {2, 3}, {4, 5}, {6, 7}};
    const std::vector<std::vector<int>> tripelU = {{8, 9, 10}, {11, 12, 13}, {14, 15, 16}, {17, 18, 19}};
    const std::vector<std::vector<int>> tripelW = {{8, 11, 14}, {9, 12, 17}, {10, 15, 18}, {13, 16, 19}};
    std::array<std::array<bool, 20>, 20> gedeckt{};
    for (const auto* teil : {&paare, &tripelU, &tripelW})
        for (const auto& m : *teil)
            for (std::size_t i = 0; i < m.size(); ++i)
                for (std::size_t j = i + 1; j < m.size(); ++j)
                    gedeckt[std::size_t(m[i])][std::size_t(m[j])] = gedeckt[std::size_t(m[j])][std::size_t(m[i])] = true;
    std::array<std::array<int, 20>, 20> spalte{};
    int spalten = 0;
    for (int a = 0; a < 20; ++a)
        for (int b = a + 1; b < 20; ++b)
            if (!gedeckt[std::size_t(a)][std::size_t(b)]) spalte[std::size_t(a)][std::size_t(b)] = spalten++;
    ExakteUeberdeckung problem(spalten);
    Reihen kandidaten;
    quintaro::FuerAlleKombinationen(20, 4, [&](const std::vector<int>& q) {
        std::vector<int> zeile;
        for (int i = 0; i < 4; ++i)
            for (int j = i + 1; j < 4; ++j) {
                const auto a = std::size_t(q[std::size_t(i)] - 1), b = std::size_t(q[std::size_t(j)] - 1);
                if (gedeckt[a][b]) return true;
                zeile.push_back(spalte[a][b]);
            }
        problem.Zeile(zeile);
        kandidaten.push_back(q);
        return true;
    });
    const auto loesung = problem.Loese(knotenGrenze, saat);
    if (!loesung) return std::nullopt;
    Reihen reihen;
    for (int z : *loesung) reihen.push_back(kandidaten[std::size_t(z)]);
    for (const auto& p : paare) reihen.push_back({p[0] + 1, p[1] + 1, 21, 22});
    for (const auto& t : tripelU) reihen.push_back({t[0] + 1, t[1] + 1, t[2] + 1, 21});
    for (const auto& t : tripelW) reihen.push_back({t[0] + 1, t[1] + 1, t[2] + 1, 22});
    return reihen;
}

}  // namespace systemgen
