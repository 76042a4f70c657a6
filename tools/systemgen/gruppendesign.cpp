#include "gruppendesign.h"

#include <algorithm>
#include <bit>
#include <map>
#include <set>
#include <unordered_map>
#include <unordered_set>

#include "core/kombinatorik.h"
#include "exakte_ueberdeckung.h"

namespace systemgen {

namespace {
using Perm = std::vector<int>;
using Maske = std::uint64_t;

}  // namespace

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
Maske Bild(const Perm& p, Maske m) {
    Maske r = 0;
    for (; m; m &= m - 1) r |= Maske(1) << p[std::size_t(std::countr_zero(m))];
    return r;
}

Maske AlsMaske(const std::vector<int>& a) {  // members 1-based
    Maske m = 0;
    for (int x : a) m |= Maske(1) << (x - 1);
    return m;
}
}  // namespace

Gruppe Zyklisch(int n, int bahnen, int fest) {
    const int v = n * bahnen + fest;
    Perm p(static_cast<std::size_t>(v));
    for (int i = 0; i < v; ++i) p[std::size_t(i)] = i < n * bahnen ? i / n * n + (i % n + 1) % n : i;
    std::string name = "Z";
    name += std::to_string(n);
    if (bahnen > 1) name += "^" + std::to_string(bahnen);
    if (fest > 0) name += "+" + std::to_string(fest);
    return {name, v, {p}};
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

std::optional<Reihen> DesignMitGruppe(int k, int t, const Gruppe& gruppe, std::int64_t knotenGrenze,
                                      std::uint64_t saat) {
    const int v = gruppe.v;
    const auto elemente = Elemente(gruppe);
    // Orbits of the t-subsets: the columns.
    std::unordered_map<Maske, int> tBahn;
    std::vector<int> tGroesse;
    quintaro::FuerAlleKombinationen(v, t, [&](const std::vector<int>& a) {
        const Maske m = AlsMaske(a);
        if (tBahn.contains(m)) return true;
        const int id = int(tGroesse.size());
        tGroesse.push_back(0);
        for (const auto& p : elemente)
            if (tBahn.emplace(Bild(p, m), id).second) ++tGroesse.back();
        return true;
    });
    // Orbits of the k-subsets whose t-subsets meet every t-orbit at most once per block orbit: the rows.
    std::unordered_set<Maske> gesehen;
    std::vector<Maske> vertreter;
    std::vector<std::vector<int>> zeilen;
    quintaro::FuerAlleKombinationen(v, k, [&](const std::vector<int>& a) {
        const Maske m = AlsMaske(a);
        if (gesehen.contains(m)) return true;
        std::vector<Maske> bahn;
        for (const auto& p : elemente)
            if (const Maske b = Bild(p, m); gesehen.insert(b).second) bahn.push_back(b);
        std::map<int, int> treffer;
        quintaro::FuerAlleKombinationen(k, t, [&](const std::vector<int>& pos) {
            Maske s = 0;
            for (int i : pos) s |= Maske(1) << (a[std::size_t(i - 1)] - 1);
            ++treffer[tBahn.at(s)];
            return true;
        });
        std::vector<int> spalten;
        for (auto [id, anzahl] : treffer) {
            // Blocks of this orbit through one fixed t-subset of orbit `id`.
            if (std::int64_t(anzahl) * std::int64_t(bahn.size()) != tGroesse[std::size_t(id)]) return true;
            spalten.push_back(id);
        }
        vertreter.push_back(m);
        zeilen.push_back(spalten);
        return true;
    });
    ExakteUeberdeckung problem(int(tGroesse.size()));
    for (const auto& z : zeilen) problem.Zeile(z);
    const auto loesung = problem.Loese(knotenGrenze, saat);
    if (!loesung) return std::nullopt;
    Reihen reihen;
    for (int z : *loesung) {
        std::set<Maske> bahn;
        for (const auto& p : elemente) bahn.insert(Bild(p, vertreter[std::size_t(z)]));
        for (Maske b : bahn) {
            Reihe r;
            for (Maske m = b; m; m &= m - 1) r.push_back(std::countr_zero(m) + 1);
            reihen.push_back(r);
        }
    }
    return reihen;
}

}  // namespace systemgen
