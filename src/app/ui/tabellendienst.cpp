#include "app/ui/tabellendienst.h"

#include <QDesktopServices>
#include <QDir>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryFile>
#include <QUrl>

#include "app/mappe/mappendatei.h"
#include "app/ui/dateidialoge.h"
#include "app/ui/nachrichten.h"
#include "core/datenpfad.h"
#include "core/fehler.h"
#include "core/spielregeln.h"

namespace quintaro {

namespace {
Mappenoeffner& Oeffner() {
    static Mappenoeffner oeffner;
    return oeffner;
}

// xdg-open starts even when no program is set up for workbooks, and Qt then
// reports success; so the desktop is asked first whether one is set up.
bool ProgrammFuerMappen() {
    const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
    if (xdgMime.isEmpty()) return true;  // no way to ask: the handler itself decides
    QProcess abfrage;
    abfrage.start(xdgMime, {QStringLiteral("query"), QStringLiteral("default"),
                            QStringLiteral("application/vnd.openxmlformats-officedocument.spreadsheetml.sheet")});
    if (!abfrage.waitForFinished(3000)) {
        abfrage.kill();
        abfrage.waitForFinished();
        return true;
    }
    return !abfrage.readAllStandardOutput().trimmed().isEmpty();
}

bool MappeOeffnen(const QString& datei) {
    if (Oeffner()) return Oeffner()(datei);
    return ProgrammFuerMappen() && QDesktopServices::openUrl(QUrl::fromLocalFile(datei));
}

std::filesystem::path Pfad(const QString& datei) { return std::filesystem::path(datei.toStdString()); }

// A fresh file in the temporary folder for the spreadsheet program to open; it
// stays there, since the program may still read it after the export returns.
QString Arbeitskopie(const QString& blattName) {
    QTemporaryFile datei(QDir::temp().filePath(QStringLiteral("Quintaro-%1-XXXXXX.xlsx").arg(blattName)));
    datei.setAutoRemove(false);
    return datei.open() ? datei.fileName() : QString();
}

// Asks for a file and writes the workbook there until it is written or the user gives up.
bool MappeSpeichern(QWidget* eltern, const Tabellenblatt& blatt) {
    Dateifrage frage{QStringLiteral("Arbeitsmappe speichern"), QString::fromStdString(DatenPfad().string()),
                     {QStringLiteral("Excel-Arbeitsmappe (*.xlsx)")}, 1, QStringLiteral("xlsx")};
    for (;;) {
        const QString datei = Dateidialoge().speichern(eltern, frage);
        if (datei.isEmpty()) return false;
        try {
            MappeSchreiben(blatt, Pfad(datei));
            return true;
        } catch (const DateiFehler& e) {
            Nachrichten().fehler(eltern, AlsMeldung(e.what()));
        }
    }
}
}  // namespace

void SetzeMappenoeffner(Mappenoeffner oeffner) { Oeffner() = std::move(oeffner); }

void TabelleExportieren(QWidget* eltern, const TippTabelle& tabelle, const QString& blattName) {
    const Tabellenblatt blatt = BlattAusTabelle(tabelle, blattName.toStdString());
    try {
        const QString kopie = Arbeitskopie(blattName);
        if (!kopie.isEmpty()) {
            MappeSchreiben(blatt, Pfad(kopie));
            if (MappeOeffnen(kopie)) return;
            QFile::remove(kopie);
        }
    } catch (const DateiFehler& e) {
        Nachrichten().fehler(eltern, AlsMeldung(e.what()));
    }
    const std::string angebot = "Auf Ihrem Rechner ist kein Programm eingerichtet, das die Arbeitsmappe öffnen kann." +
                                std::string(Absatz) + "Möchten Sie die Tippreihen als Arbeitsmappe speichern?";
    if (Nachrichten().frage(eltern, AlsMeldung(angebot)) == Nachrichtendienst::Antwort::Ja &&
        MappeSpeichern(eltern, blatt))
        return;
    Nachrichten().information(eltern, AlsMeldung("Excel ist nicht auf Ihrem Rechner installiert, der Export daher "
                                                 "nicht möglich." + std::string(Absatz) + "Ich breche ab."));
}

bool TabelleImportieren(QWidget* eltern, TippTabelle& tabelle, const QString& datei) {
    try {
        TabelleAusBlatt(MappeLesen(Pfad(datei)), tabelle);
        return true;
    } catch (const DateiFehler& e) {
        Nachrichten().fehler(eltern, AlsMeldung(e.what()));
        return false;
    }
}

}  // namespace quintaro
