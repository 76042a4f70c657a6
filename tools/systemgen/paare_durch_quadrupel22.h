#pragma once
// Pairs of 22 points covered by 39 quadruples (the Schoenheim bound). Counting shows the shape of such a
// covering: two points u, w lie in 8 blocks each, the others in 7; {u, w} is covered four times and every
// other pair once. So u and w share four blocks {u, w, x_i, y_i}; u has four more blocks u + T and w four
// more w + T', where the triples T and T' both partition the same 12 points. With that frame fixed, the 27
// remaining blocks are an exact cover of the pairs of the other 20 points the frame leaves open.
#include <cstdint>
#include <optional>

#include "reihen.h"

namespace systemgen {

// The 39 blocks on 1..22, or nothing when the search ends without a cover within `knotenGrenze` nodes.
std::optional<Reihen> PaareDurchQuadrupel22(std::int64_t knotenGrenze, std::uint64_t saat);

}  // namespace systemgen
