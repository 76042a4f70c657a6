#pragma once
// The orbits of a permutation group on the t-subsets and on the k-subsets of 0..v-1 (v <= 64, subsets as
// bit masks): the columns and rows of every search over whole orbits.
#include <cstdint>
#include <utility>
#include <vector>

#include "gruppendesign.h"
#include "reihen.h"

namespace systemgen {

using Perm = std::vector<int>;
using Maske = std::uint64_t;

Maske Bild(const Perm& p, Maske m);
Maske AlsMaske(const std::vector<int>& a);  // members 1-based

struct Bahnenmodell {
    std::vector<Perm> elemente;
    std::vector<std::int64_t> tGroesse;
    std::vector<Maske> vertreter;           // one k-subset of each orbit
    std::vector<std::int64_t> groesse;      // blocks in the orbit
    std::vector<std::vector<int>> spalten;  // t-orbits the orbit covers
    std::vector<bool> einfach;              // covers each t-subset of those orbits exactly once
    // Only with `mitStufen`: for s = 1..t-1 (index s-1) and each k-orbit, the s-orbits its blocks meet and
    // how many blocks of the orbit pass through each member of such an s-orbit.
    struct Stufe {
        std::vector<std::vector<std::pair<int, std::int64_t>>> durch;
        int bahnen = 0;
    };
    std::vector<Stufe> stufen;
};

Bahnenmodell Modell(int k, int t, const Gruppe& gruppe, bool mitStufen = false);

// The blocks of the chosen orbits (values 1..v).
Reihen Ausrollen(const Bahnenmodell& m, const std::vector<int>& gewaehlt);

}  // namespace systemgen
