#include "online/ui/tfupdate.h"
#include "app/ui/bausteine.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QShortcut>
#include <QShowEvent>
#include <QUrl>
#include <QVBoxLayout>

#include "app/programmwerte.h"
#include "app/ui/fensterverwaltung.h"
#include "app/ui/hilfe.h"
#include "app/ui/nachrichten.h"
#include "app/ui/systemdienste.h"
#include "app/ui/texte.h"
#include "core/datenbestand.h"
#include "core/datenpfad.h"
#include "core/einstellungen.h"
#include "core/fehler.h"
#include "core/spielregeln.h"
#include "core/ziehungsdatei.h"
#include "evaluation/ui/tfauswertung.h"
#include "evaluation/ui/ziehungsseite.h"
#include "online/serveradresse.h"
#include "online/ui/herunterladen.h"
#include "online/versionsdatei.h"
#include "online/ziehungsdownload.h"
#include "online/ziehungsstand.h"
#include "statistics/statistik.h"

namespace quintaro {

namespace {
constexpr int HilfeKontext = 1120;
constexpr int ClientHoehe = 289;

const std::string DownloadGescheitert = "Der Download ist gescheitert. Versuchen Sie es bitte später noch einmal.";
const std::string KeineVerbindungDownload =
    "Für den Download der Installations-Datei muss eine Verbindung zum Internet bestehen." + std::string(Absatz) +
    "Ich breche ab.";

std::string Ordnertext() { return (DatenPfad() / "").string(); }

std::string MitUrsache(const std::string& text, const Downloadergebnis& ergebnis, std::uint64_t grenze) {
    const std::string ursache = DownloadUrsache(ergebnis, grenze);
    return ursache.empty() ? text : text + std::string(Absatz) + ursache;
}

QLabel* Wert(const char* name, QWidget* eltern) {
    auto* l = new QLabel(eltern);
    l->setObjectName(QLatin1String(name));
    l->setMinimumWidth(80);
    QFont fett = l->font();
    fett.setBold(true);
    l->setFont(fett);
    return l;
}

}  // namespace

TFUpdate::TFUpdate(QWidget* eltern) : QWidget(eltern, Qt::Window), herunterlader_(new Herunterlader(this)) {
    setWindowTitle(FensterTitel());
    const Einstellungen einstellungen;
    server_ = ServerAusEinstellungen(einstellungen);
    zeitlimitMs_ = ZeitlimitMillisekunden(einstellungen);

    auto* version = new QGroupBox("Programmversion auf Aktualität prüfen", this);
    BCalc = Knopf("Prüfen", "BCalc", version);
    PiVersion = Wert("PiVersion", version);
    PiVersion->setText(AlsQString(Version));
    PvVersion = Wert("PvVersion", version);
    auto* versionRaster = new QGridLayout(version);
    versionRaster->addWidget(BCalc, 0, 0, 2, 1);
    versionRaster->addWidget(new QLabel("Installierte Version", version), 0, 1);
    versionRaster->addWidget(PiVersion, 0, 2);
    versionRaster->addWidget(new QLabel("Verfügbare Version", version), 1, 1);
    versionRaster->addWidget(PvVersion, 1, 2);
    versionRaster->setColumnStretch(3, 1);

    const auto knopfGruppe = [this](QPushButton*& knopf, const QString& text, const char* name, const QString& hinweis) {
        auto* gruppe = new QGroupBox(this);
        knopf = Knopf(text, name, gruppe);
        knopf->setEnabled(false);
        auto* reihe = new QHBoxLayout(gruppe);
        reihe->addWidget(knopf);
        auto* l = new QLabel(hinweis, gruppe);
        l->setWordWrap(true);
        reihe->addWidget(l, 1);
        return gruppe;
    };
    auto* download = knopfGruppe(BDown, "Download", "BDown",
                                 "Wenn online eine aktuellere Version verfügbar ist, wird der Download-Button aktiv.");
    auto* setup = knopfGruppe(BSetup, "Installation", "BSetup", "Nach dem Download wird der Installations-Button aktiv.");

    auto* ziehungen = new QGroupBox("Gewinnzahlen-Aktualisierung", this);
    LStandSo = Wert("LStandSo", ziehungen);
    LStandMi = Wert("LStandMi", ziehungen);
    LAktuellSo = Wert("LAktuellSo", ziehungen);
    LAktuellMi = Wert("LAktuellMi", ziehungen);
    Bupdate = Knopf("Download und Update der Gewinnzahlen", "Bupdate", ziehungen);
    Bupdate->setEnabled(false);
    Gauge = new QProgressBar(ziehungen);
    Gauge->setObjectName("Gauge");
    Gauge->setVisible(false);
    BAbbrechen = Knopf("Abbrechen", "BAbbrechen", ziehungen);
    BAbbrechen->setVisible(false);
    auto* raster = new QGridLayout(ziehungen);
    raster->addWidget(new QLabel("Sonntags- Ziehungen", ziehungen), 0, 1);
    raster->addWidget(new QLabel("Mittwochs- Ziehungen", ziehungen), 0, 2);
    raster->addWidget(new QLabel("Stand hier:", ziehungen), 1, 0);
    raster->addWidget(LStandSo, 1, 1);
    raster->addWidget(LStandMi, 1, 2);
    raster->addWidget(new QLabel("Aktuell:", ziehungen), 2, 0);
    raster->addWidget(LAktuellSo, 2, 1);
    raster->addWidget(LAktuellMi, 2, 2);
    raster->addWidget(Bupdate, 1, 3, 2, 1);
    auto* fortschritt = new QHBoxLayout;
    fortschritt->addWidget(Gauge, 1);
    fortschritt->addWidget(BAbbrechen);
    raster->addLayout(fortschritt, 3, 0, 1, 4);
    auto* hinweis = new QLabel("Der Download ist frühestens um 20:00 Uhr an einem Ziehungstag möglich.", ziehungen);
    raster->addWidget(hinweis, 4, 0, 1, 4);

    BSchliessen = Knopf("Sch&ließen", "BSchliessen", this);
    auto* fuss = new QHBoxLayout;
    fuss->addStretch(1);
    fuss->addWidget(BSchliessen);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(version);
    layout->addWidget(download);
    layout->addWidget(setup);
    layout->addWidget(ziehungen);
    layout->addLayout(fuss);
    resize(520, std::max(ClientHoehe, sizeHint().height()));

    connect(BCalc, &QPushButton::clicked, this, &TFUpdate::BCalcClick);
    connect(BDown, &QPushButton::clicked, this, &TFUpdate::BDownClick);
    connect(BSetup, &QPushButton::clicked, this, &TFUpdate::BSetupClick);
    connect(Bupdate, &QPushButton::clicked, this, &TFUpdate::BupdateClick);
    connect(BAbbrechen, &QPushButton::clicked, herunterlader_, &Herunterlader::abbrechen);
    connect(BSchliessen, &QPushButton::clicked, this, &QWidget::close);
    connect(herunterlader_, &Herunterlader::fortschritt, this, [this](qint64 empfangen, qint64 gesamt) {
        Gauge->setRange(0, gesamt > 0 ? int(gesamt) : 0);
        Gauge->setValue(int(empfangen));
    });
    connect(herunterlader_, &Herunterlader::fertig, this, [this](const Downloadergebnis& ergebnis) {
        Beschaeftigt(false);
        auto fertig = std::move(beiFertig_);
        beiFertig_ = nullptr;
        if (fertig) fertig(ergebnis);
    });
    auto* f1 = new QShortcut(QKeySequence::HelpContents, this);
    connect(f1, &QShortcut::activated, this, [] { HilfeZeigen(HilfeKontext); });
}

TFUpdate::~TFUpdate() {
    // The download stops with the window; files half fetched are dropped.
    delete herunterlader_;
    if (sanduhr_) QApplication::restoreOverrideCursor();
}

bool TFUpdate::DownloadLaeuft() const { return herunterlader_->laeuft(); }

void TFUpdate::starte(const std::string& datei, const std::filesystem::path& ziel, std::uint64_t grenze,
                      std::function<void(const Downloadergebnis&)> fertig, bool mitSanduhr) {
    Downloadauftrag auftrag;
    auftrag.adresse = DownloadAdresse(server_, datei);
    auftrag.ziel = ziel;
    auftrag.probe = Werte().downloadDatei.empty() ? std::filesystem::path(QDir::tempPath().toStdString()) / "tmp.tmp"
                                                   : Werte().downloadDatei;
    auftrag.hoechstGroesse = grenze;
    auftrag.zeitlimitMs = zeitlimitMs_;
    if (!herunterlader_->starte(auftrag)) return;
    beiFertig_ = std::move(fertig);
    sanduhr_ = mitSanduhr;
    if (sanduhr_) QApplication::setOverrideCursor(Qt::WaitCursor);
    Beschaeftigt(true);
}

void TFUpdate::Beschaeftigt(bool ja) {
    if (!ja && sanduhr_) {
        QApplication::restoreOverrideCursor();
        sanduhr_ = false;
    }
    BCalc->setEnabled(!ja);
    BDown->setEnabled(!ja && andereVersion_);
    BSetup->setEnabled(!ja && installerDa_);
    Bupdate->setEnabled(!ja && downloadSinnvoll_);
    Gauge->setVisible(ja);
    BAbbrechen->setVisible(ja);
    if (ja) Gauge->setRange(0, 0);
}

void TFUpdate::BCalcClick() {
    if (DownloadLaeuft()) return;
    if (!InternetVerbunden()) {
        Nachrichten().information(this, "Für die Aktualisierung muss eine Verbindung zum Internet bestehen.");
        return;
    }
    const auto datei = DatenDatei(VersionsDateiName);
    std::error_code ec;
    std::filesystem::remove(datei, ec);
    starte(std::string(VersionsDateiName), datei, VersionsDateiGrenze, [this, datei](const Downloadergebnis& e) {
        const std::string gescheitert = "Die Aktualisierung hat leider nicht geklappt.";
        if (!e.erfolg()) {
            Nachrichten().information(this, AlsMeldung(MitUrsache(gescheitert, e, VersionsDateiGrenze)));
            return;
        }
        const Versionsbefund befund = VersionsdateiLesen(datei);
        if (!befund.version) {
            Nachrichten().information(this, AlsMeldung(gescheitert + std::string(Absatz) + befund.fehler));
            return;
        }
        PvVersion->setText(AlsQString(*befund.version));
        andereVersion_ = AndereVersion(*befund.version);
        BDown->setEnabled(andereVersion_);
    }, true);
}

void TFUpdate::BDownClick() {
    if (DownloadLaeuft()) return;
    if (!InternetVerbunden()) {
        Nachrichten().information(this, AlsMeldung(KeineVerbindungDownload));
        return;
    }
    const auto datei = DatenDatei(InstallerName);
    std::error_code ec;
    std::filesystem::remove(datei, ec);
    installerDa_ = false;
    starte(std::string(InstallerServerName), datei, InstallerGrenze, [this](const Downloadergebnis& e) {
        if (!e.erfolg()) {
            Nachrichten().information(this, AlsMeldung(MitUrsache(DownloadGescheitert, e, InstallerGrenze)));
            return;
        }
        installerDa_ = true;
        BSetup->setEnabled(true);
    }, true);
}

void TFUpdate::BSetupClick() {
    const std::string ordner = Ordnertext();
    std::string paket = "\"";
    paket.append(InstallerName).append("\"");
    const std::string frage =
        "Um die Installation durchführen zu können, muss das Programm jetzt geschlossen werden. Das Update wird an "
        "die Paketinstallation übergeben. Wenn etwas schief läuft, bitte das Update manuell durch Doppelklick auf die "
        "Datei " + paket + " im Verzeichnis " + ordner + " starten." + std::string(Absatz) + "Soll fortgefahren werden?";
    if (Nachrichten().frage(this, AlsMeldung(frage)) != Nachrichtendienst::Antwort::Ja) {
        Nachrichten().information(
            this, AlsMeldung("Installation wurde auf Ihren Wunsch abgebrochen. Sie  könnnen das Update manuell durch "
                             "Doppelklick auf die Datei " + paket + " im Verzeichnis " + ordner + " starten." +
                             std::string(Absatz) + "Zuvor muss das Programm geschlossen werden."));
        return;
    }
    const auto datei = DatenDatei(InstallerName);
    // The desktop's package installer takes the package; the program itself
    // neither runs it nor removes its own files.
    if (!std::filesystem::exists(datei) ||
        !QDesktopServices::openUrl(QUrl::fromLocalFile(QString::fromStdString(datei.string())))) {
        Nachrichten().information(
            this, AlsMeldung("Update konnte nicht gestartet werden. Bitte schließen Sie das Programm und starten Sie "
                             "das Update manuell durch Doppelklick auf die Datei " + paket + " im Verzeichnis " +
                             ordner + "."));
        return;
    }
    if (QWidget* haupt = FindeFenster(QStringLiteral("FAuswertung")))
        haupt->close();
    else
        close();
}

void TFUpdate::BupdateClick() { ZiehungenHerunterladen(nullptr); }

void TFUpdate::ZiehungenHerunterladen(std::function<void(bool)> danach) {
    if (DownloadLaeuft()) return;
    if (!InternetVerbunden()) {
        Nachrichten().information(this, AlsMeldung(KeineVerbindungDownload));
        if (danach) danach(false);
        return;
    }
    nachZiehungen_ = std::move(danach);
    const auto historie = DatenDatei(ZiehungsDateiName);
    starte(std::string(ZiehungsDateiName), ZiehungsdownloadPfad(historie), ZiehungsDateiGrenze,
           [this](const Downloadergebnis& e) { ZiehungenFertig(e); }, false);
}

void TFUpdate::ZiehungenFertig(const Downloadergebnis& ergebnis) {
    auto danach = std::move(nachZiehungen_);
    nachZiehungen_ = nullptr;
    const auto historie = DatenDatei(ZiehungsDateiName);
    if (ergebnis.ausgang == Downloadausgang::Abgebrochen) return;
    if (!ergebnis.erfolg()) {
        Nachrichten().information(this, AlsMeldung(MitUrsache(DownloadGescheitert, ergebnis, ZiehungsDateiGrenze)));
    } else {
        const Einsetzergebnis eingesetzt =
            ZiehungsdownloadEinsetzen(ZiehungsdownloadPfad(historie), historie, DatenDatei(ZiehungsSicherungName));
        if (eingesetzt.eingesetzt)
            HistorieNeuLaden();
        else
            Nachrichten().fehler(this, AlsMeldung(eingesetzt.meldung));
    }
    // A failed download leaves the stored history as it was: still loaded.
    const bool geladen = std::filesystem::exists(historie);
    if (geladen) StatusZeigen();
    if (danach) danach(geladen);
}

void TFUpdate::HistorieNeuLaden() {
    // The main window reloads its chooser and grid and rebuilds the statistics.
    if (auto* haupt = qobject_cast<TFAuswertung*>(FindeFenster(QStringLiteral("FAuswertung")))) {
        haupt->ziehungsseite()->GZEinlesen();
        return;
    }
    try {
        Daten().GZListe = ZiehungenLaden(DatenDatei(ZiehungsDateiName)).ziehungen;
    } catch (const DateiFehler& e) {
        Nachrichten().fehler(this, AlsMeldung(e.what()));
    }
    StatistikStart(Daten());
}

void TFUpdate::StatusZeigen() {
    const Ziehungsstand stand = StandErmitteln(Daten(), Jetzt());
    LStandSo->setText(AlsQString(stand.standSo));
    LStandMi->setText(AlsQString(stand.standMi));
    LAktuellSo->setText(AlsQString(stand.aktuellSo));
    LAktuellMi->setText(AlsQString(stand.aktuellMi));
    downloadSinnvoll_ = stand.downloadSinnvoll;
    Bupdate->setEnabled(downloadSinnvoll_ && !DownloadLaeuft());
}

void TFUpdate::showEvent(QShowEvent* ereignis) {
    QWidget::showEvent(ereignis);
    if (!ereignis->spontaneous()) FormShow();
}

void TFUpdate::FormShow() {
    StatusZeigen();
    if (!Daten().GZListe.empty() || DownloadLaeuft()) return;
    const auto gescheitert = [this](bool geladen) {
        if (!geladen) Nachrichten().information(this, AlsMeldung(DownloadGescheitert));
    };
    if (Werte().downloadNachfragen) {
        const auto antwort = Nachrichten().frage(
            this, AlsMeldung("Es fehlen jegliche Gewinnreihen." + std::string(Absatz) + "Soll ich deren Download gleich starten?"),
            true);
        if (antwort == Nachrichtendienst::Antwort::Ja) ZiehungenHerunterladen(gescheitert);
    } else {
        ZiehungenHerunterladen(gescheitert);
    }
}

}  // namespace quintaro
