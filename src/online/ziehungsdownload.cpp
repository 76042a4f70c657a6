#include "online/ziehungsdownload.h"

#include <cstdio>

#include "core/datei.h"
#include "core/fehler.h"
#include "core/formatierung.h"
#include "core/spielregeln.h"
#include "core/ziehungsdatei.h"
#include "core/ziehungssicherung.h"

namespace quintaro {

namespace {
std::string Unbrauchbar(const std::filesystem::path& historie, const std::string& grund) {
    return "Die heruntergeladene Datei \"" + DateiName(historie) + "\" ist keine gültige Ziehungsdatei: " + grund +
           std::string(Absatz) + "Die gespeicherten Gewinnzahlen bleiben unverändert.";
}

std::string Grund(const GeladeneZiehungen& geladen) {
    const Ziehungsbefund& b = geladen.befund;
    if (b.restBytes > 0)
        return "Am Ende stehen " + std::to_string(b.restBytes) + " Byte, die keine ganze Ziehung ergeben.";
    if (b.fehlerhaft > 0)
        return "Die Ziehung Nr. " + std::to_string(b.ersterFehler + 1) + " (" +
               DatumText(geladen.ziehungen[b.ersterFehler].datum) +
               ") hat Zahlen außerhalb von 1 bis 45, doppelte Zahlen, ein ungültiges Datum oder steht nicht "
               "in der Reihenfolge der Daten.";
    return "Sie enthält keine Ziehung.";
}
}  // namespace

std::filesystem::path ZiehungsdownloadPfad(const std::filesystem::path& historie) {
    return historie.string() + ".download";
}

Einsetzergebnis ZiehungsdownloadEinsetzen(const std::filesystem::path& download, const std::filesystem::path& historie,
                                          const std::filesystem::path& sicherung) {
    Einsetzergebnis ergebnis;
    std::error_code ec;
    try {
        const GeladeneZiehungen geladen = ZiehungenLaden(download);
        if (!geladen.befund.inOrdnung() || geladen.ziehungen.empty()) {
            ergebnis.meldung = Unbrauchbar(historie, Grund(geladen));
        } else {
            ZiehungsdateiSichern(historie, sicherung);
            if (std::rename(download.c_str(), historie.c_str()) != 0)
                throw DateiFehler("Die Datei \"" + DateiName(historie) + "\" kann nicht ersetzt werden.");
            ergebnis.eingesetzt = true;
            ergebnis.ziehungen = geladen.ziehungen.size();
        }
    } catch (const DateiFehler& e) {
        ergebnis.meldung = std::string(e.what()) + std::string(Absatz) + "Die gespeicherten Gewinnzahlen bleiben unverändert.";
    }
    std::filesystem::remove(download, ec);
    return ergebnis;
}

}  // namespace quintaro
