#include "erzeugung.h"

#include <algorithm>
#include <numeric>
#include <optional>
#include <random>
#include <set>

#include "core/kombinatorik.h"
#include "feste_tabellen.h"
#include "gruppendesign.h"
#include "suche.h"
#include "systems/reihentabellen.h"

namespace systemgen {

namespace {
// b rows whose values are spread evenly: each row takes the k least used values, ties at random.
Reihen Startreihen(int v, int k, int b, std::mt19937_64& zufall) {
    std::vector<int> benutzt(std::size_t(v) + 1, 0);
    Reihen reihen;
    for (int i = 0; i < b; ++i) {
        std::vector<int> werte(static_cast<std::size_t>(v));
        std::iota(werte.begin(), werte.end(), 1);
        std::shuffle(werte.begin(), werte.end(), zufall);
        std::stable_sort(werte.begin(), werte.end(),
                         [&](int a, int c) { return benutzt[std::size_t(a)] < benutzt[std::size_t(c)]; });
        Reihe r(werte.begin(), werte.begin() + k);
        for (int w : r) ++benutzt[std::size_t(w)];
        std::sort(r.begin(), r.end());
        reihen.push_back(r);
    }
    return reihen;
}

bool IstDesign(const quintaro::TSysteme& s) {
    return s.GA > 0 && quintaro::Binomial(s.WZ, s.GA) == std::int64_t(s.TR) * quintaro::Binomial(s.RG, s.GA);
}

// Small cyclic groups on v points: one or several cycles of equal length and up to two fixed points.
std::vector<Gruppe> KleineGruppen(int v, int hoechstensBahnen) {
    std::vector<Gruppe> gruppen;
    for (int bahnen = 1; bahnen <= hoechstensBahnen; ++bahnen)
        for (int fest = 0; fest <= 2; ++fest)
            if ((v - fest) % bahnen == 0 && (v - fest) / bahnen >= 5)
                gruppen.push_back(Zyklisch((v - fest) / bahnen, bahnen, fest));
    return gruppen;
}

// A design whose row count leaves no room for overlap: tried with small cyclic
// and bicyclic automorphism groups.
std::optional<Erzeugnis> DesignMitAutomorphismen(const quintaro::TSysteme& s, std::uint64_t saat) {
    const int v = s.WZ;
    std::vector<Gruppe> gruppen = KleineGruppen(v, 4);
    for (int a = 2; a * a <= v; ++a)
        if (v % a == 0) gruppen.push_back(Produkt(a, v / a));
    for (const auto& g : gruppen)
        for (std::uint64_t versuch = 0; versuch < 3; ++versuch)
            if (auto r = DesignMitGruppe(s.RG, s.GA, g, 2'000'000, saat + versuch))
                return Erzeugnis{*r, "Design " + g.name};
    return std::nullopt;
}

// Annealing over rows that stand for full orbits of the group, the rows left
// over (TR not a multiple of the group order) free; then annealing without
// symmetry from there.
Reihen BahnenSuche(const quintaro::TSysteme& s, const Gruppe& gruppe, std::int64_t schritte,
                   std::mt19937_64& zufall) {
    auto elemente = Elemente(gruppe);
    const int ordnung = int(elemente.size());
    const int bahnzeilen = s.TR / ordnung;
    Reihen start;
    std::uniform_int_distribution<int> wert(1, s.WZ);
    while (int(start.size()) < bahnzeilen) {
        std::vector<int> r;
        while (int(r.size()) < s.RG)
            if (const int w = wert(zufall); std::find(r.begin(), r.end(), w) == r.end()) r.push_back(w);
        std::set<Reihe> bilder;
        for (const auto& g : elemente) {
            Reihe b;
            for (int w : r) b.push_back(g[std::size_t(w - 1)] + 1);
            std::sort(b.begin(), b.end());
            bilder.insert(b);
        }
        if (int(bilder.size()) == ordnung) start.push_back(r);
    }
    for (auto& r : Startreihen(s.WZ, s.RG, s.TR - bahnzeilen * ordnung, zufall)) start.push_back(r);
    Ueberdeckungssuche bahnen(s.WZ, s.RG, s.GA, start, zufall(), std::move(elemente), bahnzeilen);
    bahnen.Gluehen(schritte);
    Ueberdeckungssuche frei(s.WZ, s.RG, s.GA, bahnen.Ergebnis(), zufall());
    frei.Gluehen(schritte / 4);
    return frei.Ergebnis();
}
}  // namespace

std::int64_t Unbedeckt(const Reihen& reihen, const quintaro::TSysteme& s) {
    std::vector<std::uint8_t> werte;
    for (const auto& r : reihen)
        for (int w : r) werte.push_back(std::uint8_t(w));
    return quintaro::UnbedeckteTeilmengen(werte, s.RG, s.WZ, s.GA > 0 ? s.GA : 2);
}

bool FormGueltig(const Reihen& reihen, const quintaro::TSysteme& s) {
    if (reihen.size() != s.TR) return false;
    std::vector<bool> benutzt(std::size_t(s.WZ) + 1, false);
    for (const auto& r : reihen) {
        if (r.size() != s.RG) return false;
        for (std::size_t p = 0; p < r.size(); ++p) {
            if (r[p] < 1 || r[p] > s.WZ || (p > 0 && r[p] <= r[p - 1])) return false;
            benutzt[std::size_t(r[p])] = true;
        }
    }
    return std::count(benutzt.begin() + 1, benutzt.end(), true) == s.WZ;
}

Erzeugnis Erzeuge(int index, const quintaro::TSysteme& s, const Vorgaben& vorgaben) {
    if (auto fest = FesteTabelle(index)) return {*fest, "vorgegeben"};
    std::mt19937_64 zufall(vorgaben.saat * 0x9E3779B97F4A7C15ull + std::uint64_t(index));
    if (IstDesign(s))
        if (auto d = DesignMitAutomorphismen(s, zufall())) return *d;
    const int t = s.GA > 0 ? s.GA : 2;
    Ueberdeckungssuche suche(s.WZ, s.RG, t, Startreihen(s.WZ, s.RG, s.TR, zufall), zufall());
    // Without a guarantee the pair count only has to be good, not optimal.
    suche.Gluehen(s.GA > 0 ? vorgaben.schritte : std::min<std::int64_t>(vorgaben.schritte, 1'000'000));
    Erzeugnis bestes{suche.Ergebnis(), s.GA > 0 ? "Suche" : "Suche (Paare)"};
    std::int64_t unbedeckt = suche.Unbedeckt();
    if (s.GA > 0 && vorgaben.bahnen)
        for (const auto& g : KleineGruppen(s.WZ, 3)) {
            if (unbedeckt == 0 || std::int64_t(s.TR) < 2 * std::int64_t(Elemente(g).size())) break;
            auto reihen = BahnenSuche(s, g, vorgaben.schritte, zufall);
            if (const auto u = Unbedeckt(reihen, s); u < unbedeckt) {
                unbedeckt = u;
                bestes = {reihen, "Bahnen " + g.name};
            }
        }
    Ueberdeckungssuche fertig(s.WZ, s.RG, t, bestes.reihen, zufall());
    fertig.Nachbessern();
    bestes.reihen = fertig.Ergebnis();
    return bestes;
}

}  // namespace systemgen
