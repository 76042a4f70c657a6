#include "entry/eingabeoptionen.h"

#include "core/einstellungen.h"

namespace quintaro {

namespace {
const std::string kSektion = "Eingabe";
}

std::optional<bool> UeberschreibenLesen() {
    if (!Einstellungen::DateiVorhanden()) return std::nullopt;
    const Einstellungen ini;
    return ini.leseSchalter(kSektion, "overwrite1", false) && !ini.leseSchalter(kSektion, "overwrite2", true);
}

void UeberschreibenSchreiben(bool ueberschreiben) {
    Einstellungen ini;
    ini.schreibeSchalter(kSektion, "overwrite1", ueberschreiben);
    ini.schreibeSchalter(kSektion, "overwrite2", !ueberschreiben);
}

}  // namespace quintaro
