#include "evaluation/ui/gewinnzahlenimport.h"

#include "app/ui/dateidialoge.h"
#include "app/mappe/mappendatei.h"
#include "app/ui/nachrichten.h"
#include "core/datei.h"
#include "core/datenbestand.h"
#include "core/datenpfad.h"
#include "core/fehler.h"
#include "core/spielregeln.h"
#include "core/ziehungssicherung.h"
#include "evaluation/ziehungsimport.h"

namespace quintaro {

bool GewinnzahlenImportieren(QWidget* eltern) {
    Dateifrage frage;
    frage.titel = QStringLiteral("Gewinnzahlen importieren");
    frage.ordner = QString::fromStdString(DatenPfad().string());
    frage.filter = {QStringLiteral("Gewinnzahlen (*.csv *.txt *.xlsx)"), QStringLiteral("CSV-Datei (*.csv *.txt)"),
                    QStringLiteral("Excel-Arbeitsmappe (*.xlsx)"), QStringLiteral("Alle Dateien (*)")};
    frage.endung = QStringLiteral("csv");
    const QStringList gewaehlt = Dateidialoge().oeffnen(eltern, frage);
    if (gewaehlt.isEmpty()) return false;
    const std::filesystem::path datei = gewaehlt.first().toStdString();
    const std::string abbruch = std::string(Absatz) + "Ich breche ab.";

    Ziehungsabgleich abgleich;
    try {
        if (gewaehlt.first().endsWith(QStringLiteral(".xlsx"), Qt::CaseInsensitive)) {
            abgleich = ZiehungstextAbgleichen(Daten().GZListe, ZiehungstextAusZellen(MappeLesen(datei).zellen));
        } else {
            const Bytes inhalt = LiesDatei(datei);
            abgleich = ZiehungstextAbgleichen(
                Daten().GZListe, std::string_view(reinterpret_cast<const char*>(inhalt.data()), inhalt.size()));
        }
    } catch (const DateiFehler& e) {
        Nachrichten().fehler(eltern, AlsMeldung(e.what() + abbruch));
        return false;
    } catch (const KonvertierungsFehler& e) {
        Nachrichten().fehler(eltern, AlsMeldung("Die Datei \"" + DateiName(datei) + "\" enthält keine gültigen Gewinnzahlen. " +
                                                e.what() + abbruch));
        return false;
    }
    if (abgleich.importiert == 0) {
        Nachrichten().fehler(eltern, AlsMeldung("Die Datei \"" + DateiName(datei) + "\" enthält keine Ziehungen." + abbruch));
        return false;
    }
    if (abgleich.nichtsZuTun()) {
        Nachrichten().information(eltern, AlsMeldung("Die Datei enthält keine neuen oder geänderten Ziehungen." +
                                                     std::string(Absatz) +
                                                     "Die gespeicherten Gewinnzahlen bleiben unverändert."));
        return false;
    }
    const auto antwort = Nachrichten().frage(eltern, AlsMeldung(ImportFrage(abgleich)), true);
    if (antwort == Nachrichtendienst::Antwort::Abbrechen) return false;
    try {
        ZiehungsdateiErsetzen(DatenDatei(ZiehungsDateiName), DatenDatei(ZiehungsSicherungName),
                              antwort == Nachrichtendienst::Antwort::Ja ? abgleich.ergaenzt : abgleich.ersetzt);
    } catch (const DateiFehler& e) {
        Nachrichten().fehler(eltern, AlsMeldung(e.what()));
        return false;
    }
    return true;
}

}  // namespace quintaro
