#include "erzeugung.h"

#include <algorithm>
#include <numeric>
#include <optional>
#include <random>

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

// A design whose row count leaves no room for overlap: tried with small cyclic
// and bicyclic automorphism groups.
std::optional<Erzeugnis> DesignMitAutomorphismen(const quintaro::TSysteme& s, std::uint64_t saat) {
    const int v = s.WZ;
    std::vector<Gruppe> gruppen = {Zyklisch(v), Zyklisch(v - 1, 1, 1)};
    for (int a = 2; a * a <= v; ++a)
        if (v % a == 0) gruppen.push_back(Produkt(a, v / a));
    // Cyclic groups with several orbits and up to two fixed points.
    for (int bahnen = 2; bahnen <= 4; ++bahnen)
        for (int fest = 0; fest <= 2; ++fest)
            if ((v - fest) % bahnen == 0 && (v - fest) / bahnen >= 5) gruppen.push_back(Zyklisch((v - fest) / bahnen, bahnen, fest));
    for (const auto& g : gruppen)
        for (std::uint64_t versuch = 0; versuch < 3; ++versuch)
            if (auto r = DesignMitGruppe(s.RG, s.GA, g, 2'000'000, saat + versuch))
                return Erzeugnis{*r, "Design " + g.name};
    return std::nullopt;
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
    suche.Nachbessern();
    auto reihen = suche.Ergebnis();
    return {reihen, s.GA > 0 ? "Suche" : "Suche (Paare)"};
}

}  // namespace systemgen
