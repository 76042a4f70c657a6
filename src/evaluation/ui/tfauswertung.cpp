#include "evaluation/ui/tfauswertung.h"
#include "app/ui/texte.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStatusBar>

#include "app/ui/fensterplatz.h"
#include "app/ui/fensterverwaltung.h"
#include "app/ui/hilfe.h"
#include "app/ui/nachrichten.h"
#include "app/ui/systemdienste.h"
#include "app/ui/werkzeugleiste.h"
#include "core/datenbestand.h"
#include "core/spielregeln.h"
#include "statistics/statistik.h"
#include "evaluation/ui/auswertungsseite.h"
#include "evaluation/ui/gewinnzahlenimport.h"
#include "evaluation/ui/ziehungsseite.h"
#include "quotas/quotenliste.h"
#include "core/datenpfad.h"
#include "core/fehler.h"

namespace quintaro {

TFAuswertung::TFAuswertung(QWidget* eltern) : QMainWindow(eltern) {
    setObjectName("FAuswertung");
    setWindowTitle(FensterTitel());
    resize(925, 679);

    auto* mitte = new QWidget(this);
    auto* layout = new QHBoxLayout(mitte);
    ziehungsseite_ = new Ziehungsseite(mitte);
    ziehungsseite_->setSizePolicy(QSizePolicy::Maximum, QSizePolicy::Preferred);
    layout->addWidget(ziehungsseite_);
    auswertungsseite_ = new Auswertungsseite(mitte);
    auswertungsseite_->setObjectName("PAuswertung");
    layout->addWidget(auswertungsseite_, 1);
    setCentralWidget(mitte);

    // The maker's home page, at the foot of the window.
    auto* image3 = new QPushButton("Quintaro im Internet", this);
    image3->setObjectName("Image3");
    image3->setFlat(true);
    image3->setCursor(Qt::PointingHandCursor);
    image3->setStyleSheet("QPushButton { color: #1a4f9c; text-decoration: underline; border: none; }");
    statusBar()->addPermanentWidget(image3);
    connect(image3, &QPushButton::clicked, this, [this] {
        if (InternetVerbunden())
            WebseiteOeffnen(HerstellerAdresse);
        else
            Nachrichten().information(this, "Für den Aufruf der Quintaro-Homepage muss eine Verbindung zum Internet bestehen.");
    });

    WerkzeugleisteAnbringen(this, std::nullopt, 1020);
    baueMenue();

    connect(ziehungsseite_, &Ziehungsseite::ziehungenGeaendert, this, &TFAuswertung::StatistikNeu);
    connect(ziehungsseite_, &Ziehungsseite::auswahlGeaendert, this,
            [this] { auswertungsseite_->setzeZiehungsauswahl(ziehungsseite_->auswahlTexte()); });
    connect(ziehungsseite_, &Ziehungsseite::downloadGewuenscht, this,
            [] { Fensterverwaltung::Instanz().oeffne(Ziel::Update); });
    ziehungsseite_->GZEinlesen();
    QuotenEinlesen();
    FensterEinpassen(this);
}

void TFAuswertung::QuotenEinlesen() {
    const auto datei = DatenDatei(QuotenDateiName);
    try {
        auto geladen = QuotenLaden(datei);
        if (!geladen.schaden.empty()) Nachrichten().fehler(this, AlsMeldung(geladen.schaden));
        Daten().QuotenListe = std::move(geladen.quoten);
    } catch (const DateiFehler& e) {
        Nachrichten().fehler(this, AlsMeldung(e.what()));
    }
}

void TFAuswertung::showEvent(QShowEvent* ereignis) {
    QMainWindow::showEvent(ereignis);
    // The remembered ticket files are opened when the window is first shown.
    if (!gezeigt_) {
        gezeigt_ = true;
        auswertungsseite_->EinstellungenLesen();
    }
}

void TFAuswertung::StatistikNeu() { StatistikStart(Daten()); }

void TFAuswertung::baueMenue() {
    auto& v = Fensterverwaltung::Instanz();
    const auto eintrag = [&](QMenu* menue, const QString& text, Ziel ziel) {
        QAction* a = menue->addAction(text, this, [ziel] { Fensterverwaltung::Instanz().oeffne(ziel); });
        a->setEnabled(v.verfuegbar(ziel));
        return a;
    };
    QMenu* datei = menuBar()->addMenu("&Datei");
    datei->addAction("Tippschein(e) öffnen...", auswertungsseite_, &Auswertungsseite::BOpenClick)->setObjectName("MOeffnen");
    datei->addAction("Gewinnzahlen importieren...", this, [this] {
        if (GewinnzahlenImportieren(this)) ziehungsseite_->GZEinlesen();
    })->setObjectName("MGewinnzahlenImport");
    eintrag(datei, "Neuen Normalschein eingeben...", Ziel::EingabeN);
    eintrag(datei, "Neuen Systemschein eingeben...", Ziel::EingabeS);
    datei->addSeparator();
    eintrag(datei, "Spielsystem auswählen...", Ziel::SystemWahl);
    datei->addSeparator();
    datei->addAction("&Beenden", this, &QWidget::close);

    QMenu* tipps = menuBar()->addMenu("&Tippreihen entwickeln");
    eintrag(tipps, "per &Zufall...", Ziel::Zufall);
    eintrag(tipps, "mit &System", Ziel::SystemWahl);

    QMenu* extras = menuBar()->addMenu("&Extras");
    eintrag(extras, "&n über k berechnen", Ziel::NueberK);
    eintrag(extras, "&Kalender", Ziel::Kal);
    extras->addAction("Taschen&rechner", this, [] { TaschenrechnerStarten(); });
    extras->addSeparator();
    eintrag(extras, "&Update-Prüfung", Ziel::Update);

    QMenu* hilfe = menuBar()->addMenu("&Hilfe");
    hilfe->addAction("&Inhalt", this, [] { HilfeZeigen(1010); });
    hilfe->addAction("In Hilfe &suchen...", this, [] { HilfeSuchenZeigen(); });
    hilfe->addSeparator();
    eintrag(hilfe, "&Update-Prüfung", Ziel::Update);
    hilfe->addSeparator();
    eintrag(hilfe, "Programm-&Info", Ziel::Info);
}

void TFAuswertung::closeEvent(QCloseEvent* ereignis) {
    auswertungsseite_->EinstellungenSchreiben();
    ereignis->accept();
    // Closing the main window ends the program, whatever else is open.
    QApplication::closeAllWindows();
    QApplication::quit();
}

}  // namespace quintaro
