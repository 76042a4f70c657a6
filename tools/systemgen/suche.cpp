#include "suche.h"

#include <algorithm>
#include <bit>
#include <cmath>

#include "core/kombinatorik.h"

namespace systemgen {

namespace {
// Insertion sort of the first k values (k <= 6).
void SortiereErste(std::array<std::uint8_t, 6>& b, int k) {
    for (int i = 1; i < k; ++i)
        for (int j = i; j > 0 && b[std::size_t(j - 1)] > b[std::size_t(j)]; --j)
            std::swap(b[std::size_t(j - 1)], b[std::size_t(j)]);
}
}  // namespace

Ueberdeckungssuche::Ueberdeckungssuche(int v, int k, int t, const Reihen& start, std::uint64_t saat)
    : v_(v), k_(k), t_(t), zufall_(saat) {
    binom_.assign(std::size_t(v) + 1, {});
    for (int n = 0; n <= v; ++n)
        for (int j = 1; j <= t; ++j) binom_[std::size_t(n)][std::size_t(j)] = quintaro::Binomial(n, j);
    if (t > 1)
        quintaro::FuerAlleKombinationen(k - 1, t - 1, [&](const std::vector<int>& a) {
            std::vector<int> p;
            for (int x : a) p.push_back(x - 1);
            teilpositionen_.push_back(p);
            return true;
        });
    else
        teilpositionen_.push_back({});
    const std::int64_t gesamt = quintaro::Binomial(v, t);
    teilmengen_.resize(std::size_t(gesamt * t));
    quintaro::FuerAlleKombinationen(v, t, [&](const std::vector<int>& a) {
        std::uint8_t w[8];
        for (int i = 0; i < t; ++i) w[i] = std::uint8_t(a[std::size_t(i)] - 1);
        const auto r = Rang(w, t);
        for (int i = 0; i < t; ++i) teilmengen_[std::size_t(r * t + i)] = w[i];
        return true;
    });
    std::vector<Block> bloecke;
    for (const auto& reihe : start) {
        Block b{};
        for (int i = 0; i < k; ++i) b[std::size_t(i)] = std::uint8_t(reihe[std::size_t(i)] - 1);
        SortiereErste(b, k);
        bloecke.push_back(b);
    }
    Setze(bloecke);
}

void Ueberdeckungssuche::Setze(const std::vector<Block>& bloecke) {
    const auto anzahl = std::size_t(quintaro::Binomial(v_, t_));
    zaehler_.assign(anzahl, 0);
    stelle_.assign(anzahl, -1);
    offen_.clear();
    for (std::size_t r = 0; r < anzahl; ++r) {
        stelle_[r] = std::int64_t(offen_.size());
        offen_.push_back(std::int64_t(r));
    }
    bloecke_ = bloecke;
    masken_.clear();
    for (const auto& b : bloecke_) {
        std::uint64_t m = 0;
        for (int i = 0; i < k_; ++i) m |= std::uint64_t(1) << b[std::size_t(i)];
        masken_.push_back(m);
        quintaro::FuerAlleKombinationen(k_, t_, [&](const std::vector<int>& a) {
            std::uint8_t w[8];
            for (int i = 0; i < t_; ++i) w[i] = b[std::size_t(a[std::size_t(i)] - 1)];
            Zaehle(Rang(w, t_), +1);
            return true;
        });
    }
}

std::int64_t Ueberdeckungssuche::Rang(const std::uint8_t* werte, int anzahl) const {
    std::int64_t r = 0;
    for (int i = 0; i < anzahl; ++i) r += binom_[werte[i]][std::size_t(i) + 1];
    return r;
}

std::int64_t Ueberdeckungssuche::RangMit(const std::uint8_t* teil, int w) const {
    std::int64_t r = 0;
    int i = 0, stelle = 1;
    bool eingefuegt = false;
    while (i < t_ - 1 || !eingefuegt) {
        if (!eingefuegt && (i == t_ - 1 || w < teil[i])) {
            r += binom_[std::size_t(w)][std::size_t(stelle++)];
            eingefuegt = true;
        } else {
            r += binom_[teil[i++]][std::size_t(stelle++)];
        }
    }
    return r;
}

void Ueberdeckungssuche::Zaehle(std::int64_t rang, int plus) {
    int& z = zaehler_[std::size_t(rang)];
    if (z == 0 && plus > 0) {  // leaves the uncovered list
        const std::int64_t s = stelle_[std::size_t(rang)];
        const std::int64_t letzte = offen_.back();
        offen_[std::size_t(s)] = letzte;
        stelle_[std::size_t(letzte)] = s;
        offen_.pop_back();
        stelle_[std::size_t(rang)] = -1;
    }
    z += plus;
    if (z == 0) {
        stelle_[std::size_t(rang)] = std::int64_t(offen_.size());
        offen_.push_back(rang);
    }
}

template <typename F>
void Ueberdeckungssuche::FuerTeileOhne(int b, int p, F&& f) const {
    std::uint8_t rest[6];
    for (int i = 0, j = 0; i < k_; ++i)
        if (i != p) rest[j++] = bloecke_[std::size_t(b)][std::size_t(i)];
    std::uint8_t teil[6];
    for (const auto& pos : teilpositionen_) {
        for (std::size_t i = 0; i < pos.size(); ++i) teil[i] = rest[pos[i]];
        f(static_cast<const std::uint8_t*>(teil));
    }
}

int Ueberdeckungssuche::Aenderung(int b, int p, int y) const {
    const int x = bloecke_[std::size_t(b)][std::size_t(p)];
    int aenderung = 0;
    FuerTeileOhne(b, p, [&](const std::uint8_t* teil) {
        if (zaehler_[std::size_t(RangMit(teil, x))] == 1) ++aenderung;
        if (zaehler_[std::size_t(RangMit(teil, y))] == 0) --aenderung;
    });
    return aenderung;
}

void Ueberdeckungssuche::Tausche(int b, int p, int y) {
    const int x = bloecke_[std::size_t(b)][std::size_t(p)];
    FuerTeileOhne(b, p, [&](const std::uint8_t* teil) {
        Zaehle(RangMit(teil, x), -1);
        Zaehle(RangMit(teil, y), +1);
    });
    auto& blk = bloecke_[std::size_t(b)];
    blk[std::size_t(p)] = std::uint8_t(y);
    SortiereErste(blk, k_);
    masken_[std::size_t(b)] ^= (std::uint64_t(1) << x) | (std::uint64_t(1) << y);
}

void Ueberdeckungssuche::Gluehen(std::int64_t schritte) {
    if (bloecke_.empty()) return;
    const int b = int(bloecke_.size());
    std::vector<Block> besteBloecke = bloecke_;
    std::int64_t besteKosten = Unbedeckt();
    // Cooling from warm to cold over one cycle, then warm again; each cycle
    // starts from the best state seen so far.
    const double heiss = 0.7, kalt = 0.08;
    const std::int64_t zyklus = std::max<std::int64_t>(200000, std::int64_t(b) * 4000);
    const double faktor = std::pow(kalt / heiss, 1.0 / double(zyklus));
    double temperatur = heiss;
    std::uniform_real_distribution<double> gleich(0.0, 1.0);
    std::vector<int> kandidaten;
    kandidaten.reserve(std::size_t(b));
    for (std::int64_t schritt = 0; schritt < schritte && !offen_.empty(); ++schritt) {
        temperatur *= faktor;
        if (temperatur < kalt) {
            temperatur = heiss;
            if (Unbedeckt() > besteKosten) Setze(besteBloecke);
        }
        const std::int64_t rang = offen_[std::size_t(zufall_() % offen_.size())];
        const std::uint8_t* menge = &teilmengen_[std::size_t(rang * t_)];
        std::uint64_t tm = 0;
        for (int i = 0; i < t_; ++i) tm |= std::uint64_t(1) << menge[i];
        kandidaten.clear();
        for (int j = 0; j < b; ++j)
            if (std::popcount(masken_[std::size_t(j)] & tm) == t_ - 1) kandidaten.push_back(j);
        int blk;
        if (kandidaten.empty()) blk = int(zufall_() % std::uint64_t(b));
        else blk = kandidaten[zufall_() % kandidaten.size()];
        const std::uint64_t m = masken_[std::size_t(blk)];
        // y: a member of T missing from the row; x: a row value outside T.
        const std::uint64_t fehlt = tm & ~m, aussen = m & ~tm;
        if (fehlt == 0 || aussen == 0) continue;
        auto zufallsBit = [&](std::uint64_t w) {
            int n = int(zufall_() % std::uint64_t(std::popcount(w)));
            while (n-- > 0) w &= w - 1;
            return std::countr_zero(w);
        };
        const int y = zufallsBit(fehlt), x = zufallsBit(aussen);
        const auto& bl = bloecke_[std::size_t(blk)];
        const int p = int(std::find(bl.begin(), bl.begin() + k_, std::uint8_t(x)) - bl.begin());
        const int d = Aenderung(blk, p, y);
        if (d <= 0 || gleich(zufall_) < std::exp(-double(d) / temperatur)) {
            Tausche(blk, p, y);
            if (Unbedeckt() < besteKosten) {
                besteKosten = Unbedeckt();
                besteBloecke = bloecke_;
            }
        }
    }
    if (Unbedeckt() > besteKosten) Setze(besteBloecke);
}

void Ueberdeckungssuche::Nachbessern() {
    // The cheapest swap in row b that turns it into a row not yet present
    // (or brings in an unused value); -1 when there is none.
    auto besterTausch = [&](int b, auto&& erlaubt) {
        int bestP = -1, bestY = -1, bestD = 1 << 30;
        for (int p = 0; p < k_; ++p)
            for (int y = 0; y < v_; ++y) {
                if (masken_[std::size_t(b)] >> y & 1) continue;
                if (!erlaubt(p, y)) continue;
                const int d = Aenderung(b, p, y);
                if (d < bestD) bestD = d, bestP = p, bestY = y;
            }
        if (bestP >= 0) Tausche(b, bestP, bestY);
        return bestP >= 0;
    };
    auto neueMaske = [&](int b, int p, int y) {
        return (masken_[std::size_t(b)] & ~(std::uint64_t(1) << bloecke_[std::size_t(b)][std::size_t(p)])) |
               (std::uint64_t(1) << y);
    };
    const int b = int(bloecke_.size());
    for (int j = 0; j < b; ++j) {
        const bool doppelt = std::count(masken_.begin(), masken_.begin() + j, masken_[std::size_t(j)]) > 0;
        if (!doppelt) continue;
        besterTausch(j, [&](int p, int y) {
            return std::find(masken_.begin(), masken_.end(), neueMaske(j, p, y)) == masken_.end();
        });
    }
    for (int y = 0; y < v_; ++y) {
        std::vector<int> vorkommen(std::size_t(v_), 0);
        for (auto m : masken_)
            for (int w = 0; w < v_; ++w) vorkommen[std::size_t(w)] += int(m >> w & 1);
        if (vorkommen[std::size_t(y)] > 0) continue;
        // Take y into the row where the swap costs least; the value it replaces must stay in use.
        int bestB = -1, bestP = -1, bestD = 1 << 30;
        for (int j = 0; j < b; ++j)
            for (int p = 0; p < k_; ++p) {
                if (vorkommen[bloecke_[std::size_t(j)][std::size_t(p)]] < 2) continue;
                if (std::find(masken_.begin(), masken_.end(), neueMaske(j, p, y)) != masken_.end()) continue;
                const int d = Aenderung(j, p, y);
                if (d < bestD) bestD = d, bestB = j, bestP = p;
            }
        if (bestB >= 0) Tausche(bestB, bestP, y);
    }
}

Reihen Ueberdeckungssuche::Ergebnis() const {
    Reihen r;
    for (const auto& blk : bloecke_) {
        Reihe z;
        for (int i = 0; i < k_; ++i) z.push_back(blk[std::size_t(i)] + 1);
        r.push_back(z);
    }
    return r;
}

}  // namespace systemgen
