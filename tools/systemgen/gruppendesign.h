#pragma once
// Designs with a prescribed automorphism group (Kramer-Mesner): the group's
// orbits on t-subsets and on k-subsets turn the search for a t-(v,k,1) design
// into a small exact cover over orbits.
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "reihen.h"

namespace systemgen {

// A permutation group on 0..v-1, given by generators.
struct Gruppe {
    std::string name;
    int v = 0;
    std::vector<std::vector<int>> erzeuger;
    // Permutations that normalise the group, so they map its orbits onto orbits and invariant coverings onto
    // invariant coverings: a search over the orbits needs to try only one of each set of choices they map
    // onto each other. Generators only; empty when none are known.
    std::vector<std::vector<int>> symmetrien;
};

// Z_n acting as `bahnen` n-cycles on 0..n*bahnen-1, plus `fest` fixed points after them.
Gruppe Zyklisch(int n, int bahnen = 1, int fest = 0);
// Zyklisch(n, bahnen, fest) together with x -> faktor * x on every cycle (faktor a unit mod n).
Gruppe Affin(int n, int faktor, int bahnen = 1, int fest = 0);
// Z_a x Z_b acting regularly on a * b points (point x * b + y).
Gruppe Produkt(int a, int b);

// Small groups on v points: one to `hoechstensBahnen` cycles of equal length and up to three fixed points, the
// cyclic shift alone and together with a multiplier of order 2..6 (largest group first).
std::vector<Gruppe> KleineGruppen(int v, int hoechstensBahnen);

// All elements of the group, the identity first.
std::vector<std::vector<int>> Elemente(const Gruppe& gruppe);

// Blocks of a t-(v,k,1) design (values 1..v) invariant under the group, or nothing. With `vorgegeben`: the
// orbits of these blocks are taken, and the other blocks cover every t-subset they leave open exactly once.
std::optional<Reihen> DesignMitGruppe(int k, int t, const Gruppe& gruppe, std::int64_t knotenGrenze,
                                      std::uint64_t saat, const Reihen& vorgegeben = {});

// A covering of all t-subsets by at most `zeilen` blocks (values 1..v) invariant under the group, or nothing.
// `durchsucht` tells whether nothing means that no such covering exists (the search ended below its limit).
std::optional<Reihen> UeberdeckungMitGruppe(int k, int t, const Gruppe& gruppe, std::int64_t zeilen,
                                            std::int64_t knotenGrenze, std::uint64_t saat,
                                            bool* durchsucht = nullptr);

}  // namespace systemgen
