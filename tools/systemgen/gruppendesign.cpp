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

Gruppe Zyklisch(int n, int bahnen, int fest) {
    const int v = n * bahnen + fest;
    Perm p(static_cast<std::size_t>(v));
    for (int i = 0; i < v; ++i) p[std::size_t(i)] = i < n * bahnen ? i / n * n + (i % n + 1) % n : i;
    std::string name = "Z";
    name += std::to_string(n);
    if (bahnen > 1) name += '^' + std::to_string(bahnen);
    if (fest > 0) name += '+' + std::to_string(fest);
    return {name, v, {p}};
}

Gruppe Affin(int n, int faktor, int bahnen, int fest) {
    auto g = Zyklisch(n, bahnen, fest);
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
    return {name, a * b, {p, q}};
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
// t-orbit with the fewest orbits that fit, prune when even perfectly packed blocks could not cover the rest.
class BahnenUeberdeckung {
public:
    BahnenUeberdeckung(const Bahnenmodell& m, int k, int t, std::int64_t knotenGrenze, std::uint64_t saat)
        : m_(m),
          proBlock_(quintaro::Binomial(k, t)),
          grenze_(knotenGrenze),
          zufall_(saat),
          bedeckt_(m.tGroesse.size(), 0),
          zeilenZu_(m.tGroesse.size()) {
        for (std::size_t z = 0; z < m.spalten.size(); ++z)
            for (int s : m.spalten[z]) zeilenZu_[std::size_t(s)].push_back(int(z));
        for (auto& l : zeilenZu_) std::shuffle(l.begin(), l.end(), zufall_);
        for (auto g : m.tGroesse) offen_ += g;
    }

    // False when the node limit cut the last search short.
    bool Durchsucht() const { return knoten_ <= grenze_; }
    std::int64_t Knoten() const { return knoten_; }

    std::optional<std::vector<int>> Suche(std::int64_t budget) {
        if (offen_ == 0) return gewaehlt_;
        if (++knoten_ > grenze_ || (offen_ + proBlock_ - 1) / proBlock_ > budget) return std::nullopt;
        int spalte = -1;
        std::size_t wenigste = SIZE_MAX;
        for (std::size_t s = 0; s < bedeckt_.size(); ++s) {
            if (bedeckt_[s]) continue;
            std::size_t n = 0;
            for (int z : zeilenZu_[s]) n += m_.groesse[std::size_t(z)] <= budget;
            if (n < wenigste) wenigste = n, spalte = int(s);
        }
        for (int z : zeilenZu_[std::size_t(spalte)]) {
            if (m_.groesse[std::size_t(z)] > budget) continue;
            Waehle(z, +1);
            if (auto l = Suche(budget - m_.groesse[std::size_t(z)])) return l;
            Waehle(z, -1);
            if (knoten_ > grenze_) break;
        }
        return std::nullopt;
    }

private:
    void Waehle(int z, int plus) {
        for (int s : m_.spalten[std::size_t(z)]) {
            if (plus > 0 && bedeckt_[std::size_t(s)]++ == 0) offen_ -= m_.tGroesse[std::size_t(s)];
            if (plus < 0 && --bedeckt_[std::size_t(s)] == 0) offen_ += m_.tGroesse[std::size_t(s)];
        }
        if (plus > 0)
            gewaehlt_.push_back(z);
        else
            gewaehlt_.pop_back();
    }

    const Bahnenmodell& m_;
    std::int64_t proBlock_, grenze_, knoten_ = 0, offen_ = 0;
    std::mt19937_64 zufall_;
    std::vector<int> bedeckt_;
    std::vector<std::vector<int>> zeilenZu_;
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
    BahnenUeberdeckung suche(m, k, t, knotenGrenze, saat);
    const auto loesung = suche.Suche(zeilen);
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
