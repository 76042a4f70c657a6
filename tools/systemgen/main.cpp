// systemgen: generates the row tables of the built-in systems and writes them
// as src/systems/reihentabellen_daten.cpp. Run from the source folder:
//   systemgen [--entry N | --from A --to B | --liste A,B,...] [--schritte MILLIONEN] [--saat S]
//             [--bahnen] [--weiter] [--offen] [--frisch] [--immer] [--datei PFAD] [--gruppe M,C,F,BASIS]
//             [--nur-gruppe] [--nur-plan] [--reparatur RUNDEN] [--knoten MILLIONEN]
//   systemgen --entry N --einlesen TEXTDATEI   (entry N's rows from a text file, one row per line,
//                                               values joined by commas; checked like a generated table;
//                                               tools/systemgen/tabellen/N.txt keeps tables found elsewhere)
//   systemgen --status   (which tables of the file are complete)
// An entry's new table replaces the one in the file only when it leaves fewer
// subsets uncovered (or the old one is unusable), unless --immer is given.
// --offen skips entries whose table in the file is already complete; --frisch builds without the other
// tables of the file (no values struck from a larger table, no start from a smaller one); --weiter starts
// the search of an entry with a guarantee from its own table in the file. For GA >= 3, --gruppe M,C,F,B
// with --bahnen anneals over the orbits of Z_M on C cycles with F fixed points only (B is not used).
// --nur-gruppe ends a pair covering after the group annealing (to try group shapes quickly); --nur-plan ends
// it after the transversal design with the rest annealed, and the repair of that table.
// --gruppe: pair coverings from this group shape only; when it leaves pairs open, the free search goes on
// from its table. For GA >= 3 the depth-first search over orbits also takes only Z_M on C cycles with F fixed
// points; --knoten bounds its search nodes per try (default one million).
#include <chrono>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <string>

#include "datendatei.h"
#include "erzeugung.h"
#include "systems/katalog.h"
#include "tabellentext.h"

using namespace systemgen;

namespace {
// Per run of equal RG and GA: how many tables are complete; every incomplete table with its uncovered count.
void StatusZeigen(const std::vector<Reihen>& tabellen) {
    const auto& systeme = quintaro::EingebauteSysteme();
    for (int i = 0; i < quintaro::AnzahlEingebauteSysteme;) {
        int j = i, vollstaendig = 0;
        std::string offen;
        for (; j < quintaro::AnzahlEingebauteSysteme && systeme[std::size_t(j)].RG == systeme[std::size_t(i)].RG &&
               systeme[std::size_t(j)].GA == systeme[std::size_t(i)].GA;
             ++j) {
            const auto& s = systeme[std::size_t(j)];
            const auto& t = tabellen[std::size_t(j)];
            const std::int64_t u = FormGueltig(t, s) ? (s.GA > 0 ? Unbedeckt(t, s) : 0) : -1;
            if (u == 0)
                ++vollstaendig;
            else {
                char eintrag[32];
                std::snprintf(eintrag, sizeof eintrag, u < 0 ? " %d:fehlt" : " %d:%lld", j, (long long)u);
                offen += eintrag;
            }
        }
        std::printf("%3d-%3d RG %d GA %d: %2d von %2d vollstaendig%s\n", i, j - 1, systeme[std::size_t(i)].RG,
                    systeme[std::size_t(i)].GA, vollstaendig, j - i, offen.c_str());
        i = j;
    }
}

// Puts `neu` into the file as entry i's table when it has the entry's form and leaves fewer subsets uncovered
// than the table there (or that one is unusable, or `immer`); prints one line with the outcome.
void Uebernehmen(const std::filesystem::path& datei, int i, const Erzeugnis& neu, bool immer, double sekunden) {
    const auto& s = quintaro::EingebauteSysteme()[std::size_t(i)];
    const bool neuGueltig = FormGueltig(neu.reihen, s);
    const std::int64_t u = neuGueltig ? Unbedeckt(neu.reihen, s) : -1;
    std::int64_t uAlt = -1;
    bool nehmen = false;
    DatendateiAendern(datei, [&](std::vector<Reihen>& tabellen) {
        auto& alt = tabellen[std::size_t(i)];
        const bool altGueltig = FormGueltig(alt, s);
        uAlt = altGueltig ? Unbedeckt(alt, s) : -1;
        nehmen = neuGueltig && (immer || !altGueltig || u < uAlt);
        if (nehmen) alt = neu.reihen;
        return nehmen;
    });
    std::printf("%3d RG %d WZ %2d GA %d TR %3d  %-14s unbedeckt %6lld  vorher %6lld  %s  %8.2f s\n", i, s.RG, s.WZ,
                s.GA, s.TR, neu.methode.c_str(), (long long)u, (long long)uAlt,
                !neuGueltig ? "UNGUELTIG"
                : nehmen    ? "uebernommen"
                            : "verworfen  ",
                sekunden);
    std::fflush(stdout);
}
}  // namespace

int main(int argc, char** argv) {
    int von = 0, bis = quintaro::AnzahlEingebauteSysteme - 1;
    std::vector<int> liste;
    bool immer = false, offen = false, status = false, frisch = false;
    Vorgaben vorgaben;
    std::filesystem::path datei = "src/systems/reihentabellen_daten.cpp", einlesen;
    for (int i = 1; i < argc; ++i) {
        const std::string a = argv[i];
        auto wert = [&]() -> std::string {
            if (i + 1 >= argc) {
                std::fprintf(stderr, "%s braucht einen Wert\n", a.c_str());
                std::exit(2);
            }
            return argv[++i];
        };
        if (a == "--entry")
            von = bis = std::stoi(wert());
        else if (a == "--from")
            von = std::stoi(wert());
        else if (a == "--to")
            bis = std::stoi(wert());
        else if (a == "--liste") {
            std::string text = wert();
            for (std::size_t p = 0; p < text.size();
                 p = text.find(',', p) == std::string::npos ? text.size() : text.find(',', p) + 1)
                liste.push_back(std::stoi(text.substr(p)));
        } else if (a == "--schritte")
            vorgaben.schritte = std::int64_t(std::stod(wert()) * 1e6);
        else if (a == "--reparatur")
            vorgaben.reparaturRunden = std::stoi(wert());
        else if (a == "--bahnen")
            vorgaben.bahnen = true;
        else if (a == "--weiter")
            vorgaben.weiter = true;
        else if (a == "--saat")
            vorgaben.saat = std::stoull(wert());
        else if (a == "--immer")
            immer = true;
        else if (a == "--offen")
            offen = true;
        else if (a == "--frisch")
            frisch = true;
        else if (a == "--status")
            status = true;
        else if (a == "--datei")
            datei = wert();
        else if (a == "--gruppe") {
            Gruppenform f;
            if (std::sscanf(wert().c_str(), "%d,%d,%d,%d", &f.m, &f.c, &f.f, &f.basis) != 4) {
                std::fprintf(stderr, "--gruppe braucht m,c,f,basis\n");
                return 2;
            }
            vorgaben.gruppe = f;
        } else if (a == "--nur-gruppe")
            vorgaben.nurGruppe = true;
        else if (a == "--nur-plan")
            vorgaben.nurPlan = true;
        else if (a == "--knoten")
            vorgaben.knoten = std::int64_t(std::stod(wert()) * 1e6);
        else if (a == "--einlesen")
            einlesen = wert();
        else {
            std::fprintf(
                stderr,
                "Aufruf: systemgen [--entry N | --from A --to B | --liste A,B,...] [--schritte MILLIONEN] [--saat S] "
                "[--bahnen] [--weiter] [--offen] [--frisch] [--immer] [--datei PFAD] [--gruppe M,C,F,BASIS] "
                "[--nur-gruppe] [--nur-plan] [--reparatur RUNDEN] [--knoten MILLIONEN] | --entry N --einlesen TEXTDATEI | "
                "--status\n");
            return 2;
        }
    }
    const auto& systeme = quintaro::EingebauteSysteme();
    if (status) {
        StatusZeigen(LiesDatendatei(datei));
        return 0;
    }
    if (!einlesen.empty()) {
        if (von != bis || !liste.empty() || von < 0 || von >= quintaro::AnzahlEingebauteSysteme) {
            std::fprintf(stderr, "--einlesen braucht genau einen Eintrag (--entry N)\n");
            return 2;
        }
        std::string fehler;
        const auto reihen = LiesTabellentext(einlesen, fehler);
        if (!reihen) {
            std::fprintf(stderr, "%s: %s\n", einlesen.c_str(), fehler.c_str());
            return 1;
        }
        Uebernehmen(datei, von, {*reihen, "eingelesen"}, immer, 0.0);
        return 0;
    }
    if (liste.empty())
        for (int i = std::max(von, 0); i <= std::min(bis, quintaro::AnzahlEingebauteSysteme - 1); ++i)
            liste.push_back(i);
    for (int i : liste) {
        if (i < 0 || i >= quintaro::AnzahlEingebauteSysteme) continue;
        const auto& s = systeme[std::size_t(i)];
        if (offen) {
            const auto vorhanden = LiesDatendatei(datei)[std::size_t(i)];
            if (FormGueltig(vorhanden, s) && (s.GA == 0 || Unbedeckt(vorhanden, s) == 0)) continue;
        }
        const auto start = std::chrono::steady_clock::now();
        auto neu = Erzeuge(i, s, vorgaben, frisch ? std::vector<Reihen>(systeme.size()) : LiesDatendatei(datei));
        const std::chrono::duration<double> dauer = std::chrono::steady_clock::now() - start;
        Uebernehmen(datei, i, neu, immer, dauer.count());
    }
    const auto tabellen = LiesDatendatei(datei);
    int fehlend = 0;
    for (std::size_t i = 0; i < tabellen.size(); ++i) fehlend += !FormGueltig(tabellen[i], systeme[i]);
    if (fehlend > 0) std::printf("%d Tabellen fehlen noch\n", fehlend);
    return 0;
}
