#include "suche.h"

#include <algorithm>
#include <bit>
#include <cmath>

#include "core/kombinatorik.h"

namespace systemgen {

namespace {
// Insertion sort of the first k values (k <= 6).
void SortiereErste(std::uint8_t* b, int k) {
    for (int i = 1; i < k; ++i)
        for (int j = i; j > 0 && b[j - 1] > b[j]; --j) std::swap(b[j - 1], b[j]);
}
}  // namespace

Ueberdeckungssuche::Ueberdeckungssuche(int v, int k, int t, const Reihen& start, std::uint64_t saat,
                                       std::vector<std::vector<int>> gruppe)
    : v_(v), k_(k), t_(t), gruppe_(std::move(gruppe)), bahnen_(!gruppe_.empty()), zufall_(saat) {
    binom_.assign(std::size_t(v) + 1, {});
    for (int n = 0; n <= v; ++n)
        for (int j = 1; j <= t; ++j) binom_[std::size_t(n)][std::size_t(j)] = quintaro::Binomial(n, j);
    quintaro::FuerAlleKombinationen(k - 1, t - 1, [&](const std::vector<int>& a) {
        std::vector<int> p;
        for (int x : a) p.push_back(x - 1);
        teilpositionen_.push_back(p);
        return true;
    });
    if (t == 1) teilpositionen_ = {{}};
    anzahlTeilmengen_ = quintaro::Binomial(v, t);
    teilmengen_.resize(std::size_t(anzahlTeilmengen_ * t));
    zelle_.assign(std::size_t(anzahlTeilmengen_), -1);
    for (const auto& g : gruppe_) {
        std::vector<int> inv(static_cast<std::size_t>(v));
        for (int x = 0; x < v; ++x) inv[std::size_t(g[std::size_t(x)])] = x;
        invers_.push_back(inv);
    }
    quintaro::FuerAlleKombinationen(v, t, [&](const std::vector<int>& a) {
        std::uint8_t w[8];
        for (int i = 0; i < t; ++i) w[i] = std::uint8_t(a[std::size_t(i)] - 1);
        const auto r = Rang(w, t);
        for (int i = 0; i < t; ++i) teilmengen_[std::size_t(r * t + i)] = w[i];
        if (zelle_[std::size_t(r)] >= 0) return true;
        const auto z = std::int32_t(zellGewicht_.size());
        zellGewicht_.push_back(0);
        zellVertreter_.push_back(r);
        if (!bahnen_) {
            zelle_[std::size_t(r)] = z;
            zellGewicht_.back() = 1;
            return true;
        }
        for (const auto& g : gruppe_) {
            std::uint8_t b[8];
            for (int i = 0; i < t; ++i) b[i] = std::uint8_t(g[w[i]]);
            SortiereErste(b, t);
            if (auto& zb = zelle_[std::size_t(Rang(b, t))]; zb < 0) {
                zb = z;
                ++zellGewicht_.back();
            }
        }
        return true;
    });
    gewicht_ = zellGewicht_;
    std::vector<Block> bloecke;
    for (const auto& reihe : start) {
        Block b{};
        for (int i = 0; i < k; ++i) b[std::size_t(i)] = std::uint8_t(reihe[std::size_t(i)] - 1);
        SortiereErste(b.data(), k);
        bloecke.push_back(b);
    }
    Setze(bloecke);
}

void Ueberdeckungssuche::Setze(const std::vector<Block>& bloecke) {
    const std::size_t zellen = zellGewicht_.size();
    zaehler_.assign(zellen, 0);
    stelle_.assign(zellen, -1);
    offen_.clear();
    offenGewicht_ = offenKosten_ = 0;
    for (std::size_t z = 0; z < zellen; ++z) {
        stelle_[z] = std::int64_t(offen_.size());
        offen_.push_back(std::int64_t(z));
        offenGewicht_ += zellGewicht_[z];
        offenKosten_ += gewicht_[z];
    }
    bloecke_ = bloecke;
    masken_.clear();
    for (const auto& b : bloecke_) {
        Maske m = 0;
        for (int i = 0; i < k_; ++i) m |= Maske(1) << b[std::size_t(i)];
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
    const std::int64_t zelle = zelle_[std::size_t(rang)];
    int& z = zaehler_[std::size_t(zelle)];
    if (z == 0 && plus > 0) {  // leaves the uncovered list
        const std::int64_t s = stelle_[std::size_t(zelle)];
        const std::int64_t letzte = offen_.back();
        offen_[std::size_t(s)] = letzte;
        stelle_[std::size_t(letzte)] = s;
        offen_.pop_back();
        stelle_[std::size_t(zelle)] = -1;
        offenGewicht_ -= zellGewicht_[std::size_t(zelle)];
        offenKosten_ -= gewicht_[std::size_t(zelle)];
    }
    z += plus;
    if (z == 0) {
        stelle_[std::size_t(zelle)] = std::int64_t(offen_.size());
        offen_.push_back(zelle);
        offenGewicht_ += zellGewicht_[std::size_t(zelle)];
        offenKosten_ += gewicht_[std::size_t(zelle)];
    }
}

void Ueberdeckungssuche::Gewichten(std::int64_t rang) {
    const auto zelle = std::size_t(zelle_[std::size_t(rang)]);
    gewicht_[zelle] += zellGewicht_[zelle];
    offenKosten_ += zellGewicht_[zelle];
    zugewichtet_ += zellGewicht_[zelle];
    if (zugewichtet_ < 64 * std::int64_t(gewicht_.size())) return;
    zugewichtet_ = 0;
    offenKosten_ = 0;
    for (std::size_t z = 0; z < gewicht_.size(); ++z) {
        gewicht_[z] = zellGewicht_[z] + (gewicht_[z] - zellGewicht_[z]) / 2;
        if (zaehler_[z] == 0) offenKosten_ += gewicht_[z];
    }
}

Ueberdeckungssuche::Maske Ueberdeckungssuche::Bild(std::size_t g, Maske m) const {
    Maske r = 0;
    for (; m; m &= m - 1) r |= Maske(1) << gruppe_[g][std::size_t(std::countr_zero(m))];
    return r;
}

bool Ueberdeckungssuche::VolleBahn(Maske m) const {
    for (std::size_t g = 1; g < gruppe_.size(); ++g)
        if (Bild(g, m) == m) return false;
    return true;
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

std::int64_t Ueberdeckungssuche::Aenderung(int b, int p, int y) {
    const int x = bloecke_[std::size_t(b)][std::size_t(p)];
    if (bahnen_) {
        // An orbit row may meet one orbit of t-subsets more than once: try the swap and undo it.
        const Maske neu = masken_[std::size_t(b)] ^ (Maske(1) << x) ^ (Maske(1) << y);
        if (!VolleBahn(neu)) return Unmoeglich;
        const auto vorher = offenKosten_;
        Tausche(b, p, y);
        const auto nachher = offenKosten_;
        const auto& blk = bloecke_[std::size_t(b)];
        Tausche(b, int(std::find(blk.begin(), blk.begin() + k_, std::uint8_t(y)) - blk.begin()), x);
        return nachher - vorher;
    }
    std::int64_t aenderung = 0;
    FuerTeileOhne(b, p, [&](const std::uint8_t* teil) {
        const auto weg = std::size_t(zelle_[std::size_t(RangMit(teil, x))]);
        const auto dazu = std::size_t(zelle_[std::size_t(RangMit(teil, y))]);
        if (zaehler_[weg] == 1) aenderung += gewicht_[weg];
        if (zaehler_[dazu] == 0) aenderung -= gewicht_[dazu];
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
    SortiereErste(blk.data(), k_);
    masken_[std::size_t(b)] ^= (Maske(1) << x) | (Maske(1) << y);
}

template <typename Erlaubt>
Ueberdeckungssuche::Zug Ueberdeckungssuche::BesterZug(std::int64_t rang, Erlaubt&& erlaubt) {
    struct Kandidat {
        int zeile;
        Maske ziel;  // the uncovered t-subset, for an orbit row the preimage that the row itself can take in
    };
    thread_local std::vector<Kandidat> kandidaten;
    const int b = int(bloecke_.size());
    const std::uint8_t* menge = &teilmengen_[std::size_t(rang * t_)];
    Maske tm = 0;
    for (int i = 0; i < t_; ++i) tm |= Maske(1) << menge[i];
    kandidaten.clear();
    if (bahnen_) {
        for (const auto& inv : invers_) {
            Maske urbild = 0;
            for (int i = 0; i < t_; ++i) urbild |= Maske(1) << inv[menge[i]];
            for (int j = 0; j < b; ++j)
                if (std::popcount(masken_[std::size_t(j)] & urbild) == t_ - 1) kandidaten.push_back({j, urbild});
        }
    } else {
        for (int j = 0; j < b; ++j)
            if (std::popcount(masken_[std::size_t(j)] & tm) == t_ - 1) kandidaten.push_back({j, tm});
    }
    if (kandidaten.empty()) {
        // No row is one swap away from T: bring a random row closer.
        const int j = int(zufall_() % std::uint64_t(b));
        const Maske m = masken_[std::size_t(j)];
        if ((tm & ~m) == 0 || (m & ~tm) == 0) return {};
        kandidaten.push_back({j, tm});
    }
    Zug bester;
    int gleichviele = 0;
    for (const auto& kand : kandidaten) {
        const auto& bl = bloecke_[std::size_t(kand.zeile)];
        const int y = std::countr_zero(kand.ziel & ~masken_[std::size_t(kand.zeile)]);
        if (!erlaubt(kand.zeile, y)) continue;
        for (int p = 0; p < k_; ++p) {
            if (kand.ziel >> bl[std::size_t(p)] & 1) continue;
            const auto d = Aenderung(kand.zeile, p, y);
            if (d < bester.d)
                bester = {kand.zeile, p, y, d}, gleichviele = 1;
            else if (d == bester.d && zufall_() % std::uint64_t(++gleichviele) == 0)
                bester = {kand.zeile, p, y, d};
        }
    }
    return bester;
}

void Ueberdeckungssuche::Tabusuche(std::int64_t schritte, bool gewichte) {
    if (bloecke_.empty()) return;
    std::vector<Block> besteBloecke = bloecke_;
    std::int64_t besteKosten = Unbedeckt();
    // verboten[zeile * v + wert]: the step until which the value may not return into the row.
    std::vector<std::int64_t> verboten(bloecke_.size() * std::size_t(v_), 0);
    for (std::int64_t schritt = 0; schritt < schritte && !offen_.empty(); ++schritt) {
        const std::int64_t rang = zellVertreter_[std::size_t(offen_[std::size_t(zufall_() % offen_.size())])];
        const auto zug = BesterZug(rang, [&](int zeile, int y) {
            return verboten[std::size_t(zeile) * std::size_t(v_) + std::size_t(y)] <= schritt;
        });
        if (zug.zeile < 0 || zug.d >= Unmoeglich) continue;
        if (gewichte && zug.d >= 0) {
            // No swap that covers this subset gains weight: instead of a move, the subset weighs more.
            Gewichten(rang);
            continue;
        }
        const int x = bloecke_[std::size_t(zug.zeile)][std::size_t(zug.p)];
        Tausche(zug.zeile, zug.p, zug.y);
        verboten[std::size_t(zug.zeile) * std::size_t(v_) + std::size_t(x)] =
            schritt + 10 + std::int64_t(zufall_() % 10);
        if (Unbedeckt() < besteKosten) {
            besteKosten = Unbedeckt();
            besteBloecke = bloecke_;
        }
    }
    if (gewichte) {
        // Back to the plain cost; the coverage counts are unchanged.
        gewicht_ = zellGewicht_;
        zugewichtet_ = 0;
        offenKosten_ = offenGewicht_;
    }
    if (Unbedeckt() > besteKosten) Setze(besteBloecke);
}

void Ueberdeckungssuche::Gluehen(std::int64_t schritte) {
    if (bloecke_.empty()) return;
    const int b = int(bloecke_.size());
    std::vector<Block> besteBloecke = bloecke_;
    std::int64_t besteKosten = Unbedeckt();
    // Cooling from warm to cold over one cycle, then warm again; each cycle
    // starts from the best state seen so far.
    // Costs count t-subsets; with orbits a typical change is a whole orbit.
    const double einheit = bahnen_ ? double(gruppe_.size()) : 1.0;
    const double heiss = 0.7 * einheit, kalt = 0.08 * einheit;
    const std::int64_t zyklus = std::max<std::int64_t>(100000, std::int64_t(b) * 1000);
    const double faktor = std::pow(kalt / heiss, 1.0 / double(zyklus));
    double temperatur = heiss;
    std::uniform_real_distribution<double> gleich(0.0, 1.0);
    for (std::int64_t schritt = 0; schritt < schritte && !offen_.empty(); ++schritt) {
        temperatur *= faktor;
        if (temperatur < kalt) {
            temperatur = heiss;
            if (Unbedeckt() > besteKosten) Setze(besteBloecke);
        }
        const std::int64_t rang = zellVertreter_[std::size_t(offen_[std::size_t(zufall_() % offen_.size())])];
        const auto [zeile, p, y, d] = BesterZug(rang, [](int, int) { return true; });
        if (zeile < 0 || d >= Unmoeglich) continue;
        if (d <= 0 || gleich(zufall_) < std::exp(-double(d) / temperatur)) {
            Tausche(zeile, p, y);
            if (Unbedeckt() < besteKosten) {
                besteKosten = Unbedeckt();
                besteBloecke = bloecke_;
            }
        }
    }
    if (Unbedeckt() > besteKosten) Setze(besteBloecke);
}

void Ueberdeckungssuche::Nachbessern() {
    auto neueMaske = [&](int b, int p, int y) {
        return (masken_[std::size_t(b)] & ~(Maske(1) << bloecke_[std::size_t(b)][std::size_t(p)])) | (Maske(1) << y);
    };
    auto vorhanden = [&](Maske m) { return std::find(masken_.begin(), masken_.end(), m) != masken_.end(); };
    const int b = int(bloecke_.size());
    // A repeated row becomes the cheapest row one swap away that is not yet present.
    for (int j = 0; j < b; ++j) {
        if (std::count(masken_.begin(), masken_.begin() + j, masken_[std::size_t(j)]) == 0) continue;
        int bestP = -1, bestY = -1;
        std::int64_t bestD = Unmoeglich;
        for (int p = 0; p < k_; ++p)
            for (int y = 0; y < v_; ++y) {
                if ((masken_[std::size_t(j)] >> y & 1) || vorhanden(neueMaske(j, p, y))) continue;
                if (const auto d = Aenderung(j, p, y); d < bestD) bestD = d, bestP = p, bestY = y;
            }
        if (bestP >= 0) Tausche(j, bestP, bestY);
    }
    // An unused value replaces, at the least cost, a value that stays in use elsewhere.
    for (int y = 0; y < v_; ++y) {
        std::vector<int> vorkommen(std::size_t(v_), 0);
        for (auto m : masken_)
            for (int w = 0; w < v_; ++w) vorkommen[std::size_t(w)] += int(m >> w & 1);
        if (vorkommen[std::size_t(y)] > 0) continue;
        int bestB = -1, bestP = -1;
        std::int64_t bestD = Unmoeglich;
        for (int j = 0; j < b; ++j)
            for (int p = 0; p < k_; ++p) {
                if (vorkommen[bloecke_[std::size_t(j)][std::size_t(p)]] < 2 || vorhanden(neueMaske(j, p, y))) continue;
                if (const auto d = Aenderung(j, p, y); d < bestD) bestD = d, bestB = j, bestP = p;
            }
        if (bestB >= 0) Tausche(bestB, bestP, y);
    }
}

Reihen Ueberdeckungssuche::Ergebnis() const {
    Reihen r;
    for (int j = 0; j < int(bloecke_.size()); ++j) {
        const std::size_t bilder = bahnen_ ? gruppe_.size() : 1;
        for (std::size_t g = 0; g < bilder; ++g) {
            Reihe z;
            for (int i = 0; i < k_; ++i) {
                const int w = bloecke_[std::size_t(j)][std::size_t(i)];
                z.push_back((bahnen_ ? gruppe_[g][std::size_t(w)] : w) + 1);
            }
            std::sort(z.begin(), z.end());
            r.push_back(z);
        }
    }
    return r;
}

}  // namespace systemgen
