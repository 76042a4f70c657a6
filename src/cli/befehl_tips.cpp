#include <stdexcept>

#include "cli/argumente.h"
#include "cli/befehlsgruppen.h"
#include "core/datei.h"
#include "entry/reihenuebertragung.h"

namespace quintaro::cli {

namespace {
std::optional<Leerzeichenantwort> Leerzeichenwahl(const Argumente& a) {
    const auto wert = a.option("blanks");
    if (!wert) return std::nullopt;
    if (*wert == "separate") return Leerzeichenantwort::Ja;
    if (*wert == "remove") return Leerzeichenantwort::Nein;
    throw std::invalid_argument("--blanks: erwartet wird separate oder remove, nicht \"" + *wert + "\".");
}
}  // namespace

int BefehlTips(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const Argumente a(args);
    if (a.positionen().size() != 1)
        throw std::invalid_argument("Aufruf: quintaro-cli tips DATEI [--blanks separate|remove]");
    const auto wahl = Leerzeichenwahl(a);
    const Bytes inhalt = LiesDatei(a.positionen()[0]);
    TippTabelle tabelle;
    ReihenKopf(tabelle);
    // Without a choice the question cannot be answered: the run stops where the window would ask.
    const Uebertragung u = TextInTabelle(std::string_view(reinterpret_cast<const char*>(inhalt.data()), inhalt.size()),
                                         tabelle, true, [&](const std::string&, const std::string&) {
                                             return wahl.value_or(Leerzeichenantwort::Abbrechen);
                                         });
    if (u.abgebrochen) {
        err << AlsZeilen(LeerzeichenFrageText) << '\n';
        return 1;
    }
    if (!u.fehler.empty()) {
        err << AlsZeilen(u.fehler) << '\n';
        return 1;
    }
    for (std::size_t r = 1; r < tabelle.size(); ++r) {
        for (std::size_t c = 1; c < TippSpalten; ++c) out << (c > 1 ? "," : "") << tabelle[r][c];
        out << '\n';
    }
    return 0;
}

}  // namespace quintaro::cli
