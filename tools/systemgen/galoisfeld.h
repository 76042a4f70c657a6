#pragma once
// The finite field GF(q) for a prime power q: elements 0..q-1 as the base-p digits of a polynomial's
// coefficients, products taken modulo a monic irreducible polynomial of degree n (q = p^n).
#include <optional>
#include <vector>

namespace systemgen {

class Galoisfeld {
public:
    // GF(q), or nothing when q is no prime power (or not in 2..255).
    static std::optional<Galoisfeld> Mit(int q);

    int Ordnung() const { return q_; }
    int Plus(int a, int b) const { return summe_[std::size_t(a * q_ + b)]; }
    int Mal(int a, int b) const { return produkt_[std::size_t(a * q_ + b)]; }

private:
    Galoisfeld(int q, std::vector<int> summe, std::vector<int> produkt)
        : q_(q), summe_(std::move(summe)), produkt_(std::move(produkt)) {}

    int q_;
    std::vector<int> summe_, produkt_;
};

}  // namespace systemgen
