#pragma once
// Steiner systems from the extended binary Golay code: its 759 words of weight 8 (octads) are the
// blocks of S(5,8,24); the blocks through chosen points, those points struck, give the derived
// systems S(4,7,23), S(3,6,22) and S(2,5,21).
#include <vector>

#include "reihen.h"

namespace systemgen {

// The octads of S(5,8,24) on 1..24, from the cyclic Golay code of length 23 (generator polynomial
// 1 + x^2 + x^4 + x^5 + x^6 + x^10 + x^11) extended by a parity bit at point 24.
Reihen Oktaden();

// The blocks that hold every point of `punkte`, those points struck and the others renumbered 1, 2, ...
// in their order (the points of `punkte` must be the largest ones for the numbering to stay contiguous).
Reihen Abgeleitet(const Reihen& bloecke, const std::vector<int>& punkte);

}  // namespace systemgen
