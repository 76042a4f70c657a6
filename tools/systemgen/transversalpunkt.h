#pragma once
// Pair coverings of v = k * g + 1 values by rows of k: a transversal design TD(k, g) from Z_g (g prime, k <= g:
// row {(i, x + i * y)} for x, y in Z_g) covers every pair from different groups exactly once; each group with
// the extra value then gets a small covering of its g + 1 values, found exactly by `Ergaenzen`, the same one for
// all groups.
#include <optional>

#include "reihen.h"

namespace systemgen {

// `zeilen` rows covering every pair of 1..v, or nothing when v does not have that form or no small covering
// fits the rows left over (they must share out evenly over the k groups).
std::optional<Reihen> TransversalMitPunkt(int v, int k, int zeilen);

}  // namespace systemgen
