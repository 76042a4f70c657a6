#pragma once
// Test helpers for the searches over orbits: a case with its expected answer, and how many t-subsets of
// 1..v no row of a table holds.
#include <set>
#include <vector>

#include "core/kombinatorik.h"
#include "gruppendesign.h"
#include "reihen.h"

namespace systemgen {

// Cover the t-subsets by k-sets in at most `zeilen` rows invariant under `gruppe`; `gibtEs`: whether that exists.
struct Bahnenfall {
    const char* name;
    int k, t;
    Gruppe gruppe;
    int zeilen;
    bool gibtEs;
};

inline std::int64_t Offen(const Reihen& reihen, int v, int t) {
    std::set<std::vector<int>> bedeckt;
    for (const auto& r : reihen)
        quintaro::FuerAlleKombinationen(int(r.size()), t, [&](const std::vector<int>& pos) {
            std::vector<int> teil;
            for (int i : pos) teil.push_back(r[std::size_t(i - 1)]);
            bedeckt.insert(teil);
            return true;
        });
    return quintaro::Binomial(v, t) - std::int64_t(bedeckt.size());
}

}  // namespace systemgen
