#pragma once
// Exact completion and repair of coverings. `Ergaenzen` finds further rows that cover every t-subset the given
// rows leave open, by a depth-first search: it branches on the open t-subset with the fewest rows that can
// still take it, and a row may hold already covered t-subsets only as far as the slack (rows left times
// C(k,t) minus the open t-subsets) allows; a bound on the rows each value still needs prunes as well.
// `Reparieren` is a large neighbourhood search built on it: rows near an uncovered t-subset are taken out and
// put back exactly, with different choices of rows round after round.
#include <cstdint>
#include <optional>
#include <random>

#include "reihen.h"

namespace systemgen {

struct Auslassung {
    int anzahl = 0;  // t-subsets that may stay open
    Reihe zuerst;    // a t-subset that must be covered all the same (branched on first), or empty
};

// Up to `anzahl` rows of k values out of 1..v (v <= 64) that together with `fest` cover every t-subset except
// those in `erlassen` and up to `auslassung.anzahl` others, or nothing when there are none or `knotenGrenze`
// search steps (nodes, and values looked at for the rows) did not find them. Ties between equally good rows are broken by `saat`.
std::optional<Reihen> Ergaenzen(int v, int k, int t, const Reihen& fest, int anzahl, const Reihen& erlassen,
                                std::int64_t knotenGrenze, std::uint64_t saat, const Auslassung& auslassung = {});

struct Reparaturvorgaben {
    int runden = 2000;                 // neighbourhoods tried
    int zeilenMin = 6, zeilenMax = 14;  // rows taken out per neighbourhood
    std::int64_t knoten = 2'000'000;   // search steps per neighbourhood
};

struct Reparaturergebnis {
    Reihen reihen;     // the best table seen
    int umbauten = 0;  // neighbourhoods put back differently
};

// The rows (each of k values out of 1..v) repaired round by round: the rows taken out are put back so that
// one uncovered t-subset is covered and nothing else opens; failing that, so that at most one other subset
// (that only they covered) opens instead, which walks the table along the plateau.
Reparaturergebnis Reparieren(int v, int k, int t, Reihen reihen, const Reparaturvorgaben& vorgaben,
                             std::mt19937_64& zufall);

}  // namespace systemgen
