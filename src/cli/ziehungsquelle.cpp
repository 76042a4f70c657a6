#include "cli/ziehungsquelle.h"

#include <stdexcept>

#include "cli/befehlsgruppen.h"
#include "core/datei.h"
#include "core/ziehungsdatei.h"
#include "quotas/quotenliste.h"

namespace quintaro::cli {

namespace {
void MussExistieren(const std::filesystem::path& datei) {
    if (!Vorhanden(datei)) throw std::invalid_argument("Die Datei \"" + datei.string() + "\" gibt es nicht.");
}
}  // namespace

std::vector<TGewZahlen> ZiehungenAusDatei(const std::filesystem::path& datei, std::ostream& err) {
    MussExistieren(datei);
    auto geladen = ZiehungenLaden(datei);
    if (!geladen.befund.inOrdnung()) err << AlsZeilen(geladen.befund.meldung(datei, geladen.ziehungen)) << '\n';
    return std::move(geladen.ziehungen);
}

std::vector<TQuoten> QuotenAusDatei(const std::filesystem::path& datei, std::ostream& err) {
    MussExistieren(datei);
    auto geladen = QuotenLaden(datei);
    if (!geladen.schaden.empty()) err << AlsZeilen(geladen.schaden) << '\n';
    return std::move(geladen.quoten);
}

int AnsichtNummer(const std::string& ansicht) {
    if (ansicht == "all") return 0;
    if (ansicht == "sun") return 1;
    if (ansicht == "wed") return 2;
    throw std::invalid_argument("--view: erlaubt sind all, sun und wed.");
}

}  // namespace quintaro::cli
