#include "bahnenprogramm.h"

#include <stdlib.h>  // mkdtemp (POSIX)

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "bahnenmodell.h"

namespace systemgen {

namespace {
std::int64_t Schoenheim(int v, int k, int t) {
    if (t == 0) return 1;
    const std::int64_t innen = Schoenheim(v - 1, k - 1, t - 1);
    return (std::int64_t(v) * innen + k - 1) / k;
}

// Writes "nameN: a1 x1 + a2 x2 ... rel rhs", a few terms per line (LP format allows line breaks).
void Zeile(std::ostream& aus, const char* name, std::size_t nummer,
           const std::vector<std::pair<int, std::int64_t>>& terme, const char* rel, std::int64_t rechts) {
    aus << ' ' << name << nummer << ':';
    for (std::size_t i = 0; i < terme.size(); ++i) {
        aus << (i ? " + " : " ") << terme[i].second << " x" << terme[i].first;
        if (i % 8 == 7) aus << "\n   ";
    }
    if (rel) aus << ' ' << rel << ' ' << rechts;
    aus << '\n';
}

void SchreibeProgramm(const Bahnenmodell& m, int v, int k, int t, const std::filesystem::path& datei) {
    std::ofstream aus(datei);
    std::vector<std::pair<int, std::int64_t>> ziel;
    for (std::size_t z = 0; z < m.groesse.size(); ++z) ziel.emplace_back(int(z), m.groesse[z]);
    aus << "Minimize\n";
    Zeile(aus, "reihen", 0, ziel, nullptr, 0);
    aus << "Subject To\n";
    std::vector<std::vector<std::pair<int, std::int64_t>>> durch(m.tGroesse.size());
    for (std::size_t z = 0; z < m.spalten.size(); ++z)
        for (int s : m.spalten[z]) durch[std::size_t(s)].emplace_back(int(z), 1);
    for (std::size_t s = 0; s < durch.size(); ++s) Zeile(aus, "t", s, durch[s], ">=", 1);
    std::size_t schnitte = 0;
    for (std::size_t stufe = 0; stufe < m.stufen.size(); ++stufe) {
        const int s = int(stufe) + 1;
        std::vector<std::vector<std::pair<int, std::int64_t>>> schnitt(std::size_t(m.stufen[stufe].bahnen));
        for (std::size_t z = 0; z < m.stufen[stufe].durch.size(); ++z)
            for (auto [bahn, anzahl] : m.stufen[stufe].durch[z]) schnitt[std::size_t(bahn)].emplace_back(int(z), anzahl);
        for (std::size_t b = 0; b < schnitt.size(); ++b)
            Zeile(aus, "s", schnitte++, schnitt[b], ">=", Schoenheim(v - s, k - s, t - s));
    }
    aus << "Binary\n";
    for (std::size_t z = 0; z < m.groesse.size(); ++z) aus << " x" << z << (z % 16 == 15 ? "\n" : "");
    aus << "\nEnd\n";
}

std::string Lies(const std::filesystem::path& datei) {
    std::ifstream ein(datei);
    std::stringstream s;
    s << ein.rdbuf();
    return s.str();
}

// The bound cbc had reached when it stopped ("Lower bound:   257.5" in its summary), or "".
std::string Schranke(const std::string& protokoll) {
    const std::string marke = "Lower bound:";
    const auto stelle = protokoll.rfind(marke);
    if (stelle == std::string::npos) return "";
    std::istringstream ein(protokoll.substr(stelle + marke.size()));
    std::string wert;
    ein >> wert;
    return wert;
}

// The orbits set to 1 in cbc's solution file ("index xZ value cost" per line).
std::vector<int> Gewaehlt(const std::string& loesung) {
    std::vector<int> gewaehlt;
    std::istringstream ein(loesung);
    std::string zeile;
    std::getline(ein, zeile);  // status line
    while (std::getline(ein, zeile)) {
        std::istringstream w(zeile);
        std::string index, name;
        double wert = 0;
        if (w >> index >> name >> wert && name.size() > 1 && name[0] == 'x' && wert > 0.5)
            gewaehlt.push_back(std::stoi(name.substr(1)));
    }
    return gewaehlt;
}
}  // namespace

Programmergebnis UeberdeckungPerProgramm(int k, int t, const Gruppe& gruppe, std::int64_t zeilen, int sekunden) {
    const auto m = Modell(k, t, gruppe, true);
    const std::string orbits = std::to_string(m.groesse.size()) + " Bahnen";
    std::string muster = (std::filesystem::temp_directory_path() / "systemgen-XXXXXX").string();
    if (!mkdtemp(muster.data())) return {std::nullopt, false, "kein Arbeitsordner"};
    const std::filesystem::path ordner = muster;
    SchreibeProgramm(m, gruppe.v, k, t, ordner / "p.lp");
    // cutoff: only coverings within the row budget count; the first one ends the run. A solver bound between
    // the reachable row count and the budget then already proves that there is none.
    const std::int64_t erreichbar = ErreichbareZeilen(m, zeilen);
    const std::string befehl = "cbc '" + (ordner / "p.lp").string() + "' sec " + std::to_string(sekunden) +
                               " threads 1 cutoff " + std::to_string(erreichbar) + ".5 maxSo 1 solve solu '" +
                               (ordner / "p.sol").string() + "' > '" + (ordner / "p.log").string() + "' 2>&1";
    const int rc = std::system(befehl.c_str());
    const std::string loesung = Lies(ordner / "p.sol");
    const std::string schranke = Schranke(Lies(ordner / "p.log"));
    std::filesystem::remove_all(ordner);
    // The solution file starts with the status: "Optimal ...", "Integer infeasible ...", "Stopped on time ...".
    const std::string status = loesung.substr(0, loesung.find('\n'));
    if (status.empty())
        return {std::nullopt, false, orbits + ": cbc fehlt oder brach ab (Paket coinor-cbc, Rueckgabe " +
                                         std::to_string(rc) + ")"};
    if (status.starts_with("Infeasible") || status.starts_with("Integer infeasible"))
        return {std::nullopt, true, orbits + ": keine mit hoechstens " + std::to_string(zeilen) + " Reihen (bewiesen)"};
    const auto gewaehlt = Gewaehlt(loesung);
    std::vector<bool> bedeckt(m.tGroesse.size(), false);
    std::int64_t reihen = 0;
    for (int z : gewaehlt) {
        reihen += m.groesse[std::size_t(z)];
        for (int s : m.spalten[std::size_t(z)]) bedeckt[std::size_t(s)] = true;
    }
    const bool vollstaendig = std::find(bedeckt.begin(), bedeckt.end(), false) == bedeckt.end();
    if (gewaehlt.empty() || !vollstaendig || reihen > zeilen)
        return {std::nullopt, false,
                orbits + ": keine gefunden in " + std::to_string(sekunden) + " s" +
                    (schranke.empty() ? "" : " (untere Schranke " + schranke + ")")};
    return {Ausrollen(m, gewaehlt), false, orbits + ": " + std::to_string(reihen) + " Reihen"};
}

}  // namespace systemgen
