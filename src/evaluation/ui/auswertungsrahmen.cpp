#include "evaluation/ui/auswertungsrahmen.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTableView>

#include "app/ui/fensterplatz.h"
#include "app/ui/nachrichten.h"
#include "app/ui/spaltenbreiten.h"
#include "core/datenbestand.h"
#include "core/fehler.h"
#include "core/formatierung.h"
#include "evaluation/ui/tabellenmodelle.h"

namespace quintaro {

namespace {
QString Text(const std::string& s) { return QString::fromStdString(s); }

QLabel* Beschriftung(const QString& text, const char* name, QWidget* eltern) {
    auto* l = new QLabel(text, eltern);
    l->setObjectName(QString::fromLatin1(name));
    return l;
}

void AuswahlSetzen(QComboBox* combo, const QStringList& texte, int vorgabe) {
    const QString bisher = combo->count() > 0 ? combo->currentText() : QString();
    combo->clear();
    combo->addItems(texte);
    const int behalten = bisher.isEmpty() ? -1 : int(texte.lastIndexOf(bisher));
    combo->setCurrentIndex(behalten >= 0 ? behalten : std::max(0, vorgabe));
}
}  // namespace

QLabel* BeschrifteterWert(QLayout* zeile, const QString& beschriftung, const char* name) {
    zeile->addWidget(new QLabel(beschriftung));
    auto* wert = new QLabel;
    wert->setObjectName(QString::fromLatin1(name));
    wert->setFrameShape(QFrame::Panel);
    wert->setFrameShadow(QFrame::Sunken);
    wert->setMinimumWidth(60);
    zeile->addWidget(wert);
    return wert;
}

AuswertungsRahmen::AuswertungsRahmen(const Namen& namen, QWidget* eltern)
    : QFrame(eltern), ergebnisModell_(new ErgebnisModell(this)), namen_(namen) {}

QWidget* AuswertungsRahmen::auswertungsteil(const Namen& namen) {
    auto* teil = new QWidget(this);
    auto* raster = new QGridLayout(teil);
    raster->setContentsMargins(0, 0, 0, 0);
    auto* titel = Beschriftung(QStringLiteral("Auswertung für eine oder mehrere Ziehungen"), "Label2", teil);
    QFont fett = titel->font();
    fett.setBold(true);
    titel->setFont(fett);
    raster->addWidget(titel, 0, 0, 1, 4);

    raster->addWidget(Beschriftung(QStringLiteral("Für den bzw. vom"), "Label3", teil), 1, 0);
    Combo1 = new QComboBox(teil);
    Combo1->setObjectName(QStringLiteral("Combo1"));
    ListeBildschirmhoch(Combo1);
    DatumsbreiteListe(Combo1);
    raster->addWidget(Combo1, 1, 1);
    cbBack = new QCheckBox(QStringLiteral("zurück bis zum"), teil);
    cbBack->setObjectName(QStringLiteral("cbBack"));
    raster->addWidget(cbBack, 2, 0);
    combo2 = new QComboBox(teil);
    combo2->setObjectName(QStringLiteral("combo2"));
    ListeBildschirmhoch(combo2);
    DatumsbreiteListe(combo2);
    raster->addWidget(combo2, 2, 1);

    auto* tageBox = new QGroupBox(QStringLiteral("Ziehungstag(e)"), teil);
    tageBox->setObjectName(QStringLiteral("RGTage"));
    auto* tageLayout = new QVBoxLayout(tageBox);
    RGTage = new QButtonGroup(tageBox);
    const QString tageTexte[] = {QStringLiteral("So. und Mi."), QStringLiteral("Sonntag"), QStringLiteral("Mittwoch")};
    for (int i = 0; i < 3; ++i) {
        auto* knopf = new QRadioButton(tageTexte[i], tageBox);
        RGTage->addButton(knopf, i);
        tageLayout->addWidget(knopf);
    }
    RGTage->button(0)->setChecked(true);
    connect(RGTage, &QButtonGroup::idClicked, this, &AuswertungsRahmen::tageGewaehlt);
    raster->addWidget(tageBox, 1, 2, 2, 1);

    startKnopf = new QPushButton(QStringLiteral("Start"), teil);
    startKnopf->setObjectName(QString::fromLatin1(namen.start));
    connect(startKnopf, &QPushButton::clicked, this, &AuswertungsRahmen::StartClick);
    raster->addWidget(startKnopf, 1, 3, 2, 1);

    raster->addWidget(Beschriftung(QStringLiteral("Gesamtgewinn"), "Label4", teil), 3, 0);
    LGesGewinn = Beschriftung(QString(), "LGesGewinn", teil);
    raster->addWidget(LGesGewinn, 3, 1);
    raster->addWidget(Beschriftung(QStringLiteral("Höchstgewinn:"), namen.hoechst, teil), 4, 0);
    LHGew = Beschriftung(QString(), "LHGew", teil);
    raster->addWidget(LHGew, 4, 1);
    raster->addWidget(Beschriftung(QStringLiteral("am:"), namen.am, teil), 4, 2, Qt::AlignRight);
    LHGewWann = Beschriftung(QString(), "LHGewWann", teil);
    raster->addWidget(LHGewWann, 4, 3);
    BZeig = new QPushButton(QStringLiteral("Zeigen"), teil);
    BZeig->setObjectName(QStringLiteral("BZeig"));
    BZeig->setToolTip(QStringLiteral("Zum Höchstgewinn in der Tabelle blättern"));
    connect(BZeig, &QPushButton::clicked, this, &AuswertungsRahmen::BZeigClick);
    raster->addWidget(BZeig, 3, 3);

    ergebnisTabelle = new QTableView(teil);
    ergebnisTabelle->setObjectName(QString::fromLatin1(namen.ergebnis));
    ergebnisTabelle->setModel(ergebnisModell_);
    ergebnisTabelle->verticalHeader()->hide();
    // Fixed row heights keep scrolling through long results cheap.
    ergebnisTabelle->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    ergebnisTabelle->verticalHeader()->setDefaultSectionSize(20);
    ergebnisTabelle->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ergebnisTabelle->setSelectionMode(QAbstractItemView::NoSelection);
    SpaltenEinpassen(ergebnisTabelle);
    raster->addWidget(ergebnisTabelle, 5, 0, 1, 5);
    raster->setRowStretch(5, 1);
    // The controls keep together at the left; the room beyond them stays empty.
    raster->setColumnStretch(4, 1);
    return teil;
}

void AuswertungsRahmen::aufbauen(QLayout* kopf, QWidget* scheinteil, Waechst waechst) {
    auto* haupt = new QVBoxLayout(this);
    haupt->addLayout(kopf);
    auto* unten = new QHBoxLayout;
    unten->addWidget(scheinteil, waechst == Waechst::Schein ? 1 : 0);
    unten->addWidget(auswertungsteil(namen_), waechst == Waechst::Auswertung ? 1 : 0);
    haupt->addLayout(unten, 1);
}

void AuswertungsRahmen::setzeZiehungsauswahl(const QStringList& texte) {
    AuswahlSetzen(Combo1, texte, int(texte.size()) - 1);
    AuswahlSetzen(combo2, texte, int(texte.size()) - 2);
}

void AuswertungsRahmen::setzeTage(int index) {
    if (auto* knopf = RGTage->button(index)) knopf->setChecked(true);
}

int AuswertungsRahmen::tage() const { return RGTage->checkedId(); }

int AuswertungsRahmen::hoechstgewinnZeile() const { return ergebnisModell_->ergebnis().hoechstgewinnZeile; }

void AuswertungsRahmen::ergebnisseLeeren() {
    LGesGewinn->clear();
    LHGew->clear();
    LHGewWann->clear();
}

void AuswertungsRahmen::StartClick() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const auto& daten = Daten();
    Auswertung ergebnis;
    std::string fehler;
    try {
        ergebnis = GewinnAuswertung(reihen(), daten.GZListe, daten.QuotenListe, Combo1->currentIndex(),
                                    combo2->currentIndex(), cbBack->isChecked(), Ziehungstage(tage()));
    } catch (const KonvertierungsFehler& e) {
        fehler = e.what();
    }
    QApplication::restoreOverrideCursor();
    if (!fehler.empty() || ergebnis.abgelehnt()) {
        ergebnisseLeeren();
        if (!fehler.empty()) {
            // The rows cannot be evaluated: no result of other rows stays on screen.
            ergebnisModell_->setzeErgebnis({});
            Nachrichten().fehler(this, AlsMeldung(fehler));
        } else {
            Nachrichten().information(this, AlsMeldung(ergebnis.ablehnung));
        }
        return;
    }
    LGesGewinn->setText(Text(WaehrungText(ergebnis.gesamt)));
    LHGew->setText(Text(WaehrungText(ergebnis.hoechstgewinn)));
    LHGewWann->setText(ergebnis.hoechstgewinnZeile > 0 ? Text(DatumText(ergebnis.hoechstgewinnDatum)) : QString());
    ergebnisModell_->setzeErgebnis(std::move(ergebnis));
    ergebnisTabelle->scrollToTop();
}

void AuswertungsRahmen::BZeigClick() {
    const int zeile = hoechstgewinnZeile() - 1;
    if (zeile < 0) return;
    const int oben = ergebnisTabelle->rowViewportPosition(zeile);
    const int hoehe = ergebnisTabelle->viewport()->height();
    if (oben < 0 || oben + ergebnisTabelle->rowHeight(zeile) > hoehe) {
        // The win becomes the seventh visible line, with the lines before it as context.
        ergebnisTabelle->scrollTo(ergebnisModell_->index(std::max(0, zeile - 6), 0), QAbstractItemView::PositionAtTop);
        ergebnisTabelle->scrollTo(ergebnisModell_->index(zeile, 0), QAbstractItemView::EnsureVisible);
    }
    ergebnisTabelle->viewport()->update();
}

}  // namespace quintaro
