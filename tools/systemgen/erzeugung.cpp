#include "erzeugung.h"

#include <algorithm>
#include <numeric>
#include <random>

#include "feste_tabellen.h"
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
    const int t = s.GA > 0 ? s.GA : 2;
    Ueberdeckungssuche suche(s.WZ, s.RG, t, Startreihen(s.WZ, s.RG, s.TR, zufall), zufall());
    suche.Gluehen(vorgaben.schritte);
    suche.Nachbessern();
    auto reihen = suche.Ergebnis();
    return {reihen, s.GA > 0 ? "Suche" : "Suche (Paare)"};
}

}  // namespace systemgen
