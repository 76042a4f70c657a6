#include "bahnenmodell.h"

#include <algorithm>
#include <bit>
#include <map>
#include <numeric>
#include <set>
#include <unordered_map>

#include "core/kombinatorik.h"

namespace systemgen {

Maske Bild(const Perm& p, Maske m) {
    Maske r = 0;
    for (; m; m &= m - 1) r |= Maske(1) << p[std::size_t(std::countr_zero(m))];
    return r;
}

Maske AlsMaske(const std::vector<int>& a) {
    Maske m = 0;
    for (int x : a) m |= Maske(1) << (x - 1);
    return m;
}

namespace {
// Numbers the orbits of the s-subsets; `groesse` gets each orbit's length.
std::unordered_map<Maske, int> Bahnen(int v, int s, const std::vector<Perm>& elemente,
                                      std::vector<std::int64_t>& groesse) {
    std::unordered_map<Maske, int> bahn;
    quintaro::FuerAlleKombinationen(v, s, [&](const std::vector<int>& a) {
        const Maske teil = AlsMaske(a);
        if (bahn.contains(teil)) return true;
        const int id = int(groesse.size());
        groesse.push_back(0);
        for (const auto& p : elemente)
            if (bahn.emplace(Bild(p, teil), id).second) ++groesse.back();
        return true;
    });
    return bahn;
}

// Per s-orbit met by block `b`: how many of the orbit's blocks pass through one member of it.
std::vector<std::pair<int, std::int64_t>> Durch(Maske b, int s, std::int64_t groesse,
                                                const std::unordered_map<Maske, int>& bahn,
                                                const std::vector<std::int64_t>& bahnGroesse) {
    std::vector<int> glieder;
    for (Maske x = b; x; x &= x - 1) glieder.push_back(std::countr_zero(x));
    std::map<int, std::int64_t> treffer;
    quintaro::FuerAlleKombinationen(int(glieder.size()), s, [&](const std::vector<int>& pos) {
        Maske teil = 0;
        for (int i : pos) teil |= Maske(1) << glieder[std::size_t(i - 1)];
        ++treffer[bahn.at(teil)];
        return true;
    });
    // Double counting: groesse blocks with `anzahl` members of the s-orbit each, spread evenly over it.
    std::vector<std::pair<int, std::int64_t>> durch;
    for (auto [id, anzahl] : treffer) durch.emplace_back(id, anzahl * groesse / bahnGroesse[std::size_t(id)]);
    return durch;
}
}  // namespace

Bahnenmodell Modell(int k, int t, const Gruppe& gruppe, bool mitStufen) {
    Bahnenmodell m;
    m.elemente = Elemente(gruppe);
    const auto tBahn = Bahnen(gruppe.v, t, m.elemente, m.tGroesse);
    const auto punktBahn = Bahnen(gruppe.v, 1, m.elemente, m.punktGroesse);
    m.tDurchPunkt.resize(m.tGroesse.size());
    std::vector<bool> gesehen(m.tGroesse.size(), false);
    for (auto [teil, id] : tBahn)
        if (!gesehen[std::size_t(id)]) {
            gesehen[std::size_t(id)] = true;
            m.tDurchPunkt[std::size_t(id)] = Durch(teil, 1, m.tGroesse[std::size_t(id)], punktBahn, m.punktGroesse);
        }
    std::vector<std::unordered_map<Maske, int>> sBahn;
    std::vector<std::vector<std::int64_t>> sGroesse(mitStufen ? std::size_t(t - 1) : 0);
    for (int s = 1; s <= int(sGroesse.size()); ++s) {
        sBahn.push_back(Bahnen(gruppe.v, s, m.elemente, sGroesse[std::size_t(s - 1)]));
        m.stufen.push_back({{}, int(sGroesse[std::size_t(s - 1)].size())});
    }
    // Each orbit is met at its smallest member (as a bit mask).
    quintaro::FuerAlleKombinationen(gruppe.v, k, [&](const std::vector<int>& a) {
        const Maske b = AlsMaske(a);
        std::int64_t stabil = 0;
        for (const auto& p : m.elemente) {
            const Maske bild = Bild(p, b);
            if (bild < b) return true;
            stabil += bild == b;
        }
        const std::int64_t groesse = std::int64_t(m.elemente.size()) / stabil;
        std::map<int, std::int64_t> treffer;
        quintaro::FuerAlleKombinationen(k, t, [&](const std::vector<int>& pos) {
            Maske s = 0;
            for (int i : pos) s |= Maske(1) << (a[std::size_t(i - 1)] - 1);
            ++treffer[tBahn.at(s)];
            return true;
        });
        std::vector<int> spalten;
        bool einfach = true;
        for (auto [id, anzahl] : treffer) {
            // Blocks of the orbit through one fixed t-subset of orbit `id`: anzahl * groesse / |orbit id|.
            einfach = einfach && anzahl * groesse == m.tGroesse[std::size_t(id)];
            spalten.push_back(id);
        }
        m.vertreter.push_back(b);
        m.groesse.push_back(groesse);
        m.spalten.push_back(spalten);
        m.einfach.push_back(einfach);
        for (std::size_t s = 0; s < m.stufen.size(); ++s)
            m.stufen[s].durch.push_back(Durch(b, int(s + 1), groesse, sBahn[s], sGroesse[s]));
        return true;
    });
    return m;
}

std::vector<int> Klassen(const Bahnenmodell& m, const std::vector<Perm>& symmetrien) {
    std::unordered_map<Maske, int> nummer;
    for (std::size_t z = 0; z < m.vertreter.size(); ++z) nummer.emplace(m.vertreter[z], int(z));
    std::vector<int> wurzel(m.vertreter.size());
    std::iota(wurzel.begin(), wurzel.end(), 0);
    const auto finde = [&](int z) {
        while (wurzel[std::size_t(z)] != z) z = wurzel[std::size_t(z)] = wurzel[std::size_t(wurzel[std::size_t(z)])];
        return z;
    };
    for (std::size_t z = 0; z < m.vertreter.size(); ++z)
        for (const auto& s : symmetrien) {
            const Maske bild = Bild(s, m.vertreter[z]);
            Maske kleinstes = bild;
            for (const auto& p : m.elemente) kleinstes = std::min(kleinstes, Bild(p, bild));
            const int a = finde(int(z)), b = finde(nummer.at(kleinstes));
            wurzel[std::size_t(std::max(a, b))] = std::min(a, b);
        }
    std::vector<int> klasse(m.vertreter.size());
    for (std::size_t z = 0; z < klasse.size(); ++z) klasse[z] = finde(int(z));
    return klasse;
}

std::int64_t ErreichbareZeilen(const Bahnenmodell& m, std::int64_t zeilen) {
    std::int64_t teiler = 0;
    for (auto g : m.groesse) teiler = std::gcd(teiler, g);
    return teiler > 0 ? zeilen / teiler * teiler : zeilen;
}

Reihen Ausrollen(const Bahnenmodell& m, const std::vector<int>& gewaehlt) {
    Reihen reihen;
    for (int z : gewaehlt) {
        std::set<Maske> bahn;
        for (const auto& p : m.elemente) bahn.insert(Bild(p, m.vertreter[std::size_t(z)]));
        for (Maske b : bahn) {
            Reihe r;
            for (Maske x = b; x; x &= x - 1) r.push_back(std::countr_zero(x) + 1);
            reihen.push_back(r);
        }
    }
    return reihen;
}

}  // namespace systemgen
