#pragma once
// Pair coverings by quintuples built on a transversal design TD(5,q) over GF(q): its q² blocks
// {(i, a + b·x_i) : i = 0..4} (a, b in GF(q), x_0..x_4 distinct) hold every pair of points from two
// different groups exactly once. Left to cover are the pairs inside each group of q points and those of
// the u = v - 5q points beyond the groups, with each other and with the groups.
#include <cstdint>
#include <optional>

#include "erzeugung.h"

namespace systemgen {

// A covering of the pairs of 1..WZ by TR quintuples from a TD(5,q) with at most 3q points beyond, or
// nothing when no q leaves rows enough for the rest. Groups of 8 with 3 points beyond are covered by a
// fixed scheme, other cases by the pair annealing around the fixed TD blocks, or all but a few parallel
// classes of them (`schritte` moves per case, largest q first, until one is complete); the best may leave
// pairs open.
std::optional<Erzeugnis> PaareAusTransversalplan(const quintaro::TSysteme& s, std::uint64_t saat,
                                                 std::int64_t schritte);

}  // namespace systemgen
