#pragma once
// The row tables of the built-in systems: for every built-in catalogue entry TR
// rows of RG values; value v stands for the v-th smallest Wahlzahl. For an entry
// with a guarantee the rows cover every GA-subset of 1..WZ.
#include <cstdint>
#include <span>

namespace quintaro {

// The row table of built-in entry `index` (0..347): TR rows of RG bytes, row after row; value v stands for the
// v-th smallest Wahlzahl.
std::span<const std::uint8_t> Reihentabelle(int index);
// Value at row `reihe` (1-based), position `pos` (1-based) of the table of built-in entry `index`.
// Throws std::out_of_range for a place outside the table or an RG that is not the entry's.
std::uint8_t SystemElement(int index, int RG, int reihe, int pos);
// Number of GA-subsets of 1..WZ that no row of the table contains (0 for GA = 0).
std::int64_t UnbedeckteTeilmengen(int index);

// Number of GA-subsets of 1..WZ that no row of `zeilen` (rows of RG values, each ascending) contains.
std::int64_t UnbedeckteTeilmengen(std::span<const std::uint8_t> zeilen, int RG, int WZ, int GA);

}  // namespace quintaro
