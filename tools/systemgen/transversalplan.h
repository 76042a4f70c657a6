#pragma once
// Pair coverings by rows of k built on a transversal design TD(k,q) over GF(q) (see transversaldesign.h): its
// q² blocks hold every pair of points from two different groups exactly once. Left to cover are the pairs
// inside each group of q points and those of the u = v - kq points beyond the groups, with each other and
// with the groups.
#include <cstdint>
#include <optional>

#include "erzeugung.h"

namespace systemgen {

// A covering of the pairs of 1..WZ by TR rows of RG >= 4 from a TD(RG,q) with at most 3q points beyond, or
// nothing when no q leaves rows enough for the rest. Quintuples on groups of 8 with 3 points beyond are
// covered by a fixed scheme, other cases by the pair annealing around the fixed TD blocks, or all but a few
// parallel classes of them (`schritte` moves per case, largest q first, until one is complete); the best may
// leave pairs open.
std::optional<Erzeugnis> PaareAusTransversalplan(const quintaro::TSysteme& s, std::uint64_t saat,
                                                 std::int64_t schritte);

}  // namespace systemgen
