#pragma once
// Pairs of 47 values by 79 sextuples, at the Schoenheim bound: the TD(6,8) over GF(8) with one point struck.
#include "reihen.h"

namespace systemgen {

// The 64 TD blocks hold every pair from two different groups; struck is the last point of the last group F,
// so its 8 blocks keep five values each and take one more. Each group G of 8 is covered by the two rows
// G \ {x3,x4} and G \ {x1,x2}, which leave the four pairs between {x1,x2} and {x3,x4} open. For the groups A, D
// and E those four go into one row {x1..x4} each (A's with the pair of F that is still open). For B and C the
// x_i are the values of B (of C) in four of the struck point's blocks, and each of these blocks takes the
// partner of its x_i round the 4-cycle x1 x3 x2 x4, covering one open pair. F's seven values: {f1..f6} and
// {f1..f5, f7}, leaving f6 f7 for A's row. 64 + 5·2 + 2 + 3 = 79 rows.
Reihen SechserAuf47();

}  // namespace systemgen
