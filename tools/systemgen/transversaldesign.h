#pragma once
// Transversal designs over finite fields, and the pair coverings built on a TD with a few points added.
#include <optional>
#include <string>

#include "reihen.h"

namespace systemgen {

// The q² blocks {(i, a + b·i) : i < k} of a TD(k,q) over GF(q), k <= q + 1, q a prime power; point i*q + y + 1 is
// element y of group i. Every pair of points from different groups lies in exactly one block, none inside a
// group. The blocks of one b, q in a row, form a parallel class. For k = q + 1 each block also takes its slope
// b from the last group (point q*q + b + 1), so the blocks of one b share that point instead.
std::optional<Reihen> Transversaldesign(int k, int q);

struct TransversalUeberdeckung {
    Reihen reihen;
    std::string methode;  // "TD(k,q)+e"
};

// `zeilen` rows of k covering every pair of 1..v as a TD(k,q) with e = v - kq further values (1 <= e <= q): each
// group together with those values gets the same small covering of its q + e values, found exactly, so the rows
// left over besides the TD must share out evenly over the k groups. Every fitting q is tried, largest first;
// nothing when none fits.
std::optional<TransversalUeberdeckung> TransversalMitPunkten(int v, int k, int zeilen);

}  // namespace systemgen
