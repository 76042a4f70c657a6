#pragma once
// The rows of a catalogue entry as sets of Wahlzahl positions 1..WZ (bit v set
// for position v): the row table of a built-in entry in its order, or all
// RG-subsets in lexicographic order for a generated full system.
#include <cstdint>
#include <functional>
#include <vector>

namespace quintaro {

// Visits the rows one by one; full systems are generated on the way, not stored.
void FuerAlleSystemreihen(int index, const std::function<void(std::uint64_t reihe)>& besuche);
std::vector<std::uint64_t> Systemreihen(int index);

}  // namespace quintaro
