#include "core/ziehungssicherung.h"

#include "core/datei.h"
#include "core/ziehungsdatei.h"

namespace quintaro {

void ZiehungsdateiSichern(const std::filesystem::path& historie, const std::filesystem::path& sicherung) {
    if (!std::filesystem::exists(historie)) return;
    SchreibeDateiAtomar(sicherung, LiesDatei(historie));
}

void ZiehungsdateiErsetzen(const std::filesystem::path& historie, const std::filesystem::path& sicherung,
                           const std::vector<TGewZahlen>& ziehungen) {
    ZiehungsdateiSichern(historie, sicherung);
    ZiehungenSpeichern(historie, ziehungen);
}

}  // namespace quintaro
