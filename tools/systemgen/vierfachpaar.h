#pragma once
// Pair coverings by quadruples for v = 7 or 10 (mod 12) at the Schoenheim bound. Counting forces their shape:
// one pair {x, y} lies in four rows and every other pair in exactly one. Such a covering is sought with a
// cyclic automorphism group that keeps {x, y} and permutes the four rows through it (Z_8, Z_4 or Z_2 on copies
// with x, y fixed or swapped, or Z_3 on copies with the row {x, y, a, b} fixed): those rows are prescribed
// and the others are found as an exact cover of the remaining pair orbits (Kramer-Mesner).
#include <cstdint>
#include <optional>
#include <random>
#include <string>

#include "reihen.h"

namespace systemgen {

struct Vierfachergebnis {
    Reihen reihen;
    std::string gruppe;
};

// The covering of 1..v by its `zeilen` rows, or nothing when no group shape gave one within `knoten` search
// nodes per try (`versuche` tries per shape).
std::optional<Vierfachergebnis> VierfachPaar(int v, int zeilen, int versuche, std::int64_t knoten,
                                             std::mt19937_64& zufall);

}  // namespace systemgen
