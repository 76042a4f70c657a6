#include "galoisfeld.h"

#include <algorithm>

namespace systemgen {

std::optional<Galoisfeld> Galoisfeld::Mit(int q) {
    if (q < 2 || q > 255) return std::nullopt;
    int p = 2;
    while (q % p != 0) ++p;
    int n = 0;
    for (int r = q; r > 1; r /= p) {
        if (r % p != 0) return std::nullopt;
        ++n;
    }
    auto ziffern = [&](int a) {
        std::vector<int> z(static_cast<std::size_t>(n));
        for (int i = 0; i < n; ++i, a /= p) z[std::size_t(i)] = a % p;
        return z;
    };
    auto zahl = [&](const std::vector<int>& z) {
        int a = 0;
        for (int i = n - 1; i >= 0; --i) a = a * p + z[std::size_t(i)];
        return a;
    };
    std::vector<int> summe(static_cast<std::size_t>(q * q));
    for (int a = 0; a < q; ++a)
        for (int b = 0; b < q; ++b) {
            auto za = ziffern(a), zb = ziffern(b);
            for (int i = 0; i < n; ++i) za[std::size_t(i)] = (za[std::size_t(i)] + zb[std::size_t(i)]) % p;
            summe[std::size_t(a * q + b)] = zahl(za);
        }
    // The lower coefficients of the monic modulus run through all q choices; the first whose products give
    // every nonzero element an inverse is irreducible.
    for (int modul = 0; modul < q; ++modul) {
        const auto m = ziffern(modul);
        std::vector<int> produkt(static_cast<std::size_t>(q * q));
        for (int a = 0; a < q; ++a)
            for (int b = 0; b < q; ++b) {
                const auto za = ziffern(a), zb = ziffern(b);
                std::vector<int> c(static_cast<std::size_t>(2 * n), 0);
                for (int i = 0; i < n; ++i)
                    for (int j = 0; j < n; ++j)
                        c[std::size_t(i + j)] = (c[std::size_t(i + j)] + za[std::size_t(i)] * zb[std::size_t(j)]) % p;
                // x^d = -(m_0 + m_1 x + ... + m_{n-1} x^{n-1}) x^(d-n), from the top degree down.
                for (int d = 2 * n - 1; d >= n; --d) {
                    const int f = c[std::size_t(d)];
                    c[std::size_t(d)] = 0;
                    for (int i = 0; i < n; ++i)
                        c[std::size_t(d - n + i)] = ((c[std::size_t(d - n + i)] - f * m[std::size_t(i)]) % p + p) % p;
                }
                c.resize(std::size_t(n));
                produkt[std::size_t(a * q + b)] = zahl(c);
            }
        bool koerper = true;
        for (int a = 1; a < q && koerper; ++a) {
            const auto anfang = produkt.begin() + std::ptrdiff_t(a * q);
            koerper = std::find(anfang, anfang + q, 1) != anfang + q;
        }
        if (koerper) return Galoisfeld(q, std::move(summe), std::move(produkt));
    }
    return std::nullopt;
}

}  // namespace systemgen
