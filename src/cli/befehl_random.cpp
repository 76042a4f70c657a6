#include <charconv>
#include <stdexcept>

#include "cli/argumente.h"
#include "cli/befehlsgruppen.h"
#include "random/zufallsreihen.h"

namespace quintaro::cli {

namespace {
std::uint32_t Saat(const std::string& text) {
    std::uint32_t wert = 0;
    const auto [ende, fehler] = std::from_chars(text.data(), text.data() + text.size(), wert);
    if (text.empty() || fehler != std::errc{} || ende != text.data() + text.size())
        throw std::invalid_argument("\"" + text + "\" ist kein Zustand des Zufallsgenerators (0 bis 4294967295).");
    return wert;
}
}  // namespace

int BefehlRandom(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    const Argumente a(args);
    if (!a.positionen().empty())
        throw std::invalid_argument(
            "Aufruf: quintaro-cli random --count N [--bank 7,21] [--killer 1,2] [--fav 13] [--seed S]");
    TZufallsrollen rollen;
    const std::pair<const char*, Rolle> listen[] = {{"bank", Rolle::Bank}, {"killer", Rolle::Killer}, {"fav", Rolle::Favorit}};
    for (const auto& [name, rolle] : listen) {
        const auto liste = a.option(name);
        if (!liste) continue;
        for (int n : ZahlenListe(*liste, std::string("--") + name)) {
            if (rollen.RolleVon(n) == rolle)
                throw std::invalid_argument("Die Zahl " + std::to_string(n) + " ist doppelt angegeben.");
            const TRollenwechsel u = rollen.Umschalten(rolle, n);
            if (u.art == TRollenwechsel::Art::Abgelehnt || u.art == TRollenwechsel::Art::Unzulaessig) {
                err << AlsZeilen(u.meldung) << '\n';
                return 1;
            }
        }
    }
    const TRollenstand stand = rollen.Stand();
    const TAnforderung anforderung = AnzahlPruefen(a.pflicht("count"), stand);
    if (!anforderung.gueltig()) {
        err << AlsZeilen(anforderung.fehler) << '\n';
        return 1;
    }
    std::optional<std::uint32_t> zustand;
    if (const auto saat = a.option("seed")) zustand = Saat(*saat);
    TZufallsgenerator generator;
    const TZufallsergebnis ergebnis = ZufallszahlenErmitteln(stand, anforderung.anzahl, generator, zustand);
    for (const TZufallsreihe& reihe : ergebnis.Zufreihen) out << ReiheAlsText(reihe) << '\n';
    return 0;
}

}  // namespace quintaro::cli
