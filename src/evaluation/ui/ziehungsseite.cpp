#include "evaluation/ui/ziehungsseite.h"
#include "app/ui/texte.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

#include "app/programmwerte.h"
#include "app/ui/fensterplatz.h"
#include "app/ui/hilfe.h"
#include "app/ui/nachrichten.h"
#include "app/ui/spaltenbreiten.h"
#include "app/ui/systemdienste.h"
#include "core/datenbestand.h"
#include "core/datenpfad.h"
#include "core/fehler.h"
#include "core/formatierung.h"
#include "core/ziehungsdatei.h"
#include "evaluation/ui/zahlenknopf.h"
#include "evaluation/ui/ziehungsmodell.h"

namespace quintaro {

namespace {
const QString kNeueZiehung = QStringLiteral("Neue Ziehung");
const QString kTagWaehlen = QStringLiteral("Wählen Sie hier den Ziehungstag");
}  // namespace

Ziehungsseite::Ziehungsseite(QWidget* eltern) : QWidget(eltern) {
    auto* label1 = new QLabel("Ziehung", this);
    Combo1 = new QComboBox(this);
    Combo1->setObjectName("Combo1");
    ListeBildschirmhoch(Combo1);
    DatumsbreiteListe(Combo1);
    LDay = new QLabel(this);
    LDay->setObjectName("LDay");
    LDay->setMinimumWidth(80);
    auto* kopf = new QHBoxLayout;
    kopf->addWidget(label1);
    kopf->addWidget(Combo1, 1);
    kopf->addWidget(LDay);

    Label5 = new QLabel(kTagWaehlen, this);
    Label5->setObjectName("Label5");
    QFont fett = Label5->font();
    fett.setBold(true);
    Label5->setFont(fett);

    auto* p1 = new QWidget(this);
    p1->setObjectName("P1");
    auto* tafel = new QGridLayout(p1);
    tafel->setSpacing(3);
    tafel->setContentsMargins(0, 0, 0, 0);
    for (int n = 1; n <= MaxZahl; ++n) {
        auto* knopf = new TBZahl(n, p1);
        PNummer[std::size_t(n)] = knopf;
        tafel->addWidget(knopf, (n - 1) / 6, (n - 1) % 6);
        connect(knopf, &QPushButton::clicked, this, [this, n] { BLotAuswerten(n); });
    }

    BDel = new QPushButton("Löschen", this);
    BDel->setObjectName("BDel");
    BDel->setToolTip("Alle Zahlen der Tafel entfernen");
    BSpeichern = new QPushButton("S&peichern", this);
    BSpeichern->setObjectName("bsSkinSpeedButton2");
    BHinzu = new QPushButton("Ziehung hinzufügen", this);
    BHinzu->setObjectName("BHinzu");
    BInfo = new QPushButton("?", this);
    BInfo->setObjectName("BInfo");
    BInfo->setFixedWidth(28);
    BErgebnisse = new QPushButton("Aktuelle Zahlen", this);
    BErgebnisse->setObjectName("bsSkinSpeedButton4");
    BErgebnisse->setToolTip("Aktuelle Zahlen und Quoten aufrufen");
    auto* knoepfe = new QGridLayout;
    knoepfe->addWidget(BHinzu, 0, 0);
    knoepfe->addWidget(BSpeichern, 0, 1);
    knoepfe->addWidget(BDel, 1, 0);
    knoepfe->addWidget(BErgebnisse, 1, 1);
    knoepfe->addWidget(BInfo, 0, 2);

    modell_ = new ZiehungsModell(this);
    G1 = new QTableView(this);
    G1->setObjectName("G1");
    G1->setModel(modell_);
    G1->verticalHeader()->hide();
    G1->verticalHeader()->setDefaultSectionSize(20);
    G1->horizontalHeader()->setMinimumSectionSize(20);
    SpaltenEinpassen(G1);
    G1->setSelectionBehavior(QAbstractItemView::SelectRows);
    G1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    G1->setStyleSheet("QTableView { background: white; }");
    G1->setMinimumHeight(8 * 20 + 30);  // at least eight draws, also at the window's minimum size

    LZT = new QLabel(this);
    LZT->setObjectName("LZT");
    auto* rgvBox = new QGroupBox(this);
    rgvBox->setObjectName("RGV");
    auto* rgvLayout = new QHBoxLayout(rgvBox);
    rgvLayout->setContentsMargins(4, 2, 4, 2);
    RGV = new QButtonGroup(this);
    const char* ansichten[] = {"Alle", "So", "Mi"};
    for (int i = 0; i < 3; ++i) {
        auto* r = new QRadioButton(ansichten[i], rgvBox);
        RGV->addButton(r, i);
        rgvLayout->addWidget(r);
    }
    RGV->button(0)->setChecked(true);
    auto* fuss = new QHBoxLayout;
    fuss->addWidget(LZT, 1);
    fuss->addWidget(rgvBox);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);  // the window's layout has the margins
    layout->setSpacing(4);
    layout->addLayout(kopf);
    layout->addWidget(Label5);
    layout->addWidget(p1, 0, Qt::AlignHCenter);
    layout->addLayout(knoepfe);
    layout->addWidget(G1, 1);
    layout->addLayout(fuss);

    connect(Combo1, qOverload<int>(&QComboBox::currentIndexChanged), this, &Ziehungsseite::Combo1Change);
    connect(G1, &QTableView::clicked, this, &Ziehungsseite::G1Click);
    connect(BDel, &QPushButton::clicked, this, &Ziehungsseite::BDelClick);
    connect(BHinzu, &QPushButton::clicked, this, &Ziehungsseite::BHinzuClick);
    connect(BSpeichern, &QPushButton::clicked, this, &Ziehungsseite::SpeichernClick);
    connect(BInfo, &QPushButton::clicked, this, [] { HilfeZeigen(1020); });
    connect(RGV, &QButtonGroup::idClicked, this, &Ziehungsseite::RGVClick);
    connect(BErgebnisse, &QPushButton::clicked, this, [this] {
        if (InternetVerbunden())
            WebseiteOeffnen(ErgebnisseAdresse);
        else
            Nachrichten().information(this, "Für den Aufruf aktueller Gewinnzahlen muss eine Verbindung zum Internet bestehen.");
    });
}

void Ziehungsseite::GZEinlesen() {
    const auto datei = DatenDatei(ZiehungsDateiName);
    try {
        auto geladen = ZiehungenLaden(datei);
        if (!geladen.befund.inOrdnung())
            Nachrichten().fehler(this, AlsMeldung(geladen.befund.meldung(datei, geladen.ziehungen)));
        Daten().GZListe = std::move(geladen.ziehungen);
    } catch (const DateiFehler& e) {
        Nachrichten().fehler(this, AlsMeldung(e.what()));
    }
    erfassung_.beendeHinzufuegen();
    BHinzu->setText("Ziehung hinzufügen");
    fuelleAuswahl();
    RGV->button(0)->setChecked(true);
    emit ziehungenGeaendert();
    zeigeAnsicht(0);
}

QStringList Ziehungsseite::auswahlTexte() const {
    QStringList texte;
    for (int i = 0; i < Combo1->count(); ++i) texte << Combo1->itemText(i);
    return texte;
}

void Ziehungsseite::fuelleAuswahl() {
    QSignalBlocker sperre(Combo1);
    Combo1->clear();
    for (const auto& z : Daten().GZListe) Combo1->addItem(QString::fromStdString(DatumText(z.datum)));
    sperre.unblock();
    if (Combo1->count() > 0) {
        Combo1->setCurrentIndex(Combo1->count() - 1);
        Combo1Change(Combo1->currentIndex());
    }
    emit auswahlGeaendert();
}

void Ziehungsseite::Combo1Change(int index) {
    const auto& liste = Daten().GZListe;
    if (index < 0) return;
    if (std::size_t(index) < liste.size()) {
        const TGewZahlen& z = liste[std::size_t(index)];
        WochentagZeigen(z.datum);
        zeigeAenderungen(wahl_.zeige(z));
        Label5->setText("Gewinnzahlen vom " + Combo1->itemText(index));
    } else if (!Combo1->itemText(index).isEmpty()) {
        if (const auto d = DatumLesen(Combo1->itemText(index).toStdString())) WochentagZeigen(*d);
    }
}

// A damaged record's date shows as "?": it has no weekday either.
void Ziehungsseite::WochentagZeigen(TDatum datum) {
    LDay->setText(IstDarstellbar(datum) ? AlsQString(WochentagName[std::size_t(Wochentag(datum))]) : QString());
}

// The clicked draw becomes the chooser's, so that "Speichern" corrects the draw
// the user sees. While a new draw is entered the chooser stays on it.
void Ziehungsseite::G1Click(const QModelIndex& zelle) {
    if (!zelle.isValid() || erfassung_.hinzufuegen()) return;
    const auto& liste = Daten().GZListe;
    const TGewZahlen& gezeigt = modell_->ziehung(zelle.row());
    for (std::size_t i = liste.size(); i-- > 0;) {
        if (liste[i] == gezeigt) {
            Combo1->setCurrentIndex(int(i));
            return;
        }
    }
}

void Ziehungsseite::zeigeAenderungen(const Zahlenwahl::Aenderungen& aenderungen) {
    for (const auto& [zahl, aussehen] : aenderungen)
        if (zahl >= 1 && zahl <= MaxZahl) PNummer[std::size_t(zahl)]->setzeAussehen(aussehen);
}

void Ziehungsseite::BLotAuswerten(int a) { zeigeAenderungen(wahl_.waehle(a)); }

void Ziehungsseite::BDelClick() {
    wahl_.leeren();
    for (int n = 1; n <= MaxZahl; ++n) PNummer[std::size_t(n)]->setzeAussehen(ZahlAussehen::Normal);
}

void Ziehungsseite::BHinzuClick() {
    auto& liste = Daten().GZListe;
    if (liste.empty()) {
        const auto antwort = Nachrichten().frage(
            this, AlsMeldung("Es fehlen jegliche Gewinnreihen." + std::string(Absatz) + "Soll ich deren Download gleich starten?"),
            true);
        if (antwort == Nachrichtendienst::Antwort::Ja) {
            Werte().downloadNachfragen = false;
            emit downloadGewuenscht();
        }
    }
    if (!erfassung_.hinzufuegen()) {
        BHinzu->setText("Abbrechen");
        const TDatum vorschlag = erfassung_.starteHinzufuegen(liste, Heute());
        const QString text = QString::fromStdString(DatumText(vorschlag));
        Combo1->addItem(text);
        Combo1->setCurrentIndex(Combo1->count() - 1);
        BDelClick();
        Label5->setText("Gewinnzahlen vom " + text);
    } else {
        erfassung_.beendeHinzufuegen();
        BHinzu->setText(kNeueZiehung);
        if (Combo1->count() > int(liste.size())) Combo1->removeItem(Combo1->count() - 1);
        if (Combo1->count() > 0) {
            Combo1->setCurrentIndex(Combo1->count() - 1);
        } else {
            LDay->clear();
            Label5->setText(kTagWaehlen);
        }
    }
    emit auswahlGeaendert();
}

void Ziehungsseite::SpeichernClick() {
    const bool warHinzufuegen = erfassung_.hinzufuegen();
    auto ergebnis = erfassung_.speichern(Daten().GZListe, wahl_, Combo1->currentIndex());
    if (!ergebnis.fehler.empty()) {
        Nachrichten().fehler(this, AlsMeldung(ergebnis.fehler));
        return;
    }
    if (!warHinzufuegen) {
        const std::string frage = "Die Ziehung vom " + Combo1->currentText().toStdString() +
                                  " wird mit den gewählten Zahlen überschrieben." + std::string(Absatz) +
                                  "Soll ich sie wirklich ändern?";
        if (Nachrichten().frage(this, AlsMeldung(frage)) != Nachrichtendienst::Antwort::Ja) return;
    }
    // The history in memory changes only once the file holds it: a failed
    // write leaves both as they were and adding mode on, so trying again
    // cannot append the draw twice.
    try {
        ZiehungenSpeichern(DatenDatei(ZiehungsDateiName), ergebnis.liste);
    } catch (const DateiFehler& e) {
        Nachrichten().fehler(this, AlsMeldung(e.what()));
        return;
    }
    Daten().GZListe = std::move(ergebnis.liste);
    erfassung_.beendeHinzufuegen();
    if (warHinzufuegen) BHinzu->setText(kNeueZiehung);
    RGV->button(0)->setChecked(true);
    emit ziehungenGeaendert();
    zeigeAnsicht(0);
    {
        QSignalBlocker sperre(Combo1);
        Combo1->setCurrentIndex(int(ergebnis.index));
    }
    Combo1Change(int(ergebnis.index));
    emit auswahlGeaendert();
}

void Ziehungsseite::RGVClick(int ansicht) { zeigeAnsicht(ansicht); }

void Ziehungsseite::zeigeAnsicht(int ansicht) {
    const auto& d = Daten();
    const auto& liste = ansicht == 1 ? d.GZListeSo : ansicht == 2 ? d.GZListeMi : d.GZListe;
    modell_->setzeZiehungen(liste);
    LZT->setText(QString::fromStdString(ZahlMitTausendern(static_cast<long long>(liste.size()))) + " Gewinnreihen");
}

}  // namespace quintaro
