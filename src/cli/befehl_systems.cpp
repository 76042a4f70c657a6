#include <algorithm>
#include <stdexcept>

#include "cli/argumente.h"
#include "cli/befehlsgruppen.h"
#include "core/kombinatorik.h"
#include "core/spielregeln.h"
#include "systems/katalog.h"
#include "systems/reihentabellen.h"
#include "systems/systemanwenden.h"
#include "systems/systemtest.h"
#include "systems/tabellenpruefung.h"

namespace quintaro::cli {

namespace {
constexpr const char* Aufruf =
    "Aufruf: quintaro-cli systems list | rows INDEX | verify | expand INDEX --wahl ZAHLEN [--bank ZAHLEN] | test INDEX";

int Systemindex(const std::string& text, int hoechster) {
    const int index = GanzeZahl(text, "INDEX");
    if (index < 0 || index > hoechster)
        throw std::invalid_argument("Ein System mit dem Index " + text + " gibt es nicht (0 bis " +
                                    std::to_string(hoechster) + ").");
    return index;
}

TZahlenMenge Zahlen(const std::string& text, const std::string& was) {
    TZahlenMenge menge;
    for (int z : ZahlenListe(text, was)) {
        if (z < 1 || z > MaxZahl)
            throw std::invalid_argument("Die Zahl " + std::to_string(z) + " (" + was + ") liegt nicht zwischen 1 und 45.");
        if (menge.enthaelt(z))
            throw std::invalid_argument("Die Zahl " + std::to_string(z) + " steht doppelt in " + was + ".");
        menge.hinzu(z);
    }
    return menge;
}

std::string Zeile(std::span<const std::uint8_t> werte) {
    std::string text;
    for (std::size_t i = 0; i < werte.size(); ++i) {
        if (i > 0) text += ',';
        text += std::to_string(werte[i]);
    }
    return text;
}

std::string Kopf(int index, const TSysteme& s) {
    return std::to_string(index) + '\t' + std::to_string(s.RG) + '\t' + std::to_string(s.WZ) + '\t' +
           std::to_string(s.GA) + '\t' + std::to_string(s.TR);
}

int Liste(std::ostream& out) {
    const auto& katalog = SystemKatalog();
    for (int i = 0; i < int(katalog.size()); ++i) {
        const TSysteme& s = katalog[std::size_t(i)];
        const std::string_view code =
            IstScheinSystem(i) ? ScheinSystemTabelle()[std::size_t(ScheinSystemNummer(s))].Code : "-";
        out << Kopf(i, s) << '\t' << code << '\n';
    }
    return 0;
}

int Reihen(const std::string& indexText, std::ostream& out) {
    const int index = Systemindex(indexText, int(SystemKatalog().size()) - 1);
    if (index >= AnzahlEingebauteSysteme)
        throw std::invalid_argument("Das System " + indexText +
                                    " ist ein Vollsystem; seine Reihen sind alle Teilmengen und stehen in keiner Tabelle.");
    const int RG = SystemKatalog()[std::size_t(index)].RG;
    const auto tabelle = Reihentabelle(index);
    for (std::size_t start = 0; start + std::size_t(RG) <= tabelle.size(); start += std::size_t(RG))
        out << Zeile(tabelle.subspan(start, std::size_t(RG))) << '\n';
    return 0;
}

int Pruefen(std::ostream& out, std::ostream& err) {
    std::vector<std::string> fehler;
    for (int i = 0; i < AnzahlEingebauteSysteme; ++i) {
        const std::int64_t unbedeckt = UnbedeckteTeilmengen(i);
        out << Kopf(i, SystemKatalog()[std::size_t(i)]) << '\t' << unbedeckt << '\n';
        std::string grund = Tabellenmangel(Reihentabelle(i), SystemKatalog()[std::size_t(i)]);
        if (grund.empty() && unbedeckt > 0 && !HatBekannteLuecken(i))
            grund = "unbedeckte Teilmengen: " + std::to_string(unbedeckt);
        if (!grund.empty()) fehler.push_back(std::to_string(i) + " (" + grund + ")");
    }
    if (fehler.empty()) return 0;
    err << "Fehlerhafte Reihentabellen: ";
    for (std::size_t i = 0; i < fehler.size(); ++i) err << (i ? ", " : "") << fehler[i];
    err << '\n';
    return 1;
}

int Erweitern(const Argumente& a, std::ostream& out, std::ostream& err) {
    const int index = Systemindex(a.positionen()[1], int(SystemKatalog().size()) - 1);
    const TZahlenMenge wahl = Zahlen(a.pflicht("wahl"), "--wahl");
    const TZahlenMenge bank = a.hat("bank") ? Zahlen(*a.option("bank"), "--bank") : TZahlenMenge{};
    const TSystemAnwendung ergebnis = SystemAnwenden(index, wahl, bank);
    if (!ergebnis.gelungen()) {
        err << AlsZeilen(ergebnis.ablehnung) << '\n';
        return 1;
    }
    for (const auto& reihe : ergebnis.reihen) out << Zeile(reihe) << '\n';
    return 0;
}

int Testen(const std::string& indexText, std::ostream& out) {
    const int index = Systemindex(indexText, int(SystemKatalog().size()) - 1);
    const Systemtestergebnis e = Systemtest(index);
    for (int k = std::max(e.D, 2); k <= e.RG; ++k) {
        out << k << '\t' << e.kombinationen[std::size_t(k)];
        for (int m = 1; m <= k; ++m) out << '\t' << e.H[std::size_t(k)][std::size_t(m)];
        out << '\n';
    }
    return 0;
}
}  // namespace

int BefehlSystems(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const Argumente a(args);
    const auto& p = a.positionen();
    const std::string was = p.empty() ? "" : p[0];
    if (was == "list" && p.size() == 1) return Liste(out);
    if (was == "rows" && p.size() == 2) return Reihen(p[1], out);
    if (was == "verify" && p.size() == 1) return Pruefen(out, err);
    if (was == "expand" && p.size() == 2) return Erweitern(a, out, err);
    if (was == "test" && p.size() == 2) return Testen(p[1], out);
    throw std::invalid_argument(Aufruf);
}

}  // namespace quintaro::cli
