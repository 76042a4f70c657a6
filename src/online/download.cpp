#include "online/download.h"

#include "core/formatierung.h"

namespace quintaro {

std::string DownloadUrsache(const Downloadergebnis& e, std::uint64_t hoechstGroesse) {
    switch (e.ausgang) {
        case Downloadausgang::Erfolg: return {};
        case Downloadausgang::AdresseUngueltig:
        case Downloadausgang::Schreibfehler: return e.text;
        case Downloadausgang::Leer: return "Der Server hat keine Datei geliefert, die Antwort ist leer oder zu kurz.";
        case Downloadausgang::HttpFehler:
            return e.httpStatus == 404 ? "Die Datei ist auf dem Server nicht vorhanden (HTTP-Status 404)."
                                       : "Der Server hat die Datei nicht geliefert (HTTP-Status " +
                                             std::to_string(e.httpStatus) + ").";
        case Downloadausgang::NichtGefunden: return "Der Server \"" + e.text + "\" wurde nicht gefunden.";
        case Downloadausgang::Abgelehnt: return "Der Server ist nicht erreichbar, er hat die Verbindung abgelehnt.";
        case Downloadausgang::Zeitlimit: return "Der Server antwortet nicht (Zeitüberschreitung).";
        case Downloadausgang::Abgerissen: return "Die Verbindung ist während der Übertragung abgebrochen.";
        case Downloadausgang::ZuGross:
            return "Die Datei ist größer als erlaubt (höchstens " +
                   ZahlMitTausendern(static_cast<long long>(hoechstGroesse)) + " Byte).";
        case Downloadausgang::Sicherheit: return "Die sichere Verbindung zum Server ist gescheitert.";
        case Downloadausgang::Proxy: return "Der Proxy-Server hat die Verbindung nicht hergestellt.";
        case Downloadausgang::Netzfehler: return "Die Verbindung zum Server ist gescheitert.";
        case Downloadausgang::Abgebrochen: return "Der Download wurde abgebrochen.";
    }
    return {};
}

}  // namespace quintaro
