#include "paargluehen.h"

#include <algorithm>
#include <cmath>

namespace systemgen {

std::string Gruppenform::Name() const {
    // Appended piece by piece: "literal" + std::string&& draws a false -Wrestrict from GCC 12.
    std::string name = "Z";
    name += std::to_string(m);
    name += '^';
    name += std::to_string(c);
    if (f > 0) {
        name += '+';
        name += std::to_string(f);
    }
    name += ' ';
    name += std::to_string(basis);
    return name;
}

Paargluehen::Paargluehen(int v, int k, int zeilen, const Gruppenform& form, std::uint64_t saat,
                         const Reihen& feste)
    : v_(v), k_(k), m_(form.m), basis_(form.basis), festAb_(form.m * form.c), zufall_(saat) {
    for (const auto& r : feste) {
        feste_.emplace_back();
        for (int w : r) feste_.back().push_back(std::uint8_t(w - 1));
    }
    std::vector<std::vector<std::uint8_t>> start;
    const int frei = zeilen - basis_ * m_;
    for (int z = 0; z < basis_ + frei; ++z) {
        std::vector<std::uint8_t> werte(static_cast<std::size_t>(v));
        for (int x = 0; x < v; ++x) werte[std::size_t(x)] = std::uint8_t(x);
        std::shuffle(werte.begin(), werte.end(), zufall_);
        start.emplace_back(werte.begin(), werte.begin() + k);
    }
    Zurueck(start);
}

void Paargluehen::Zurueck(const std::vector<std::vector<std::uint8_t>>& reihen) {
    reihen_ = reihen;
    zaehler_.assign(std::size_t(v_ * v_), 0);
    stelle_.assign(std::size_t(v_ * v_), -1);
    offen_.clear();
    for (int a = 0; a < v_; ++a)
        for (int b = a + 1; b < v_; ++b) {
            stelle_[std::size_t(a * v_ + b)] = int(offen_.size());
            offen_.push_back(a * v_ + b);
        }
    for (const auto& r : feste_)
        for (std::size_t i = 0; i < r.size(); ++i)
            for (std::size_t j = i + 1; j < r.size(); ++j) Zaehle(r[i], r[j], +1);
    for (int z = 0; z < int(reihen_.size()); ++z)
        for (int g = 0; g < Bilder(z); ++g)
            for (int i = 0; i < k_; ++i)
                for (int j = i + 1; j < k_; ++j)
                    Zaehle(Bild(g, reihen_[std::size_t(z)][std::size_t(i)]),
                           Bild(g, reihen_[std::size_t(z)][std::size_t(j)]), +1);
}

void Paargluehen::Zaehle(int a, int b, int plus) {
    if (a > b) std::swap(a, b);
    const int paar = a * v_ + b;
    auto& n = zaehler_[std::size_t(paar)];
    if (plus > 0 && n++ == 0) {  // leaves the uncovered list
        const int s = stelle_[std::size_t(paar)], letztes = offen_.back();
        offen_[std::size_t(s)] = letztes;
        stelle_[std::size_t(letztes)] = s;
        offen_.pop_back();
        stelle_[std::size_t(paar)] = -1;
    } else if (plus < 0 && --n == 0) {
        stelle_[std::size_t(paar)] = int(offen_.size());
        offen_.push_back(paar);
    }
}

int Paargluehen::Setze(int zeile, int p, int y) {
    auto& r = reihen_[std::size_t(zeile)];
    const int x = r[std::size_t(p)], vorher = int(offen_.size());
    for (int g = 0; g < Bilder(zeile); ++g)
        for (int q = 0; q < k_; ++q) {
            if (q == p) continue;
            const int z = Bild(g, r[std::size_t(q)]);
            Zaehle(Bild(g, x), z, -1);
            Zaehle(Bild(g, y), z, +1);
        }
    r[std::size_t(p)] = std::uint8_t(y);
    return int(offen_.size()) - vorher;
}

bool Paargluehen::GezielterZug(int a, int b, int& zeile, int& p, int& y) {
    struct Kandidat {
        int zeile, halter, g;  // image g of the row holds a at place `halter`
    };
    thread_local std::vector<Kandidat> kandidaten;
    kandidaten.clear();
    for (int z = 0; z < int(reihen_.size()); ++z)
        for (int q = 0; q < k_; ++q) {
            const int w = reihen_[std::size_t(z)][std::size_t(q)];
            if (z >= basis_ || w >= festAb_) {
                if (w == a) kandidaten.push_back({z, q, z < basis_ ? int(zufall_() % std::uint64_t(m_)) : 0});
            } else if (a < festAb_ && w / m_ == a / m_) {
                kandidaten.push_back({z, q, (a % m_ - w % m_ + m_) % m_});
            }
        }
    if (kandidaten.empty()) return false;
    const auto kand = kandidaten[zufall_() % kandidaten.size()];
    zeile = kand.zeile;
    auto& r = reihen_[std::size_t(zeile)];
    y = Bild((m_ - kand.g) % m_, b);  // the preimage of b
    if (std::find(r.begin(), r.end(), std::uint8_t(y)) != r.end()) return false;
    int bestes = 1 << 30, gleich = 0;
    for (int q = 0; q < k_; ++q) {
        if (q == kand.halter) continue;
        const int x = r[std::size_t(q)];
        const int d = Setze(zeile, q, y);
        Setze(zeile, q, x);
        if (d < bestes)
            bestes = d, p = q, gleich = 1;
        else if (d == bestes && zufall_() % std::uint64_t(++gleich) == 0)
            p = q;
    }
    return true;
}

void Paargluehen::Gluehen(std::int64_t schritte) {
    auto besteReihen = reihen_;
    std::int64_t besteKosten = Unbedeckt();
    const double heiss = 0.6, kalt = 0.03;
    const std::int64_t zyklus = std::max<std::int64_t>(200000, std::int64_t(reihen_.size()) * 4000);
    const double faktor = std::pow(kalt / heiss, 1.0 / double(zyklus));
    double temperatur = heiss;
    std::uniform_real_distribution<double> gleichverteilt(0.0, 1.0);
    for (std::int64_t schritt = 0; schritt < schritte && !offen_.empty(); ++schritt) {
        temperatur *= faktor;
        if (temperatur < kalt) {
            temperatur = heiss;
            if (Unbedeckt() > besteKosten) Zurueck(besteReihen);
        }
        int zeile = 0, p = 0, y = 0;
        if (zufall_() & 1) {
            const int paar = offen_[zufall_() % offen_.size()];
            int a = paar / v_, b = paar % v_;
            if (zufall_() & 1) std::swap(a, b);
            if (!GezielterZug(a, b, zeile, p, y)) continue;
        } else {
            zeile = int(zufall_() % reihen_.size());
            p = int(zufall_() % std::uint64_t(k_));
            y = int(zufall_() % std::uint64_t(v_));
            const auto& r = reihen_[std::size_t(zeile)];
            if (std::find(r.begin(), r.end(), std::uint8_t(y)) != r.end()) continue;
        }
        const int x = reihen_[std::size_t(zeile)][std::size_t(p)];
        const int d = Setze(zeile, p, y);
        if (d > 0 && gleichverteilt(zufall_) >= std::exp(-double(d) / (temperatur * m_))) {
            Setze(zeile, p, x);
            continue;
        }
        if (Unbedeckt() < besteKosten) {
            besteKosten = Unbedeckt();
            besteReihen = reihen_;
        }
    }
    if (Unbedeckt() > besteKosten) Zurueck(besteReihen);
}

Reihen Paargluehen::Ergebnis() const {
    Reihen ergebnis;
    for (const auto& f : feste_) {
        Reihe r;
        for (int w : f) r.push_back(w + 1);
        std::sort(r.begin(), r.end());
        ergebnis.push_back(r);
    }
    for (int z = 0; z < int(reihen_.size()); ++z)
        for (int g = 0; g < Bilder(z); ++g) {
            Reihe r;
            for (int w : reihen_[std::size_t(z)]) r.push_back(Bild(g, w) + 1);
            std::sort(r.begin(), r.end());
            ergebnis.push_back(r);
        }
    return ergebnis;
}

}  // namespace systemgen
