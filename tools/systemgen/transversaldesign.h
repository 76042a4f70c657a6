#pragma once
// Transversal designs TD(k, q) over the finite field of order q, and pair coverings built on them:
// the k groups of a TD(6, q) together with e further points, each group with those points
// covered by three rows when q + e = 9.
#include <optional>

#include "reihen.h"

namespace systemgen {

// Arithmetic of GF(q) for a prime power q = p^n (n <= 3): elements 0..q-1 as base-p digit strings of
// the polynomial's coefficients, reduced by the first monic irreducible polynomial of degree n.
class Endlicherkoerper {
public:
    // Nothing when q is not a prime power p^n with n <= 3.
    static std::optional<Endlicherkoerper> Mit(int q);
    int Ordnung() const { return q_; }
    int Plus(int a, int b) const;
    int Mal(int a, int b) const;

private:
    Endlicherkoerper(int p, int n);
    int p_, n_, q_;
    std::vector<int> modul_;  // coefficients of x^n in terms of the lower powers, i.e. x^n = sum modul_[i] x^i
};

// The q^2 blocks {(i, a + b * x_i) : i < k} of a TD(k, q), k <= q, x_i the field element i; point (i, y)
// is i * q + y (0-based). Every pair of points from different groups lies in exactly one block.
Reihen Transversaldesign(const Endlicherkoerper& koerper, int k);

// A pair covering of 6q + e points (values 1..6q+e) by q^2 + 18 sextuples when q + e = 9: a TD(6, q) on
// the first 6q values and, for each group, the group with the e last values covered by three sextuples.
// Nothing when q is no prime power, q < 6 or q + e != 9.
std::optional<Reihen> TransversaldesignMitPunkten(int q, int e);

}  // namespace systemgen
