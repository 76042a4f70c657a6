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
    std::vector<std::int64_t> punktGroesse;  // the orbits of the points
    // Per t-orbit: the point orbits its members meet, and how many members pass through one point of each.
    std::vector<std::vector<std::pair<int, std::int64_t>>> tDurchPunkt;
    // Only with `mitStufen`: for s = 1..t-1 (index s-1) and each k-orbit, the s-orbits its blocks meet and
    // how many blocks of the orbit pass through each member of such an s-orbit.
    struct Stufe {
        std::vector<std::vector<std::pair<int, std::int64_t>>> durch;
        int bahnen = 0;
    };
    std::vector<Stufe> stufen;
};

Bahnenmodell Modell(int k, int t, const Gruppe& gruppe, bool mitStufen = false);

// Row counts made of whole orbits are multiples of the orbit lengths' gcd: the largest such multiple within
// `zeilen`. A search over the orbits may hold to it, which tightens every bound it prunes or proves with.
std::int64_t ErreichbareZeilen(const Bahnenmodell& m, std::int64_t zeilen);

// Per k-orbit: its class under the permutations (which must normalise the group), numbered by the
// class's first orbit. Orbits of one class may stand in for each other wherever nothing has been chosen yet.
std::vector<int> Klassen(const Bahnenmodell& m, const std::vector<Perm>& symmetrien);

// The blocks of the chosen orbits (values 1..v).
Reihen Ausrollen(const Bahnenmodell& m, const std::vector<int>& gewaehlt);

}  // namespace systemgen
