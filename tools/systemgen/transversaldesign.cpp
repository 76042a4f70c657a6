#include "transversaldesign.h"

#include <algorithm>

namespace systemgen {

std::optional<Endlicherkoerper> Endlicherkoerper::Mit(int q) {
    for (int p = 2; p <= q; ++p) {
        if (q % p != 0) continue;  // p is the smallest prime factor
        int n = 0, rest = q;
        while (rest % p == 0) rest /= p, ++n;
        if (rest != 1 || n > 3) return std::nullopt;
        return Endlicherkoerper(p, n);
    }
    return std::nullopt;
}

Endlicherkoerper::Endlicherkoerper(int p, int n) : p_(p), n_(n), q_(1) {
    for (int i = 0; i < n; ++i) q_ *= p;
    modul_.assign(std::size_t(n), 0);
    if (n == 1) return;
    // A monic polynomial of degree 2 or 3 is irreducible iff it has no root: try x^n - (c_0 + c_1 x + ...)
    // for c = 0, 1, ... until no field element of the prime field is a root.
    for (int c = 0; c < q_; ++c) {
        for (int i = 0, d = c; i < n; ++i, d /= p) modul_[std::size_t(i)] = d % p;
        bool nullstelle = false;
        for (int x = 0; x < p && !nullstelle; ++x) {
            int potenz = 1, rechts = 0;  // x^i, and the sum of modul_[i] x^i for i < n
            for (int i = 0; i < n; ++i) {
                rechts = (rechts + modul_[std::size_t(i)] * potenz) % p;
                potenz = potenz * x % p;
            }
            nullstelle = potenz == rechts;
        }
        if (!nullstelle) return;
    }
}

int Endlicherkoerper::Plus(int a, int b) const {
    int summe = 0;
    for (int stelle = 1; a > 0 || b > 0; stelle *= p_, a /= p_, b /= p_) summe += (a % p_ + b % p_) % p_ * stelle;
    return summe;
}

int Endlicherkoerper::Mal(int a, int b) const {
    // Coefficients of the product, then x^d for d >= n replaced by x^(d-n) * (x^n's expression).
    std::vector<int> produkt(std::size_t(2 * n_ - 1), 0), fa(static_cast<std::size_t>(n_)), fb(static_cast<std::size_t>(n_));
    for (int i = 0; i < n_; ++i, a /= p_, b /= p_) fa[std::size_t(i)] = a % p_, fb[std::size_t(i)] = b % p_;
    for (int i = 0; i < n_; ++i)
        for (int j = 0; j < n_; ++j)
            produkt[std::size_t(i + j)] = (produkt[std::size_t(i + j)] + fa[std::size_t(i)] * fb[std::size_t(j)]) % p_;
    for (int d = 2 * n_ - 2; d >= n_; --d) {
        const int c = produkt[std::size_t(d)];
        produkt[std::size_t(d)] = 0;
        for (int i = 0; i < n_; ++i)
            produkt[std::size_t(d - n_ + i)] = (produkt[std::size_t(d - n_ + i)] + c * modul_[std::size_t(i)]) % p_;
    }
    int ergebnis = 0;
    for (int i = n_ - 1; i >= 0; --i) ergebnis = ergebnis * p_ + produkt[std::size_t(i)];
    return ergebnis;
}

Reihen Transversaldesign(const Endlicherkoerper& koerper, int k) {
    const int q = koerper.Ordnung();
    Reihen bloecke;
    for (int a = 0; a < q; ++a)
        for (int b = 0; b < q; ++b) {
            Reihe block;
            for (int i = 0; i < k; ++i) block.push_back(i * q + koerper.Plus(a, koerper.Mal(b, i)));
            bloecke.push_back(block);
        }
    return bloecke;
}

std::optional<Reihen> TransversaldesignMitPunkten(int q, int e) {
    const auto koerper = Endlicherkoerper::Mit(q);
    if (!koerper || q < 6 || q + e != 9) return std::nullopt;
    Reihen reihen = Verschoben(Transversaldesign(*koerper, 6), 1);
    // Nine points 0..8 in three triples T0, T1, T2: T0+T1, T0+T2 and T1+T2 hold every pair.
    const Reihen neun = {{0, 1, 2, 3, 4, 5}, {0, 1, 2, 6, 7, 8}, {3, 4, 5, 6, 7, 8}};
    for (int gruppe = 0; gruppe < 6; ++gruppe) {
        std::vector<int> punkte;
        for (int y = 0; y < q; ++y) punkte.push_back(gruppe * q + y + 1);
        for (int z = 0; z < e; ++z) punkte.push_back(6 * q + z + 1);
        for (const auto& r : neun) {
            Reihe block;
            for (int x : r) block.push_back(punkte[std::size_t(x)]);
            reihen.push_back(block);
        }
    }
    Ordnen(reihen);
    return reihen;
}

}  // namespace systemgen
