#include "app/mappe/mappendatei.h"
#include "cli/argumente.h"
#include "cli/befehlsgruppen.h"
#include "core/datei.h"
#include "core/fehler.h"
#include "core/scheindateien.h"

namespace quintaro::cli {

namespace {
// The rows of a normal ticket file as the windows' export writes them.
int Export(const Argumente& a) {
    if (a.positionen().size() != 3)
        throw std::invalid_argument("Aufruf: quintaro-cli xlsx export SCHEIN AUS.xlsx [--sheet NAME]");
    const std::filesystem::path schein = a.positionen()[1];
    if (ScheinArtVon(schein) == ScheinArt::System)
        throw DateiFehler("Die Datei \"" + DateiName(schein) +
                          "\" ist ein Systemschein; ausgeben lassen sich die Reihen eines Normalscheins.");
    TippTabelle tabelle;
    ReihenKopf(tabelle);
    ReihenLesen(tabelle, schein);
    MappeSchreiben(BlattAusTabelle(tabelle, a.option("sheet").value_or("Tippreihen")), a.positionen()[2]);
    return 0;
}

// The rows the import puts into a tip grid, as comma text without the row labels.
int Import(const Argumente& a, std::ostream& out) {
    if (a.positionen().size() != 2) throw std::invalid_argument("Aufruf: quintaro-cli xlsx import EIN.xlsx");
    TippTabelle tabelle;
    ReihenKopf(tabelle);
    TabelleAusBlatt(MappeLesen(a.positionen()[1]), tabelle);
    for (std::size_t r = 1; r < tabelle.size(); ++r)
        out << KommaText(std::vector<std::string>(tabelle[r].begin() + 1, tabelle[r].end())) << '\n';
    return 0;
}
}  // namespace

int BefehlXlsx(const std::vector<std::string>& args, std::ostream& out, std::ostream&) {
    const Argumente a(args);
    const std::string unter = a.positionen().empty() ? "" : a.positionen()[0];
    if (unter == "export") return Export(a);
    if (unter == "import") return Import(a, out);
    throw std::invalid_argument("Aufruf: quintaro-cli xlsx export|import ...");
}

}  // namespace quintaro::cli
