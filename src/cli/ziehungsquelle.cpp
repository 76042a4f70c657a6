#include "cli/ziehungsquelle.h"

#include <stdexcept>

#include "cli/befehlsgruppen.h"
#include "core/ziehungsdatei.h"

namespace quintaro::cli {

std::vector<TGewZahlen> ZiehungenAusDatei(const std::filesystem::path& datei, std::ostream& err) {
    if (!std::filesystem::exists(datei)) throw std::invalid_argument("Die Datei \"" + datei.string() + "\" gibt es nicht.");
    auto geladen = ZiehungenLaden(datei);
    if (!geladen.befund.inOrdnung()) err << AlsZeilen(geladen.befund.meldung(datei, geladen.ziehungen)) << '\n';
    return std::move(geladen.ziehungen);
}

int AnsichtNummer(const std::string& ansicht) {
    if (ansicht == "all") return 0;
    if (ansicht == "sun") return 1;
    if (ansicht == "wed") return 2;
    throw std::invalid_argument("--view: erlaubt sind all, sun und wed.");
}

}  // namespace quintaro::cli
