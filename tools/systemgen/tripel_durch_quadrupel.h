#pragma once
// Triples covered by quadruples on 13 points with the fewest blocks, 78. Counting shows that in such a
// covering every point lies in 24 blocks and the triples covered twice form a Steiner triple system, every
// other triple is covered once. So the covering is an exact cover: each triple of a fixed STS(13) gets a
// pair of blocks (itself with two further points), the triples outside it one block each.
#include <cstdint>
#include <optional>
#include <vector>

#include "reihen.h"

namespace systemgen {

// The cyclic STS(13): base blocks {0,1,4} and {0,2,7} mod 13, values 0..12.
std::vector<std::vector<int>> ZyklischesTripelsystem13();

// Quadruples on 0..v-1 covering the triples of `system` (an STS) exactly twice and every other triple
// exactly once, values 1..v; nothing when the search ends without one within `knotenGrenze` nodes.
std::optional<Reihen> QuadrupelUeberTripelsystem(int v, const std::vector<std::vector<int>>& system,
                                                 std::int64_t knotenGrenze, std::uint64_t saat);

}  // namespace systemgen
