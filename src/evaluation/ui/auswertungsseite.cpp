#include "evaluation/ui/auswertungsseite.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/ui/dateidialoge.h"
#include "app/ui/nachrichten.h"
#include "core/datei.h"
#include "core/datenpfad.h"
#include "core/einstellungen.h"
#include "core/scheindateien.h"
#include "evaluation/ui/frscheine.h"

namespace quintaro {

namespace {
const std::string kSpielscheine = "Spielscheine";
const std::string kAuswertung = "Auswertung";

QLabel* Beschriftung(const QString& text, const char* name) {
    auto* l = new QLabel(text);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

QString Pfadtext(const std::filesystem::path& p) { return QString::fromStdString(p.string()); }
std::filesystem::path Pfad(const QString& text) { return std::filesystem::path(text.toStdString()); }
}  // namespace

Auswertungsseite::Auswertungsseite(QWidget* eltern) : QWidget(eltern) {
    auto* haupt = new QVBoxLayout(this);
    auto* titel = Beschriftung(QStringLiteral("Tippauswertung"), "Label2");
    QFont gross = titel->font();
    gross.setBold(true);
    gross.setPointSize(gross.pointSize() + 3);
    titel->setFont(gross);
    haupt->addWidget(titel);

    auto* oeffnen = new QHBoxLayout;
    oeffnen->addWidget(Beschriftung(QStringLiteral("Tippschein(e) wählen"), "Label3"));
    BOpen = new QPushButton(QStringLiteral("Öffnen..."));
    BOpen->setObjectName(QStringLiteral("BOpen"));
    connect(BOpen, &QPushButton::clicked, this, &Auswertungsseite::BOpenClick);
    oeffnen->addWidget(BOpen);
    oeffnen->addWidget(Beschriftung(QStringLiteral("Es können mehrere Scheine zusammen geöffnet werden"), "Label4"));
    oeffnen->addStretch();
    haupt->addLayout(oeffnen);

    cbMerken = new QCheckBox(QStringLiteral("Datei-Auswahl merken und mit Programmstart einlesen"));
    cbMerken->setObjectName(QStringLiteral("cbMerken"));
    cbMerken->setChecked(true);
    haupt->addWidget(cbMerken);
    auto* hinweise = new QHBoxLayout;
    hinweise->addWidget(Beschriftung(QStringLiteral("(Das Häkchen muss vor der Auswahl gesetzt werden.)"), "Label6"));
    hinweise->addWidget(Beschriftung(QStringLiteral("Achtung, alte Einträge werden überschrieben."), "Label7"));
    hinweise->addStretch();
    haupt->addLayout(hinweise);

    PC1 = new QTabWidget;
    PC1->setObjectName(QStringLiteral("PC1"));
    haupt->addWidget(PC1, 1);

    auto* schliessen = new QHBoxLayout;
    schliessen->addStretch();
    schliessen->addWidget(Beschriftung(QStringLiteral("Tabs schließen"), "Label8"));
    BKr2 = new QPushButton(QStringLiteral("×"));
    BKr2->setObjectName(QStringLiteral("BKr2"));
    BKr2->setToolTip(QStringLiteral("Ausgewählten Tab mit Schein-Datei schließen."));
    connect(BKr2, &QPushButton::clicked, this, &Auswertungsseite::BKr2Click);
    schliessen->addWidget(BKr2);
    BKr1 = new QPushButton(QStringLiteral("Alle ×"));
    BKr1->setObjectName(QStringLiteral("BKr1"));
    BKr1->setToolTip(QStringLiteral("Alle Tabs mit den Schein-Dateien schließen."));
    connect(BKr1, &QPushButton::clicked, this, &Auswertungsseite::BKr1Click);
    schliessen->addWidget(BKr1);
    haupt->addLayout(schliessen);
}

void Auswertungsseite::setzeZiehungsauswahl(const QStringList& texte) {
    ziehungsauswahl_ = texte;
    for (int i = 0; i < PC1->count(); ++i)
        if (auto* r = rahmen(i)) r->setzeZiehungsauswahl(texte);
}

AuswertungsRahmen* Auswertungsseite::rahmen(int tab) const {
    QWidget* seite = PC1->widget(tab);
    return seite ? seite->findChild<AuswertungsRahmen*>(QString(), Qt::FindDirectChildrenOnly) : nullptr;
}

QWidget* Auswertungsseite::DateienEinlesen(const std::filesystem::path& datei) {
    const int t = ++tabZaehler_;
    auto* seite = new QWidget;
    seite->setObjectName(QStringLiteral("Tab%1").arg(t));
    seite->setProperty("Tag", t);
    AuswertungsRahmen* rahmen = nullptr;
    try {
        switch (ScheinArtVon(datei)) {
            case ScheinArt::System: {
                auto* system = new TFFrScheine(seite);
                system->DateiLaden(datei, BankMengen);
                system->setzeTage(sZiehung_);
                connect(system, &AuswertungsRahmen::tageGewaehlt, this, [this](int i) { sZiehung_ = i; });
                rahmen = system;
                break;
            }
            case ScheinArt::Normal: {
                auto* normal = new TFFrScheineN(seite);
                normal->DateiLaden(datei);
                normal->setzeTage(nZiehung_);
                connect(normal, &AuswertungsRahmen::tageGewaehlt, this, [this](int i) { nZiehung_ = i; });
                rahmen = normal;
                break;
            }
            case ScheinArt::Unbekannt: break;
        }
    } catch (const DateiFehler& e) {
        delete seite;
        Nachrichten().fehler(this, AlsMeldung(e.what()));
        return nullptr;
    }
    if (rahmen) {
        rahmen->setObjectName(QStringLiteral("fr%1").arg(t));
        rahmen->setzeZiehungsauswahl(ziehungsauswahl_);
        auto* layout = new QVBoxLayout(seite);
        layout->setContentsMargins(2, 2, 2, 2);
        layout->addWidget(rahmen);
    }
    PC1->addTab(seite, QString::fromStdString(datei.stem().string()));
    return seite;
}

void Auswertungsseite::BOpenClick() {
    Dateifrage frage{QStringLiteral("Spielschein-Datei einlesen"),
                     Pfadtext(DatenPfad()),
                     {QStringLiteral("Normal-Schein (*.nqtr)"), QStringLiteral("System-Schein (*.sqtr)"),
                      QStringLiteral("Spielschein-Dateien (*.nqtr *.sqtr)")},
                     filterIndex_,
                     QStringLiteral("nqtr"),
                     true};
    const QStringList dateien = Dateidialoge().oeffnen(this, frage);
    filterIndex_ = frage.filterIndex;
    if (dateien.isEmpty()) return;
    if (cbMerken->isChecked()) merken(dateien);
    PC1->setUpdatesEnabled(false);
    QWidget* letzte = nullptr;
    for (const QString& datei : dateien)
        if (QWidget* seite = DateienEinlesen(Pfad(datei))) letzte = seite;
    if (letzte) PC1->setCurrentWidget(letzte);
    PC1->setUpdatesEnabled(true);
}

void Auswertungsseite::schreibfehlerMelden(const DateiFehler& fehler, const std::string& folge) {
    Nachrichten().fehler(this, AlsMeldung(std::string(fehler.what()) + std::string(Absatz) + folge));
}

void Auswertungsseite::merken(const QStringList& dateien) {
    try {
        Einstellungen ini;
        ini.loescheSektion(kSpielscheine);
        ini.schreibeZahl(kSpielscheine, "Dateienanzahl", int(dateien.size()));
        for (int i = 0; i < dateien.size(); ++i)
            ini.schreibeText(kSpielscheine, "Datei" + std::to_string(i + 1), dateien[i].toStdString());
    } catch (const DateiFehler& e) {
        schreibfehlerMelden(e, "Die Datei-Auswahl konnte nicht gemerkt werden.");
    }
}

void Auswertungsseite::BKr1Click() {
    if (PC1->count() == 0) return;
    PC1->setUpdatesEnabled(false);
    while (PC1->count() > 0) {
        QWidget* seite = PC1->widget(PC1->count() - 1);
        PC1->removeTab(PC1->count() - 1);
        delete seite;
    }
    PC1->setUpdatesEnabled(true);
}

void Auswertungsseite::BKr2Click() {
    if (PC1->count() == 0) return;
    const int t = PC1->currentIndex();
    PC1->setUpdatesEnabled(false);
    QWidget* seite = PC1->widget(t);
    PC1->removeTab(t);
    delete seite;
    // The tab before the closed one becomes active; closing the first activates the new first.
    if (PC1->count() > 0) PC1->setCurrentIndex(std::max(0, t - 1));
    PC1->setUpdatesEnabled(true);
}

void Auswertungsseite::EinstellungenLesen() {
    std::vector<std::string> gemerkt;
    if (Einstellungen::DateiVorhanden()) {
        const Einstellungen ini;
        nZiehung_ = ini.leseZahl(kAuswertung, "N-Ziehung", 0);
        sZiehung_ = ini.leseZahl(kAuswertung, "S-Ziehung", 0);
        filterIndex_ = ini.leseZahl(kSpielscheine, "Filterindex", 3);
        cbMerken->setChecked(ini.leseSchalter(kSpielscheine, "Merken", false));
        const int n = ini.leseZahl(kSpielscheine, "Dateienanzahl", 0);
        for (int i = 1; i <= n; ++i) gemerkt.push_back(ini.leseText(kSpielscheine, "Datei" + std::to_string(i), ""));
    }
    for (const auto& datei : gemerkt) {
        std::error_code ec;
        if (std::filesystem::is_regular_file(datei, ec)) {
            DateienEinlesen(datei);
        } else {
            Nachrichten().information(this, AlsMeldung("Die mit dem Programmstart zu ladende Datei " +
                                                       DateiName(datei) + std::string(Absatz) +
                                                       " wurde nicht gefunden."));
        }
    }
    if (!gemerkt.empty()) return;
    for (const auto name : {DemoSystemscheinName, DemoNormalscheinName}) {
        std::error_code ec;
        if (std::filesystem::is_regular_file(DatenDatei(name), ec)) DateienEinlesen(DatenDatei(name));
    }
}

void Auswertungsseite::EinstellungenSchreiben() {
    try {
        Einstellungen ini;
        ini.schreibeZahl(kSpielscheine, "Filterindex", filterIndex_);
        ini.schreibeSchalter(kSpielscheine, "Merken", cbMerken->isChecked());
        ini.schreibeZahl(kAuswertung, "N-Ziehung", nZiehung_);
        ini.schreibeZahl(kAuswertung, "S-Ziehung", sZiehung_);
    } catch (const DateiFehler& e) {
        schreibfehlerMelden(e, "Die Einstellungen der Tippauswertung konnten nicht gespeichert werden.");
    }
}

}  // namespace quintaro
