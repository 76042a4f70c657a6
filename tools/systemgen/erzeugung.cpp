#include "erzeugung.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <numeric>
#include <optional>
#include <random>
#include <set>

#include "bahnenprogramm.h"
#include "core/kombinatorik.h"
#include "feste_tabellen.h"
#include "gestrichener_plan.h"
#include "gruppendesign.h"
#include "oktadensuche.h"
#include "reparatur.h"
#include "steinersysteme.h"
#include "suche.h"
#include "systems/reihentabellen.h"
#include "transversaldesign.h"
#include "transversalplan.h"
#include "tripel_durch_quadrupel.h"
#include "vierfachpaar.h"

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

std::string Benannt(const char* methode, const Gruppe& g) {
    std::string name = methode;
    name += g.name;
    return name;
}

// The prescribed group of the orbit searches for GA >= 3.
Gruppe Vorgegeben(const Gruppenform& form) {
    return form.faktor > 1 ? Affin(form.m, form.faktor, form.c, form.f) : Zyklisch(form.m, form.c, form.f);
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
                return Erzeugnis{*r, Benannt("Design ", g)};
    return std::nullopt;
}

// A covering made of whole orbits of a small cyclic group (or of the prescribed one), found by a depth-first
// search over the orbits or, with --programm, by the integer program; rows left over are filled with
// further distinct rows.
std::optional<Erzeugnis> UeberdeckungAusBahnen(const quintaro::TSysteme& s, const Vorgaben& vorgaben,
                                               std::uint64_t saat) {
    if (quintaro::Binomial(s.WZ, s.RG) > 20'000'000) return std::nullopt;  // too many subsets to go through
    const auto gruppen = vorgaben.gruppe ? std::vector<Gruppe>{Vorgegeben(*vorgaben.gruppe)}
                                         : KleineGruppen(s.WZ, 6);
    for (const auto& g : gruppen) {
        if (vorgaben.programmSekunden > 0) {
            const auto e = UeberdeckungPerProgramm(s.RG, s.GA, g, s.TR, vorgaben.programmSekunden);
            std::fprintf(stderr, "    Programm %-14s %s\n", g.name.c_str(), e.meldung.c_str());
            if (!e.reihen) continue;
            auto r = *e.reihen;
            Auffuellen(r, s.WZ, s.RG, s.TR);
            return Erzeugnis{r, Benannt("Programm ", g)};
        }
        for (std::uint64_t versuch = 0; versuch < 2; ++versuch) {
            bool durchsucht = false;
            if (auto r = UeberdeckungMitGruppe(s.RG, s.GA, g, s.TR, vorgaben.knoten, saat + versuch, &durchsucht)) {
                Auffuellen(*r, s.WZ, s.RG, s.TR);
                return Erzeugnis{*r, Benannt("Bahnen ", g)};
            }
            if (durchsucht) break;  // another row order cannot find what does not exist
        }
    }
    return std::nullopt;
}

// Triples by quadruples on 13 points in 78 rows (the Schoenheim bound): the exact cover over the cyclic
// STS(13). The row order of the first try (saat 1) leads to a cover within about a minute.
std::optional<Erzeugnis> QuadrupelAus13(const quintaro::TSysteme& s) {
    if (s.RG != 4 || s.GA != 3 || s.WZ != 13 || s.TR != 78) return std::nullopt;
    for (std::uint64_t saat = 1; saat <= 3; ++saat)
        if (auto r = QuadrupelUeberTripelsystem(13, ZyklischesTripelsystem13(), 2'000'000'000, saat))
            return Erzeugnis{*r, "STS(13) doppelt"};
    return std::nullopt;
}

// Triples of 24 points by 6-sets: the S(3,6,22) derived from the octads covers the triples of 1..22, and
// the 39 quadruples of a pair covering of 1..22, each joined with 23 and 24, cover every triple through 23
// or 24: 77 + 39 = 116 rows.
std::optional<Erzeugnis> SteinerUndZweiPunkte(const quintaro::TSysteme& s, std::mt19937_64& zufall) {
    if (s.RG != 6 || s.GA != 3 || s.WZ != 24 || s.TR != 116) return std::nullopt;
    auto paare = VierfachPaar(22, 39, 8, 4'000'000, zufall);
    if (!paare) return std::nullopt;
    Reihen reihen = Abgeleitet(Oktaden(), {23, 24});
    for (auto r : paare->reihen) {
        r.push_back(23);
        r.push_back(24);
        std::sort(r.begin(), r.end());
        reihen.push_back(r);
    }
    return Erzeugnis{reihen, "S(3,6,22)+2"};
}

// The rows of a table with the values beyond WZ struck and replaced by the smallest values missing from their row.
Reihen Gestrichen(const Reihen& tabelle, int WZ) {
    Reihen reihen;
    for (auto r : tabelle) {
        for (auto& w : r)
            if (w > WZ)
                for (int ersatz = 1;; ++ersatz)
                    if (std::find(r.begin(), r.end(), ersatz) == r.end()) {
                        w = ersatz;
                        break;
                    }
        std::sort(r.begin(), r.end());
        reihen.push_back(r);
    }
    return reihen;
}

// The complete table of another entry with the same RG and GA that `passt` accepts (closest WZ first).
template <typename Passt>
int Nachbartabelle(const quintaro::TSysteme& s, const std::vector<Reihen>& tabellen, Passt&& passt) {
    const auto& systeme = quintaro::EingebauteSysteme();
    int beste = -1;
    for (std::size_t j = 0; j < systeme.size(); ++j) {
        const auto& g = systeme[j];
        if (g.RG != s.RG || g.GA != s.GA || !passt(g) || !FormGueltig(tabellen[j], g) || Unbedeckt(tabellen[j], g) != 0)
            continue;
        if (beste < 0 || std::abs(g.WZ - s.WZ) < std::abs(systeme[std::size_t(beste)].WZ - s.WZ)) beste = int(j);
    }
    return beste;
}

// From a complete table with more Wahlzahlen and no more rows: values struck, rows filled up.
std::optional<Erzeugnis> PunkteStreichen(const quintaro::TSysteme& s, const std::vector<Reihen>& tabellen) {
    const int j = Nachbartabelle(s, tabellen, [&](const auto& g) { return g.WZ > s.WZ && g.TR <= s.TR; });
    if (j < 0) return std::nullopt;
    auto reihen = Gestrichen(tabellen[std::size_t(j)], s.WZ);
    Auffuellen(reihen, s.WZ, s.RG, s.TR);
    return Erzeugnis{reihen, "aus Tabelle " + std::to_string(j)};
}

// Start rows from a complete table with more Wahlzahlen and up to two rows more: values struck, and the rows
// whose loss uncovers least dropped.
std::optional<Reihen> StartAusGroessererTabelle(const quintaro::TSysteme& s, const std::vector<Reihen>& tabellen) {
    const int j = Nachbartabelle(s, tabellen, [&](const auto& g) { return g.WZ > s.WZ && g.TR <= s.TR + 2; });
    if (j < 0) return std::nullopt;
    auto reihen = Gestrichen(tabellen[std::size_t(j)], s.WZ);
    while (reihen.size() > s.TR) {
        std::size_t weg = 0;
        std::int64_t wenigste = -1;
        for (std::size_t z = 0; z < reihen.size(); ++z) {
            auto ohne = reihen;
            ohne.erase(ohne.begin() + std::ptrdiff_t(z));
            if (const auto u = Unbedeckt(ohne, s); wenigste < 0 || u < wenigste) wenigste = u, weg = z;
        }
        reihen.erase(reihen.begin() + std::ptrdiff_t(weg));
    }
    return reihen;
}

// Start rows taken from the complete table of the same RG and GA with the next smaller WZ (and fewer rows),
// the rows still missing spread evenly; the annealing then only has to cover what the new values bring.
std::optional<Reihen> StartAusKleinererTabelle(const quintaro::TSysteme& s, const std::vector<Reihen>& tabellen,
                                               std::mt19937_64& zufall) {
    const int j = Nachbartabelle(s, tabellen, [&](const auto& g) { return g.WZ < s.WZ && g.TR < s.TR; });
    if (j < 0) return std::nullopt;
    Reihen start = tabellen[std::size_t(j)];
    for (auto& r : Startreihen(s.WZ, s.RG, s.TR - int(start.size()), zufall)) start.push_back(r);
    return start;
}

// Group shapes for a pair covering of v points by `zeilen` rows: first one cycle of v - f points with
// f = 1..3 fixed points and up to 8 free rows; then Z_m on c >= 2 copies with f <= 8 fixed points,
// 5 <= m <= 15, and as many base rows as leave 2..16 free rows (the fixed points need some), or without
// fixed points none at all.
std::vector<Gruppenform> Paarformen(int v, int zeilen) {
    std::vector<Gruppenform> formen;
    for (int f = 1; f <= 3; ++f)
        for (int basis = zeilen / (v - f); basis >= 1 && zeilen - basis * (v - f) <= 8; --basis)
            formen.push_back({v - f, 1, f, basis});
    for (int m : {7, 5, 9, 11, 13, 15, 6, 8, 10, 12, 14})
        for (int f = 0; f <= 8; ++f) {
            if ((v - f) % m != 0 || v - f < 2 * m) continue;
            for (int basis = zeilen / m; basis >= 1; --basis) {
                const int frei = zeilen - basis * m;
                if (frei > 16) break;
                if (frei >= 2 || (frei == 0 && f == 0)) formen.push_back({m, (v - f) / m, f, basis});
            }
        }
    return formen;
}

// A pair covering annealed with a prescribed automorphism group on most of its rows (see paargluehen.h),
// shape after shape until one is complete; else the one that leaves fewest pairs open.
std::optional<Erzeugnis> PaareMitGruppe(const quintaro::TSysteme& s, const Vorgaben& vorgaben,
                                        std::mt19937_64& zufall) {
    const auto formen = vorgaben.gruppe ? std::vector<Gruppenform>{*vorgaben.gruppe} : Paarformen(s.WZ, s.TR);
    std::optional<Erzeugnis> bestes;
    std::int64_t wenigste = -1;
    for (const auto& form : formen) {
        const auto start = std::chrono::steady_clock::now();
        Paargluehen suche(s.WZ, s.RG, s.TR, form, zufall());
        suche.Gluehen(vorgaben.schritte);
        const std::chrono::duration<double> dauer = std::chrono::steady_clock::now() - start;
        std::fprintf(stderr, "    Gruppe %-14s unbedeckt %4lld  %7.2f s\n", form.Name().c_str(),
                     (long long)suche.Unbedeckt(), dauer.count());
        if (wenigste < 0 || suche.Unbedeckt() < wenigste) {
            wenigste = suche.Unbedeckt();
            bestes = Erzeugnis{suche.Ergebnis(), "Gruppe " + form.Name()};
        }
        if (wenigste == 0) break;
    }
    return bestes;
}

// Annealing over rows that stand for full orbits of the group; the rows left
// over (TR not a multiple of the group order) join in the annealing without
// symmetry that follows.
Reihen BahnenSuche(const quintaro::TSysteme& s, const Gruppe& gruppe, std::int64_t schritte, std::mt19937_64& zufall) {
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
    Ueberdeckungssuche bahnen(s.WZ, s.RG, s.GA, start, zufall(), std::move(elemente));
    bahnen.Gluehen(schritte);
    auto reihen = bahnen.Ergebnis();
    for (auto& r : Startreihen(s.WZ, s.RG, s.TR - int(reihen.size()), zufall)) reihen.push_back(r);
    Ueberdeckungssuche frei(s.WZ, s.RG, s.GA, reihen, zufall());
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

namespace {
// A table that leaves a few subsets open (up to this many) is worth the exact repair.
constexpr std::int64_t ReparaturAb = 30;

Reihen Repariert(const quintaro::TSysteme& s, const Reihen& reihen, const Vorgaben& vorgaben,
                 std::mt19937_64& zufall) {
    Reparaturvorgaben r;
    r.runden = vorgaben.reparaturRunden;
    const auto start = std::chrono::steady_clock::now();
    auto neu = Reparieren(s.WZ, s.RG, s.GA, reihen, r, zufall);
    const std::chrono::duration<double> dauer = std::chrono::steady_clock::now() - start;
    std::fprintf(stderr, "    Reparatur: unbedeckt %lld -> %lld, %d Umbauten  %7.2f s\n",
                 (long long)Unbedeckt(reihen, s), (long long)Unbedeckt(neu.reihen, s), neu.umbauten, dauer.count());
    return neu.reihen;
}
}  // namespace

Erzeugnis Erzeuge(int index, const quintaro::TSysteme& s, const Vorgaben& vorgaben,
                  const std::vector<Reihen>& tabellen) {
    if (auto fest = FesteTabelle(index)) return {*fest, "vorgegeben"};
    std::mt19937_64 zufall(vorgaben.saat * 0x9E3779B97F4A7C15ull + std::uint64_t(index));
    // The integer program over a prescribed group comes first, for pair coverings too: the point of asking
    // for it is its answer for that group, not whatever the searches make of the table afterwards. The
    // depth-first search over the group's orbits comes first in the same way for a pair covering with
    // --bahnen, and for larger subsets with --nur-gruppe.
    const bool bahnenZuerst = vorgaben.gruppe && s.GA > 0 &&
                              (vorgaben.programmSekunden > 0 || (s.GA == 2 ? vorgaben.bahnen : vorgaben.nurGruppe));
    if (bahnenZuerst) {
        if (auto d = UeberdeckungAusBahnen(s, vorgaben, zufall())) return *d;
        if (vorgaben.nurGruppe)
            return {tabellen[std::size_t(index)], vorgaben.programmSekunden > 0 ? "Programm: keine" : "Bahnen: keine"};
    }
    if (IstDesign(s))
        if (auto d = DesignMitAutomorphismen(s, zufall())) return *d;
    if (auto d = QuadrupelAus13(s)) return *d;
    if (auto d = SteinerUndZweiPunkte(s, zufall)) return *d;
    if (s.GA == 2 && s.RG == 6 && s.WZ == 47 && s.TR == 79) return {SechserAuf47(), "TD(6,8)-1"};
    if (s.GA == 2)
        if (auto d = TransversalMitPunkten(s.WZ, s.RG, s.TR); d && Unbedeckt(d->reihen, s) == 0)
            return {d->reihen, d->methode};
    if (s.GA > 0)
        if (auto d = PunkteStreichen(s, tabellen)) return *d;
    if (s.GA == 2 && s.RG == 4 && s.TR == quintaro::Binomial(s.WZ, 2) / 6 + 1)
        if (auto d = VierfachPaar(s.WZ, s.TR, 8, 4'000'000, zufall)) return {d->reihen, "Vierfachpaar " + d->gruppe};
    if (const auto& alt = tabellen[std::size_t(index)]; s.GA > 0 && FormGueltig(alt, s)) {
        const auto u = Unbedeckt(alt, s);
        if (u > 0 && u <= ReparaturAb)
            if (auto neu = Repariert(s, alt, vorgaben, zufall); Unbedeckt(neu, s) == 0) return {neu, "Reparatur"};
    }
    if (s.GA == 2 && !vorgaben.gruppe)
        if (auto d = PaareAusTransversalplan(s, zufall(), vorgaben.schritte)) {
            const auto u = Unbedeckt(d->reihen, s);
            if (u == 0) return *d;
            if (vorgaben.nurPlan)
                return u <= ReparaturAb ? Erzeugnis{Repariert(s, d->reihen, vorgaben, zufall), d->methode + " +Reparatur"}
                                        : *d;
        }
    const auto mitGruppe = s.GA == 2 ? PaareMitGruppe(s, vorgaben, zufall) : std::nullopt;
    if (mitGruppe && (vorgaben.nurGruppe || Unbedeckt(mitGruppe->reihen, s) == 0)) {
        Ueberdeckungssuche fertig(s.WZ, s.RG, 2, mitGruppe->reihen, zufall());
        fertig.Nachbessern();
        return {fertig.Ergebnis(), mitGruppe->methode};
    }
    if (mitGruppe && vorgaben.gruppe) {
        // A prescribed shape that fell short: the free search goes on from its table, symmetry given up.
        Ueberdeckungssuche weiter(s.WZ, s.RG, 2, mitGruppe->reihen, zufall());
        weiter.Tabusuche(vorgaben.schritte, vorgaben.gewichte);
        weiter.Gluehen(vorgaben.schritte);
        weiter.Nachbessern();
        return {weiter.Ergebnis(), mitGruppe->methode + " + Suche"};
    }
    if (s.GA > 0 && !bahnenZuerst)
        if (auto d = UeberdeckungAusBahnen(s, vorgaben, zufall())) return *d;
    const int t = s.GA > 0 ? s.GA : 2;
    const bool weiter = vorgaben.weiter && s.GA > 0 && FormGueltig(tabellen[std::size_t(index)], s);
    auto start = weiter ? std::optional<Reihen>(tabellen[std::size_t(index)]) : std::nullopt;
    const bool oktaden = !start && s.RG == 6 && s.GA == 4 && s.WZ == 24;
    if (oktaden) {
        // Quadruples of 24 points: the search starts from blocks inside the octads of S(5,8,24).
        Oktadensuche okt(s.TR, zufall());
        okt.Gluehen(vorgaben.schritte);
        start = okt.Ergebnis();
    }
    if (!start && s.GA > 0) start = StartAusGroessererTabelle(s, tabellen);
    if (!start && s.GA > 0) start = StartAusKleinererTabelle(s, tabellen, zufall);
    Ueberdeckungssuche suche(s.WZ, s.RG, t, start ? *start : Startreihen(s.WZ, s.RG, s.TR, zufall), zufall());
    if (s.GA > 0) {
        // Tabu search first; annealing from its best state when that is not complete.
        suche.Tabusuche(vorgaben.schritte, vorgaben.gewichte);
        suche.Gluehen(vorgaben.schritte);
    } else {
        // Without a guarantee the pair count only has to be good, not optimal.
        suche.Gluehen(std::min<std::int64_t>(vorgaben.schritte, 1'000'000));
    }
    Erzeugnis bestes{suche.Ergebnis(), s.GA == 0  ? "Suche (Paare)"
                                         : weiter  ? "Suche weiter"
                                         : oktaden ? "Oktaden+Suche"
                                         : start  ? "Suche erweitert"
                                                  : "Suche"};
    std::int64_t unbedeckt = suche.Unbedeckt();
    if (mitGruppe && Unbedeckt(mitGruppe->reihen, s) < unbedeckt) {
        unbedeckt = Unbedeckt(mitGruppe->reihen, s);
        bestes = *mitGruppe;
    }
    const auto gruppen = vorgaben.gruppe && s.GA > 2
                             ? std::vector<Gruppe>{Vorgegeben(*vorgaben.gruppe)}
                             : KleineGruppen(s.WZ, 3);
    if (s.GA > 0 && vorgaben.bahnen)
        for (const auto& g : gruppen) {
            if (unbedeckt == 0 || std::int64_t(s.TR) < 2 * std::int64_t(Elemente(g).size())) break;
            auto reihen = BahnenSuche(s, g, vorgaben.schritte, zufall);
            if (const auto u = Unbedeckt(reihen, s); u < unbedeckt) {
                unbedeckt = u;
                bestes = {reihen, Benannt("Bahnen+Suche ", g)};
            }
        }
    Ueberdeckungssuche fertig(s.WZ, s.RG, t, bestes.reihen, zufall());
    fertig.Nachbessern();
    bestes.reihen = fertig.Ergebnis();
    if (const auto u = Unbedeckt(bestes.reihen, s); s.GA > 0 && u > 0 && u <= ReparaturAb) {
        auto neu = Repariert(s, bestes.reihen, vorgaben, zufall);
        if (Unbedeckt(neu, s) < u) bestes = {neu, bestes.methode + " +Reparatur"};
    }
    return bestes;
}

}  // namespace systemgen
