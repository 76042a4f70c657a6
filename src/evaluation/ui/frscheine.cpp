#include "evaluation/ui/frscheine.h"
#include "app/ui/texte.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableView>

#include "app/ui/spaltenbreiten.h"
#include "core/datei.h"
#include "evaluation/gewinnauswertung.h"
#include "evaluation/ui/tabellenmodelle.h"
#include "systems/katalog.h"
#include "systems/scheingeometrie.h"
#include "systems/ui/scheinbild.h"

namespace quintaro {

namespace {
QString Dateiname(const std::filesystem::path& datei) { return QString::fromStdString(DateiName(datei)); }
}  // namespace

TFFrScheineN::TFFrScheineN(QWidget* eltern)
    : AuswertungsRahmen({"bsSkinSpeedButton2", "Label1", "Label5", "G3a"}, eltern),
      reihenModell_(new ReihenModell(this)) {
    auto* kopf = new QHBoxLayout;
    LDatei = BeschrifteterWert(kopf, QStringLiteral("Datei"), "LDatei");
    LReihen = BeschrifteterWert(kopf, QStringLiteral("Reihenanzahl"), "LReihen");
    kopf->addStretch();
    G3 = Reihentabelle(reihenModell_, "G3", this);
    aufbauen(kopf, G3, Waechst::Auswertung);
}

void TFFrScheineN::DateiLaden(const std::filesystem::path& datei) {
    TippTabelle reihen;
    ReihenKopf(reihen);
    const int n = ReihenLesen(reihen, datei);
    reihenModell_->setzeReihen(std::move(reihen));
    LDatei->setText(Dateiname(datei));
    LReihen->setText(QString::number(n));
}

const TippTabelle& TFFrScheineN::reihen() const { return reihenModell_->reihen(); }

TFFrScheine::TFFrScheine(QWidget* eltern)
    : AuswertungsRahmen({"BStart", "Label7", "Label9", "G4a"}, eltern), reihenModell_(new ReihenModell(this)) {
    auto* kopf = new QHBoxLayout;
    LDatei = BeschrifteterWert(kopf, QStringLiteral("Datei"), "LDatei");
    LBez = BeschrifteterWert(kopf, QStringLiteral("System"), "LBez");
    kopf->addStretch();

    ansicht = new QStackedWidget(this);
    auto* bildSeite = new QWidget(ansicht);
    auto* bildLayout = new QVBoxLayout(bildSeite);
    bildLayout->setContentsMargins(0, 0, 0, 0);
    bild = new Scheinbild(bildSeite);
    bild->setObjectName(QStringLiteral("Bild"));
    bild->setAttribute(Qt::WA_TransparentForMouseEvents);  // shown, not filled in
    bild->setMinimumSize(bild->sizeHint() / 3);
    bildLayout->addWidget(bild, 1);
    BAlsReihen = new QPushButton(QStringLiteral("Als Reihen anzeigen"), bildSeite);
    BAlsReihen->setObjectName(QStringLiteral("BAlsReihen"));
    connect(BAlsReihen, &QPushButton::clicked, this, &TFFrScheine::BAlsReihenClick);
    bildLayout->addWidget(BAlsReihen, 0, Qt::AlignLeft);
    ansicht->addWidget(bildSeite);

    auto* reihenSeite = new QWidget(ansicht);
    auto* reihenLayout = new QVBoxLayout(reihenSeite);
    reihenLayout->setContentsMargins(0, 0, 0, 0);
    auto* erklaerung = new QLabel(QStringLiteral("Die Tabelle zeigt die Reihen des von Ihnen gespielten Systems."));
    erklaerung->setWordWrap(true);
    reihenLayout->addWidget(erklaerung);
    G4 = Reihentabelle(reihenModell_, "G4", reihenSeite);
    reihenLayout->addWidget(G4, 1);
    BZurueck = new QPushButton(QStringLiteral("Zurück"), reihenSeite);
    BZurueck->setObjectName(QStringLiteral("BZurueck"));
    connect(BZurueck, &QPushButton::clicked, this, &TFFrScheine::BZurueckClick);
    reihenLayout->addWidget(BZurueck, 0, Qt::AlignLeft);
    ansicht->addWidget(reihenSeite);
    ansicht->setMinimumWidth(300);

    aufbauen(kopf, ansicht, Waechst::Schein);
}

void TFFrScheine::DateiLaden(const std::filesystem::path& datei, std::vector<TZahlenMenge>& bankMengen) {
    const TSystemscheinSatz satz = SystemscheinLesen(datei);
    TippTabelle reihen;
    bankIndex_ = SystemscheinAufloesen(satz, reihen, bankMengen);
    reihenModell_->setzeReihen(std::move(reihen), bankMengen[std::size_t(bankIndex_)]);
    bild->setzeGruppe(FormGruppe(satz.system));
    bild->setzeKreuze(Bankzahlen(satz), Wahlzahlen(satz), satz.system);
    const auto code = ScheinSystemTabelle()[satz.system].Code;
    LBez->setText(AlsQString(code));
    LDatei->setText(Dateiname(datei));
}

const TippTabelle& TFFrScheine::reihen() const { return reihenModell_->reihen(); }

void TFFrScheine::BAlsReihenClick() { ansicht->setCurrentIndex(1); }
void TFFrScheine::BZurueckClick() { ansicht->setCurrentIndex(0); }

}  // namespace quintaro
