#include "systems/ui/eingabesys.h"
#include "app/ui/bausteine.h"
#include "app/ui/texte.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "app/ui/dateidialoge.h"
#include "app/ui/fensterplatz.h"
#include "app/ui/nachrichten.h"
#include "core/datei.h"
#include "core/datenpfad.h"
#include "core/fehler.h"
#include "core/scheindateien.h"
#include "systems/katalog.h"
#include "systems/ui/scheinbild.h"

namespace quintaro {

const QColor TFEingabeSys::Passend(0x00, 0xFF, 0x00);
const QColor TFEingabeSys::Zuviel(0xFF, 0x5B, 0x5B);

namespace {
constexpr int kAutomatikTakt = 50;  // ms between two automatic crosses



void Faerben(QLabel* anzeige, SystemscheinEingabe::Stand stand) {
    QPalette p = anzeige->palette();
    switch (stand) {
        case SystemscheinEingabe::Stand::Passend: p.setColor(QPalette::Window, TFEingabeSys::Passend); break;
        case SystemscheinEingabe::Stand::Zuviel: p.setColor(QPalette::Window, TFEingabeSys::Zuviel); break;
        case SystemscheinEingabe::Stand::Offen: p.setColor(QPalette::Window, p.color(QPalette::Button)); break;
    }
    anzeige->setPalette(p);
}

// Both dialogs start in the data folder and offer system ticket files.
Dateifrage Systemscheinfrage(const QString& titel, const QString& muster) {
    return {titel, QString::fromStdString(DatenPfad().string()),
            {QStringLiteral("Systemschein-Datei (%1)").arg(muster)}, 1, QStringLiteral("sqtr")};
}

QString Bedarf(int anzahl) { return anzahl > 99 ? QString() : QString::number(anzahl); }
}  // namespace

TFEingabeSys::TFEingabeSys(QWidget* eltern) : QMainWindow(eltern), automatik_(new QTimer(this)) {
    setObjectName(QStringLiteral("FEingabeSys"));
    setWindowTitle(FensterTitel());
    auto* flaeche = new QWidget(this);
    auto* haupt = new QVBoxLayout(flaeche);
    haupt->setContentsMargins(1, 4, 1, 4);
    auto* titel = new QLabel(QStringLiteral("Hier können Sie Ihren Systemschein eingeben"));
    QFont fett = titel->font();
    fett.setBold(true);
    fett.setPointSize(fett.pointSize() + 2);
    titel->setFont(fett);
    haupt->addWidget(titel);
    haupt->addWidget(new QLabel(QStringLiteral("Wählen Sie erst das Spielsystem und im Anschluss die entsprechenden Zahlen.")));

    auto* stand = new QGridLayout;
    PSys = Anzeige("PSys", QString(), 36);
    PBZmuss = Anzeige("PBZmuss", QString(), 36);
    PWZmuss = Anzeige("PWZmuss", QString(), 36);
    PBZGew = Anzeige("PBZGew", QStringLiteral("0"), 36);
    PWZgew = Anzeige("PWZgew", QStringLiteral("0"), 36);
    stand->addWidget(new QLabel(QStringLiteral("Gewähltes System:")), 0, 0);
    stand->addWidget(PSys, 0, 1);
    stand->addWidget(new QLabel(QStringLiteral("mit")), 0, 2);
    stand->addWidget(PBZmuss, 0, 3);
    stand->addWidget(new QLabel(QStringLiteral("Bankzahl(en) und")), 0, 4);
    stand->addWidget(PWZmuss, 0, 5);
    stand->addWidget(new QLabel(QStringLiteral("Wahlzahlen")), 0, 6);
    stand->addWidget(new QLabel(QStringLiteral("Bankzahlen gewählt:")), 1, 0);
    stand->addWidget(PBZGew, 1, 1);
    stand->addWidget(new QLabel(QStringLiteral("Wahlzahlen gewählt:")), 1, 4);
    stand->addWidget(PWZgew, 1, 5);
    stand->setColumnStretch(7, 1);
    haupt->addLayout(stand);

    IMG1 = new Scheinbild;
    IMG1->setObjectName(QStringLiteral("IMG1"));
    connect(IMG1, &Scheinbild::kaestchenGeklickt, this,
            [this](int art, int zahl) { TrefferVerwerten(zahl, Kreuzart(art)); });
    IMG1->setMinimumSize(IMG1->sizeHint());  // clicks want boxes of their full size
    haupt->addWidget(IMG1, 1);

    auto* knoepfe = new QHBoxLayout;
    BSave = Knopf(QStringLiteral("Spielschein s&peichern"), "BSave");
    BSave->setEnabled(false);
    BOpen = Knopf(QStringLiteral("Spielschein ö&ffnen"), "BOpen");
    BDel = Knopf(QStringLiteral("Alle Angaben löschen"), "BDel");
    bsSkinSpeedButton1 = Knopf(QStringLiteral("Sch&ließen"), "bsSkinSpeedButton1");
    LDatei = new QLabel;
    LDatei->setObjectName(QStringLiteral("LDatei"));
    for (QWidget* w : {static_cast<QWidget*>(BSave), static_cast<QWidget*>(BOpen), static_cast<QWidget*>(BDel)})
        knoepfe->addWidget(w);
    knoepfe->addWidget(LDatei, 1);
    knoepfe->addWidget(bsSkinSpeedButton1);
    haupt->addLayout(knoepfe);
    setCentralWidget(flaeche);
    resize(720, 537);

    connect(BSave, &QPushButton::clicked, this, &TFEingabeSys::BSaveClick);
    connect(BOpen, &QPushButton::clicked, this, &TFEingabeSys::BOpenClick);
    connect(BDel, &QPushButton::clicked, this, &TFEingabeSys::BDelClick);
    connect(bsSkinSpeedButton1, &QPushButton::clicked, this, &QWidget::close);
    automatik_->setInterval(kAutomatikTakt);
    connect(automatik_, &QTimer::timeout, this, &TFEingabeSys::AutomatikSchritt);
    BDelClick();
    FensterEinpassen(this);
}

bool TFEingabeSys::automatikLaeuft() const { return automatik_->isActive(); }

void TFEingabeSys::TrefferVerwerten(int z, Kreuzart was) {
    const std::string meldung = eingabe_.TrefferVerwerten(z, was);
    if (!meldung.empty()) {
        Nachrichten().information(this, AlsMeldung(meldung));
        return;
    }
    if (eingabe_.automatikLaeuft() && !automatik_->isActive()) automatik_->start();
    AnzeigeKontrollieren();
}

void TFEingabeSys::AutomatikSchritt() {
    if (!eingabe_.AutomatikSchritt()) automatik_->stop();
    AnzeigeKontrollieren();
}

void TFEingabeSys::AnzeigeKontrollieren() {
    const auto code = ScheinSystemTabelle()[std::size_t(eingabe_.SysGewaehlt())].Code;
    PSys->setText(AlsQString(code));
    PBZmuss->setText(Bedarf(eingabe_.BZMuss()));
    PWZmuss->setText(Bedarf(eingabe_.WZMuss()));
    PBZGew->setText(QString::number(eingabe_.BZAnz()));
    PWZgew->setText(QString::number(eingabe_.WZAnz()));
    Faerben(PBZGew, eingabe_.BankStand());
    Faerben(PWZgew, eingabe_.WahlStand());
    BSave->setEnabled(eingabe_.Vollstaendig());
    IMG1->setzeKreuze(eingabe_.BZGewaehlt(), eingabe_.WZGewaehlt(), eingabe_.SysGewaehlt());
}

void TFEingabeSys::NeuerSchein() {
    automatik_->stop();
    eingabe_.NeuerSchein();
    LDatei->clear();
}

void TFEingabeSys::BDelClick() {
    NeuerSchein();
    AnzeigeKontrollieren();
}

void TFEingabeSys::BSaveClick() {
    if (!eingabe_.Vollstaendig()) return;
    Dateifrage frage = Systemscheinfrage(QStringLiteral("Systemschein speichern"), QStringLiteral("*.sqtr"));
    const QString name = Dateidialoge().speichern(this, frage);
    if (name.isEmpty()) return;
    std::filesystem::path datei(name.toStdString());
    if (!datei.has_extension()) datei += ".sqtr";
    try {
        SystemscheinSpeichern(eingabe_.Satz(), datei);
        LDatei->setText(QStringLiteral("Gespeichert: ") + QString::fromStdString(DateiName(datei)));
    } catch (const DateiFehler& e) {
        Nachrichten().fehler(this, AlsMeldung(e.what()));
    }
}

void TFEingabeSys::BOpenClick() {
    Dateifrage frage = Systemscheinfrage(QStringLiteral("Systemschein-Datei einlesen"), QStringLiteral("*"));
    const QStringList dateien = Dateidialoge().oeffnen(this, frage);
    if (dateien.isEmpty()) return;
    const std::filesystem::path datei(dateien.first().toStdString());
    try {
        const TSystemscheinSatz satz = SystemscheinLesen(datei);
        NeuerSchein();
        eingabe_.Laden(satz);
        LDatei->setText(QStringLiteral("Eingelesen: ") + QString::fromStdString(DateiName(datei)));
        AnzeigeKontrollieren();
    } catch (const DateiFehler& e) {
        Nachrichten().fehler(this, AlsMeldung(e.what()));
    }
}

}  // namespace quintaro
