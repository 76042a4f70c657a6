#include "gruppendesign.h"

#include <algorithm>
#include <cstdio>
#include <numeric>
#include <random>
#include <set>

#include "bahnenmodell.h"
#include "core/kombinatorik.h"
#include "exakte_ueberdeckung.h"

namespace systemgen {

std::vector<std::vector<int>> Elemente(const Gruppe& g) {
    Perm eins(std::size_t(g.v));
    for (int i = 0; i < g.v; ++i) eins[std::size_t(i)] = i;
    std::set<Perm> bekannt = {eins};
    std::vector<Perm> liste = {eins};
    for (std::size_t i = 0; i < liste.size(); ++i)
        for (const auto& e : g.erzeuger) {
            Perm p(std::size_t(g.v));
            for (int x = 0; x < g.v; ++x) p[std::size_t(x)] = e[std::size_t(liste[i][std::size_t(x)])];
            if (bekannt.insert(p).second) liste.push_back(p);
        }
    return liste;
}

namespace {
// Normalisers of Z_n on `bahnen` n-cycles with `fest` fixed points: every unit multiplying all cycles at once,
// the cycles and the fixed points permuted among themselves, and (for the cyclic group alone, not once a
// multiplier belongs to it) each cycle shifted on its own.
std::vector<Perm> Symmetrien(int n, int bahnen, int fest, bool verschieben) {
    const int v = n * bahnen + fest;
    const auto abbildung = [&](auto bild) {
        Perm p(static_cast<std::size_t>(v));
        for (int i = 0; i < v; ++i) p[std::size_t(i)] = i < n * bahnen ? bild(i / n, i % n) : i;
        return p;
    };
    std::vector<Perm> erzeuger;
    for (int u = 2; u < n; ++u)
        if (std::gcd(u, n) == 1) erzeuger.push_back(abbildung([&](int c, int x) { return c * n + x * u % n; }));
    if (verschieben)
        for (int c = 1; c < bahnen; ++c)
            erzeuger.push_back(abbildung([&](int d, int x) { return d * n + (d == c ? (x + 1) % n : x); }));
    if (bahnen > 1) {
        erzeuger.push_back(abbildung([&](int c, int x) { return (c < 2 ? 1 - c : c) * n + x; }));
        erzeuger.push_back(abbildung([&](int c, int x) { return (c + 1) % bahnen * n + x; }));
    }
    if (fest > 1) {
        const int erster = n * bahnen;
        Perm tausch(static_cast<std::size_t>(v)), kreis(static_cast<std::size_t>(v));
        for (int i = 0; i < v; ++i) {
            tausch[std::size_t(i)] = i == erster ? erster + 1 : i == erster + 1 ? erster : i;
            kreis[std::size_t(i)] = i < erster ? i : erster + (i - erster + 1) % fest;
        }
        erzeuger.push_back(tausch);
        erzeuger.push_back(kreis);
    }
    return erzeuger;
}
}  // namespace

Gruppe Zyklisch(int n, int bahnen, int fest) {
    const int v = n * bahnen + fest;
    Perm p(static_cast<std::size_t>(v));
    for (int i = 0; i < v; ++i) p[std::size_t(i)] = i < n * bahnen ? i / n * n + (i % n + 1) % n : i;
    std::string name = "Z";
    name += std::to_string(n);
    if (bahnen > 1) name += '^' + std::to_string(bahnen);
    if (fest > 0) name += '+' + std::to_string(fest);
    return {name, v, {p}, Symmetrien(n, bahnen, fest, true)};
}

Gruppe Affin(int n, int faktor, int bahnen, int fest) {
    auto g = Zyklisch(n, bahnen, fest);
    g.symmetrien = Symmetrien(n, bahnen, fest, false);
    Perm q(static_cast<std::size_t>(g.v));
    for (int i = 0; i < g.v; ++i) q[std::size_t(i)] = i < n * bahnen ? i / n * n + (i % n) * faktor % n : i;
    g.erzeuger.push_back(q);
    g.name += '*';
    g.name += std::to_string(faktor);
    return g;
}

Gruppe Produkt(int a, int b) {
    Perm p(std::size_t(a * b)), q(std::size_t(a * b));
    for (int x = 0; x < a; ++x)
        for (int y = 0; y < b; ++y) {
            p[std::size_t(x * b + y)] = ((x + 1) % a) * b + y;
            q[std::size_t(x * b + y)] = x * b + (y + 1) % b;
        }
    std::string name = "Z";
    name += std::to_string(a) + "xZ" + std::to_string(b);
    return {name, a * b, {p, q}, {}};
}

std::vector<Gruppe> KleineGruppen(int v, int hoechstensBahnen) {
    std::vector<Gruppe> gruppen;
    for (int bahnen = 1; bahnen <= hoechstensBahnen; ++bahnen)
        for (int fest = 0; fest <= 3; ++fest) {
            const int n = (v - fest) / bahnen;
            if ((v - fest) % bahnen != 0 || n < 4) continue;
            for (int ordnung = 6; ordnung >= 2; --ordnung)
                for (int a = 2; a < n; ++a) {
                    if (std::gcd(a, n) != 1) continue;
                    int o = 1;
                    for (long long x = a; x % n != 1; x = x * a % n) ++o;
                    if (o != ordnung) continue;
                    gruppen.push_back(Affin(n, a, bahnen, fest));
                    break;
                }
            gruppen.push_back(Zyklisch(n, bahnen, fest));
        }
    return gruppen;
}

namespace {
// Depth-first search for orbits covering every t-orbit within a budget of blocks: branch on the uncovered
// t-orbit with the fewest orbits that fit, prune when even perfectly packed blocks could not cover the rest,
// counted over all t-subsets and point by point (a block through a point covers at most C(k-1, t-1) of the
// t-subsets through it, so each point needs its own share of blocks, and the blocks have k places each).
// An orbit once tried is left out of the branches after it, since every covering with it has been searched;
// at the first branching this holds for its whole class under the group's symmetries, as a covering with
// any orbit of the class maps onto one with the orbit tried.
class BahnenUeberdeckung {
public:
    BahnenUeberdeckung(const Bahnenmodell& m, int k, int t, std::vector<int> klasse, std::int64_t knotenGrenze,
                       std::uint64_t saat)
        : m_(m),
          klasse_(std::move(klasse)),
          verboten_(m.spalten.size(), false),
          k_(k),
          proBlock_(quintaro::Binomial(k, t)),
          proPunkt_(quintaro::Binomial(k - 1, t - 1)),
          grenze_(knotenGrenze),
          zufall_(saat),
          bedeckt_(m.tGroesse.size(), 0),
          zeilenZu_(m.tGroesse.size()),
          offenDurch_(m.punktGroesse.size(), 0),
          neu_(m.spalten.size(), 0) {
        for (std::size_t z = 0; z < m.spalten.size(); ++z)
            for (int s : m.spalten[z]) zeilenZu_[std::size_t(s)].push_back(int(z));
        for (auto& l : zeilenZu_) std::shuffle(l.begin(), l.end(), zufall_);
        for (auto g : m.tGroesse) offen_ += g;
        for (std::size_t z = 0; z < m.spalten.size(); ++z)
            for (int s : m.spalten[z]) neu_[z] += m.tGroesse[std::size_t(s)];
        for (const auto& durch : m.tDurchPunkt)
            for (auto [p, n] : durch) offenDurch_[std::size_t(p)] += n;
    }

    // False when the node limit cut the last search short.
    bool Durchsucht() const { return knoten_ <= grenze_; }
    std::int64_t Knoten() const { return knoten_; }

    std::optional<std::vector<int>> Suche(std::int64_t budget) {
        if (offen_ == 0) return gewaehlt_;
        if (++knoten_ > grenze_ || (offen_ + proBlock_ - 1) / proBlock_ > budget || Plaetze() > k_ * budget)
            return std::nullopt;
        int spalte = -1;
        std::size_t wenigste = SIZE_MAX;
        for (std::size_t s = 0; s < bedeckt_.size(); ++s) {
            if (bedeckt_[s]) continue;
            std::size_t n = 0;
            for (auto z = zeilenZu_[s].begin(); z != zeilenZu_[s].end() && n < wenigste; ++z)
                n += Passt(*z, budget);
            if (n < wenigste) wenigste = n, spalte = int(s);
        }
        const bool erste = gewaehlt_.empty() && !klasse_.empty();
        std::vector<int> ausgeschlossen;
        std::optional<std::vector<int>> loesung;
        for (int z : zeilenZu_[std::size_t(spalte)]) {
            if (!Passt(z, budget)) continue;
            Waehle(z, +1);
            loesung = Suche(budget - m_.groesse[std::size_t(z)]);
            Waehle(z, -1);
            if (loesung || knoten_ > grenze_) break;
            // Every covering with z has been searched: the branches after this one do without it.
            if (!erste) {
                verboten_[std::size_t(z)] = true;
                ausgeschlossen.push_back(z);
            } else
                for (std::size_t y = 0; y < klasse_.size(); ++y)
                    if (klasse_[y] == klasse_[std::size_t(z)]) verboten_[y] = true, ausgeschlossen.push_back(int(y));
        }
        for (int y : ausgeschlossen) verboten_[std::size_t(y)] = false;
        return loesung;
    }

private:
    // Whether orbit z may be chosen: within the budget, not left out, and not wasting more places on subsets
    // covered already than the budget has to spare.
    bool Passt(int z, std::int64_t budget) const {
        const auto groesse = m_.groesse[std::size_t(z)];
        return groesse <= budget && !verboten_[std::size_t(z)] &&
               groesse * proBlock_ - neu_[std::size_t(z)] <= budget * proBlock_ - offen_;
    }

    // Places in blocks that the points still need: per point, its open t-subsets over C(k-1, t-1), rounded up.
    std::int64_t Plaetze() const {
        std::int64_t plaetze = 0;
        for (std::size_t p = 0; p < offenDurch_.size(); ++p)
            plaetze += m_.punktGroesse[p] * ((offenDurch_[p] + proPunkt_ - 1) / proPunkt_);
        return plaetze;
    }

    void Offen(int s, int plus) {
        const auto groesse = m_.tGroesse[std::size_t(s)];
        offen_ += plus * groesse;
        for (auto [p, n] : m_.tDurchPunkt[std::size_t(s)]) offenDurch_[std::size_t(p)] += plus * n;
        for (int z : zeilenZu_[std::size_t(s)]) neu_[std::size_t(z)] += plus * groesse;
    }

    void Waehle(int z, int plus) {
        for (int s : m_.spalten[std::size_t(z)]) {
            if (plus > 0 && bedeckt_[std::size_t(s)]++ == 0) Offen(s, -1);
            if (plus < 0 && --bedeckt_[std::size_t(s)] == 0) Offen(s, +1);
        }
        if (plus > 0)
            gewaehlt_.push_back(z);
        else
            gewaehlt_.pop_back();
    }

    const Bahnenmodell& m_;
    std::vector<int> klasse_;
    std::vector<bool> verboten_;
    std::int64_t k_, proBlock_, proPunkt_, grenze_, knoten_ = 0, offen_ = 0;
    std::mt19937_64 zufall_;
    std::vector<int> bedeckt_;
    std::vector<std::vector<int>> zeilenZu_;
    std::vector<std::int64_t> offenDurch_;  // per point orbit: open t-subsets through one of its points
    std::vector<std::int64_t> neu_;         // per orbit: open t-subsets it would cover
    std::vector<int> gewaehlt_;
};
}  // namespace

std::optional<Reihen> DesignMitGruppe(int k, int t, const Gruppe& gruppe, std::int64_t knotenGrenze,
                                      std::uint64_t saat, const Reihen& vorgegeben) {
    const auto m = Modell(k, t, gruppe);
    // Orbits of the prescribed blocks, and the t-orbits they cover (as often as they like).
    std::vector<int> gewaehlt;
    std::vector<bool> erledigt(m.tGroesse.size(), false);
    for (const auto& b : vorgegeben) {
        Maske kleinstes = AlsMaske(b);
        for (const auto& p : m.elemente) kleinstes = std::min(kleinstes, Bild(p, AlsMaske(b)));
        const auto z = std::find(m.vertreter.begin(), m.vertreter.end(), kleinstes) - m.vertreter.begin();
        gewaehlt.push_back(int(z));
        for (int s : m.spalten[std::size_t(z)]) erledigt[std::size_t(s)] = true;
    }
    std::vector<int> spalte(m.tGroesse.size(), -1);
    int spalten = 0;
    for (std::size_t s = 0; s < spalte.size(); ++s)
        if (!erledigt[s]) spalte[s] = spalten++;
    ExakteUeberdeckung problem(spalten);
    std::vector<int> zeilen;
    for (std::size_t z = 0; z < m.spalten.size(); ++z) {
        if (!m.einfach[z]) continue;
        std::vector<int> s;
        for (int c : m.spalten[z]) s.push_back(spalte[std::size_t(c)]);
        if (std::find(s.begin(), s.end(), -1) != s.end()) continue;
        problem.Zeile(s);
        zeilen.push_back(int(z));
    }
    const auto loesung = problem.Loese(knotenGrenze, saat);
    if (!loesung) return std::nullopt;
    for (int z : *loesung) gewaehlt.push_back(zeilen[std::size_t(z)]);
    return Ausrollen(m, gewaehlt);
}

std::optional<Reihen> UeberdeckungMitGruppe(int k, int t, const Gruppe& gruppe, std::int64_t zeilen,
                                            std::int64_t knotenGrenze, std::uint64_t saat, bool* durchsucht) {
    const auto m = Modell(k, t, gruppe);
    BahnenUeberdeckung suche(m, k, t, Klassen(m, gruppe.symmetrien), knotenGrenze, saat);
    const auto loesung = suche.Suche(ErreichbareZeilen(m, zeilen));
    if (durchsucht) *durchsucht = !loesung && suche.Durchsucht();
    if (!loesung) {
        std::fprintf(stderr, "    Bahnen %-14s %zu Bahnen der Reihen, %zu der Teilmengen: keine, %s nach %lld Knoten\n",
                     gruppe.name.c_str(), m.spalten.size(), m.tGroesse.size(),
                     suche.Durchsucht() ? "vollstaendig durchsucht" : "abgebrochen", (long long)suche.Knoten());
        return std::nullopt;
    }
    return Ausrollen(m, *loesung);
}

}  // namespace systemgen
