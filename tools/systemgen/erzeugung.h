#pragma once
// One table for one built-in entry: prescribed rows, a design or covering with
// a small automorphism group, a neighbouring table with values struck, or the
// annealing search.
#include <cstdint>
#include <optional>
#include <string>

#include "paargluehen.h"
#include "reihen.h"
#include "systems/katalog.h"

namespace systemgen {

struct Vorgaben {
    std::uint64_t saat = 1;
    std::int64_t schritte = 5'000'000;  // moves per entry for the tabu search and again for the annealing
    bool bahnen = false;                // also anneal coverings with a cyclic symmetry
    bool weiter = false;                // searches start from the entry's own table in the file, if it has its form
    std::optional<Gruppenform> gruppe;  // pair coverings: only this group shape instead of the usual ones
    int reparaturRunden = 300;          // neighbourhoods the exact repair tries on a table with a few subsets open
    bool nurGruppe = false;             // pair coverings: the group annealing's table, without the free search after it
    bool nurPlan = false;               // pair coverings: the transversal design's table, repaired, nothing after it
    std::int64_t knoten = 1'000'000;    // search nodes per group and try of the depth-first search over orbits
    int programmSekunden = 0;           // > 0: the integer program (cbc) instead of that search, seconds per group
    bool gewichte = false;              // the tabu search with weights on subsets that stay uncovered
};

struct Erzeugnis {
    Reihen reihen;
    std::string methode;
};

// `tabellen`: the tables there are so far; complete ones of neighbouring entries can be built upon.
Erzeugnis Erzeuge(int index, const quintaro::TSysteme& s, const Vorgaben& vorgaben,
                  const std::vector<Reihen>& tabellen);

// Subsets that the rows leave uncovered: GA-subsets, for GA = 0 pairs.
std::int64_t Unbedeckt(const Reihen& reihen, const quintaro::TSysteme& s);
// TR rows of RG distinct ascending values in 1..WZ, every value used.
bool FormGueltig(const Reihen& reihen, const quintaro::TSysteme& s);

}  // namespace systemgen
