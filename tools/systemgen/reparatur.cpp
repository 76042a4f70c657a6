#include "reparatur.h"

#include <algorithm>
#include <bit>
#include <numeric>

#include "core/kombinatorik.h"

namespace systemgen {

namespace {
using Maske = std::uint64_t;

Maske AlsMaske(const Reihe& r) {  // values 1-based
    Maske m = 0;
    for (int w : r) m |= Maske(1) << (w - 1);
    return m;
}

// Coverage counts of the t-subsets of 0..v-1 (colex ranks) under rows added and taken away again.
class Abdeckung {
public:
    Abdeckung(int v, int t) : v_(v), t_(t), binom_(std::size_t(v) + 1, std::vector<std::int64_t>(std::size_t(t) + 1)) {
        for (int n = 0; n <= v; ++n)
            for (int i = 0; i <= t; ++i) binom_[std::size_t(n)][std::size_t(i)] = quintaro::Binomial(n, i);
        zaehler_.assign(std::size_t(binom_[std::size_t(v)][std::size_t(t)]), 0);
    }

    std::int64_t Anzahl() const { return std::int64_t(zaehler_.size()); }
    std::int64_t Rang(const int* werte) const {  // t values ascending
        std::int64_t r = 0;
        for (int i = 0; i < t_; ++i) r += binom_[std::size_t(werte[i])][std::size_t(i) + 1];
        return r;
    }
    // Calls f(rank) for each t-subset of the mask.
    template <typename F>
    void FuerTeilmengen(Maske m, F&& f) const {
        int werte[64], n = 0, wahl[8];
        for (; m; m &= m - 1) werte[n++] = std::countr_zero(m);
        if (n < t_) return;
        int idx[8];
        for (int i = 0; i < t_; ++i) idx[i] = i;
        while (true) {
            for (int i = 0; i < t_; ++i) wahl[i] = werte[idx[i]];
            f(Rang(wahl));
            int i = t_ - 1;
            while (i >= 0 && idx[i] == n - t_ + i) --i;
            if (i < 0) break;
            ++idx[i];
            for (int j = i + 1; j < t_; ++j) idx[j] = idx[j - 1] + 1;
        }
    }
    int& operator[](std::int64_t rang) { return zaehler_[std::size_t(rang)]; }
    int operator[](std::int64_t rang) const { return zaehler_[std::size_t(rang)]; }
    int v() const { return v_; }
    int t() const { return t_; }
    // Members of the t-subset of rank `rang`, ascending.
    void Glieder(std::int64_t rang, int* werte) const {
        int x = v_;
        for (int i = t_; i >= 1; --i) {
            do --x;
            while (binom_[std::size_t(x)][std::size_t(i)] > rang);
            werte[i - 1] = x;
            rang -= binom_[std::size_t(x)][std::size_t(i)];
        }
    }

private:
    int v_, t_;
    std::vector<std::vector<std::int64_t>> binom_;
    std::vector<int> zaehler_;
};

class Ergaenzung {
public:
    Ergaenzung(int v, int k, int t, std::uint64_t saat)
        : a_(v, t),
          k_(k),
          proZeile_(int(quintaro::Binomial(k, t))),
          proWert_(int(quintaro::Binomial(k - 1, t - 1))),
          stelle_(std::size_t(a_.Anzahl()), -1),
          offenAn_(std::size_t(v), 0),
          bedeckt_(std::size_t(v), 0),
          zufall_(saat) {}

    void Fest(Maske zeile) { Zaehle(zeile, +1); }
    void Erlassen(std::int64_t rang) { ++a_[rang]; }
    // After the fixed rows and waived subsets: the open list.
    void Beginnen() {
        for (std::int64_t r = 0; r < a_.Anzahl(); ++r)
            if (a_[r] == 0) Oeffnen(r);
        if (a_.t() == 2)
            for (int p = 0; p < a_.v(); ++p)
                for (int q = 0; q < a_.v(); ++q) {
                    int w[2] = {std::min(p, q), std::max(p, q)};
                    if (p != q && a_[a_.Rang(w)] > 0) bedeckt_[std::size_t(p)] |= Maske(1) << q;
                }
    }

    // `auslassen`: open subsets that may stay open; `zuerst` (a rank, or -1) is branched on first and must be
    // covered.
    bool Suche(int links, int auslassen, std::int64_t zuerst, std::int64_t grenze) {
        grenze_ = grenze;
        auslassen_ = auslassen;
        return Tiefer(links, zuerst);
    }
    const std::vector<Maske>& Gewaehlt() const { return gewaehlt_; }

private:
    void Oeffnen(std::int64_t r) {
        stelle_[std::size_t(r)] = std::int64_t(offen_.size());
        offen_.push_back(r);
        int w[8];
        a_.Glieder(r, w);
        for (int i = 0; i < a_.t(); ++i) ++offenAn_[std::size_t(w[i])];
    }
    void Schliessen(std::int64_t r) {
        const std::int64_t s = stelle_[std::size_t(r)];
        stelle_[std::size_t(offen_.back())] = s;
        offen_[std::size_t(s)] = offen_.back();
        offen_.pop_back();
        stelle_[std::size_t(r)] = -1;
        int w[8];
        a_.Glieder(r, w);
        for (int i = 0; i < a_.t(); ++i) --offenAn_[std::size_t(w[i])];
    }
    void Zaehle(Maske zeile, int plus) {
        a_.FuerTeilmengen(zeile, [&](std::int64_t r) {
            a_[r] += plus;
            if (plus > 0 && a_[r] == 1 && stelle_[std::size_t(r)] >= 0) Schliessen(r);
            if (plus < 0 && a_[r] == 0) Oeffnen(r);
        });
        if (a_.t() == 2)
            for (Maske m = zeile; m; m &= m - 1) {
                const int p = std::countr_zero(m);
                Maske neu = 0;
                for (Maske n = zeile & ~(Maske(1) << p); n; n &= n - 1) {
                    const int q = std::countr_zero(n);
                    int w[2] = {std::min(p, q), std::max(p, q)};
                    if (a_[a_.Rang(w)] > 0) neu |= Maske(1) << q;
                }
                bedeckt_[std::size_t(p)] = (bedeckt_[std::size_t(p)] & ~zeile) | neu;
            }
    }

    void Paarmerken(const int* w, bool bedeckt) {
        if (a_.t() != 2) return;
        const Maske p = Maske(1) << w[0], q = Maske(1) << w[1];
        bedeckt_[std::size_t(w[0])] = bedeckt ? bedeckt_[std::size_t(w[0])] | q : bedeckt_[std::size_t(w[0])] & ~q;
        bedeckt_[std::size_t(w[1])] = bedeckt ? bedeckt_[std::size_t(w[1])] | p : bedeckt_[std::size_t(w[1])] & ~p;
    }

    // Covered t-subsets that value q brings into the partial row `teil`.
    int Doppelt(Maske teil, int q) const {
        if (a_.t() == 2) return std::popcount(bedeckt_[std::size_t(q)] & teil);
        int n = 0;
        a_.FuerTeilmengen(teil | (Maske(1) << q), [&](std::int64_t r) { n += a_[r] > 0; });
        int alt = 0;
        a_.FuerTeilmengen(teil, [&](std::int64_t r) { alt += a_[r] > 0; });
        return n - alt;
    }

    // Rows holding the open subset `basis`: its members plus k - t further values above `ab`, each bringing at
    // most `spiel` covered subsets in all. Calls f(row, covered subsets); stops when f returns false. Every
    // value looked at counts as a search step.
    template <typename F>
    bool Zeilen(Maske teil, Maske basis, int ab, int spiel, int doppelt, F&& f) {
        if (std::popcount(teil) == k_) return f(teil, doppelt);
        for (int q = ab; q < a_.v(); ++q) {
            if (basis >> q & 1) continue;
            ++knoten_;
            const int d = doppelt + Doppelt(teil, q);
            if (d > spiel) continue;
            if (!Zeilen(teil | (Maske(1) << q), basis, q + 1, spiel, d, f)) return false;
        }
        return true;
    }

    static Maske Basis(const int* w, int t) {
        Maske m = 0;
        for (int i = 0; i < t; ++i) m |= Maske(1) << w[i];
        return m;
    }

    bool Tiefer(int links, std::int64_t zuerst = -1) {
        if (int(offen_.size()) <= auslassen_ && zuerst < 0) return true;
        if (links == 0 || ++knoten_ > grenze_) return false;
        const int spiel = links * proZeile_ - int(offen_.size()) + auslassen_;
        if (spiel < 0) return false;
        // Each row through a value covers at most proWert_ of the open subsets through it.
        int noetig = 0;
        for (int n : offenAn_) noetig += (n + proWert_ - 1) / proWert_;
        if (auslassen_ == 0 && noetig > links * k_) return false;

        std::int64_t wahl = zuerst;
        if (wahl < 0) {
            std::size_t wenigste = SIZE_MAX;
            for (std::int64_t r : offen_) {
                int w[8];
                a_.Glieder(r, w);
                const Maske basis = Basis(w, a_.t());
                std::size_t n = 0;
                Zeilen(basis, basis, 0, spiel, 0, [&](Maske, int) { return ++n < wenigste; });
                if (n < wenigste) wenigste = n, wahl = r;
                if (n == 0) break;
            }
        }
        int w[8];
        a_.Glieder(wahl, w);
        const Maske basis = Basis(w, a_.t());
        std::vector<std::pair<int, Maske>> kandidaten;
        Zeilen(basis, basis, 0, spiel, 0, [&](Maske z, int d) {
            kandidaten.push_back({d, z});
            return true;
        });
        std::shuffle(kandidaten.begin(), kandidaten.end(), zufall_);
        std::stable_sort(kandidaten.begin(), kandidaten.end(),
                         [](const auto& x, const auto& y) { return x.first < y.first; });
        for (const auto& [d, z] : kandidaten) {
            Zaehle(z, +1);
            gewaehlt_.push_back(z);
            if (Tiefer(links - 1)) return true;
            gewaehlt_.pop_back();
            Zaehle(z, -1);
            if (knoten_ > grenze_) return false;
        }
        // Or the subset stays open.
        if (zuerst >= 0 || auslassen_ == 0) return false;
        --auslassen_;
        ++a_[wahl];
        Schliessen(wahl);
        Paarmerken(w, true);
        const bool gefunden = Tiefer(links);
        Paarmerken(w, false);
        Oeffnen(wahl);
        --a_[wahl];
        ++auslassen_;
        return gefunden;
    }

    Abdeckung a_;
    int k_, proZeile_, proWert_;
    std::vector<std::int64_t> offen_, stelle_;
    std::vector<int> offenAn_;
    std::vector<Maske> bedeckt_;  // t = 2: per value the values it shares a covered pair with
    std::vector<Maske> gewaehlt_;
    std::int64_t knoten_ = 0, grenze_ = 0;
    int auslassen_ = 0;
    std::mt19937_64 zufall_;
};

Reihe AlsReihe(Maske m) {
    Reihe r;
    for (; m; m &= m - 1) r.push_back(std::countr_zero(m) + 1);
    return r;
}

// The t-subsets (as masks) that no row covers.
std::vector<Maske> Offene(int v, int t, const Reihen& reihen) {
    Abdeckung a(v, t);
    for (const auto& r : reihen) a.FuerTeilmengen(AlsMaske(r), [&](std::int64_t rang) { ++a[rang]; });
    std::vector<Maske> offen;
    for (std::int64_t rang = 0; rang < a.Anzahl(); ++rang)
        if (a[rang] == 0) {
            int w[8];
            a.Glieder(rang, w);
            Maske m = 0;
            for (int i = 0; i < t; ++i) m |= Maske(1) << w[i];
            offen.push_back(m);
        }
    return offen;
}
}  // namespace

std::optional<Reihen> Ergaenzen(int v, int k, int t, const Reihen& fest, int anzahl, const Reihen& erlassen,
                                std::int64_t knotenGrenze, std::uint64_t saat, const Auslassung& auslassung) {
    Ergaenzung suche(v, k, t, saat);
    for (const auto& r : fest) suche.Fest(AlsMaske(r));
    Abdeckung rang(v, t);
    for (const auto& e : erlassen) {
        int w[8];
        for (int i = 0; i < t; ++i) w[i] = e[std::size_t(i)] - 1;
        suche.Erlassen(rang.Rang(w));
    }
    suche.Beginnen();
    std::int64_t zuerst = -1;
    if (!auslassung.zuerst.empty()) {
        int w[8];
        for (int i = 0; i < t; ++i) w[i] = auslassung.zuerst[std::size_t(i)] - 1;
        zuerst = rang.Rang(w);
    }
    if (!suche.Suche(anzahl, auslassung.anzahl, zuerst, knotenGrenze)) return std::nullopt;
    Reihen neu;
    for (Maske m : suche.Gewaehlt()) neu.push_back(AlsReihe(m));
    return neu;
}

Reparaturergebnis Reparieren(int v, int k, int t, Reihen reihen, const Reparaturvorgaben& vorgaben,
                             std::mt19937_64& zufall) {
    auto offen = Offene(v, t, reihen);
    Reparaturergebnis beste{reihen};
    std::size_t wenigste = offen.size();
    for (int runde = 0; runde < vorgaben.runden && !offen.empty(); ++runde) {
        const Maske ziel = offen[zufall() % offen.size()];
        // Rows that hold all but one member of the target could take it in; they go first, the rest at random.
        std::vector<std::size_t> nahe, fern;
        for (std::size_t z = 0; z < reihen.size(); ++z)
            (std::popcount(AlsMaske(reihen[z]) & ziel) >= t - 1 ? nahe : fern).push_back(z);
        std::shuffle(nahe.begin(), nahe.end(), zufall);
        std::shuffle(fern.begin(), fern.end(), zufall);
        const int r = std::min<int>(int(reihen.size()), vorgaben.zeilenMin +
                                                            int(zufall() % std::uint64_t(vorgaben.zeilenMax -
                                                                                        vorgaben.zeilenMin + 1)));
        const int vonNahe = std::min<int>(int(nahe.size()), r - std::min<int>(r / 3, int(fern.size())));
        std::vector<bool> weg(reihen.size(), false);
        for (int i = 0; i < vonNahe; ++i) weg[nahe[std::size_t(i)]] = true;
        for (int i = 0; i < r - vonNahe; ++i) weg[fern[std::size_t(i)]] = true;
        Reihen rest;
        for (std::size_t z = 0; z < reihen.size(); ++z)
            if (!weg[z]) rest.push_back(reihen[z]);
        // The other open subsets stay waived (nothing may get worse); the target must be covered, and for a move
        // along the plateau one more subset may open instead.
        Reihen erlassen;
        for (Maske m : offen)
            if (m != ziel) erlassen.push_back(AlsReihe(m));
        const auto neu = Ergaenzen(v, k, t, rest, r, erlassen, vorgaben.knoten, zufall(), {1, AlsReihe(ziel)});
        if (!neu) continue;
        for (auto& z : *neu) rest.push_back(z);
        Auffuellen(rest, v, k, reihen.size());
        reihen = rest;
        ++beste.umbauten;
        offen = Offene(v, t, reihen);
        if (offen.size() < wenigste) {
            wenigste = offen.size();
            beste.reihen = reihen;
        }
    }
    return beste;
}

}  // namespace systemgen
