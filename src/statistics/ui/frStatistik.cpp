#include "statistics/ui/frStatistik.h"
#include "app/ui/texte.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStyle>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/ui/fensterplatz.h"
#include "app/ui/spaltenbreiten.h"
#include "statistics/ui/statistik_bausteine.h"
#include "statistics/ui/statistik_modelle.h"

namespace quintaro {

namespace {

// Plates: 8 rows of 6 pairs (number plate, count plate to its right).
constexpr int NrBreite = 26, WBreite = 36, PlattenHoehe = 20, Luecke = 3;
constexpr int PaarBreite = NrBreite + WBreite + 2 * Luecke;
constexpr int PlattenSpalten = 6;
constexpr int PlattenZeilen = (MaxZahl + PlattenSpalten - 1) / PlattenSpalten;
constexpr int PanelBreite = PlattenSpalten * PaarBreite + Luecke;
constexpr int KnopfHoehe = 24;
constexpr int PanelHoehe = PlattenZeilen * (PlattenHoehe + Luecke) + Luecke + KnopfHoehe + Luecke;

// A period box holds one date per draw.
QComboBox* ZeitraumBox(const QString& name, QWidget* eltern) {
    auto* box = new QComboBox(eltern);
    box->setObjectName(name);
    DatumsbreiteListe(box);
    return box;
}

QString Name(const char* stamm, int ansicht, int zusatz = -1) {
    return QString::fromLatin1(stamm) + QString::number(ansicht) + (zusatz >= 0 ? QString::number(zusatz) : QString());
}

QTableView* ErgebnisGitter(QAbstractItemModel* modell, const QString& name, QWidget* eltern) {
    auto* gitter = new QTableView(eltern);
    gitter->setObjectName(name);
    gitter->setModel(modell);
    gitter->verticalHeader()->hide();
    gitter->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);  // a ranking may hold every combination
    gitter->verticalHeader()->setDefaultSectionSize(18);
    gitter->horizontalHeader()->setMinimumSectionSize(20);
    gitter->setEditTriggers(QAbstractItemView::NoEditTriggers);
    gitter->setSelectionMode(QAbstractItemView::NoSelection);
    SpaltenEinpassen(gitter);
    return gitter;
}

}  // namespace

TFfrStatistik::TFfrStatistik(int ansicht, QWidget* eltern) : QWidget(eltern), Tag(ansicht) {
    setObjectName(Name("frStat", Tag));
    auto* aussen = new QVBoxLayout(this);
    aussen->setContentsMargins(5, 0, 5, 0);
    GrLeft = new QGroupBox(AlsQString(AnsichtTitel(Tag)), this);
    aussen->addWidget(GrLeft);
    auto* spalte = new QVBoxLayout(GrLeft);

    P1 = new QWidget(GrLeft);
    P1->setObjectName(Name("P1_", Tag));
    P1->setFixedSize(PanelBreite, PanelHoehe);
    BAuf = new QToolButton(P1);
    BAuf->setObjectName(Name("BAuf", Tag));
    BAuf->setText(QStringLiteral("Sortieren"));
    BAuf->setCheckable(true);  // checked while the plates stand in frequency order
    BAuf->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    SortierungZeigen(false);
    BAuf->adjustSize();
    BAuf->move(PanelBreite - BAuf->width() - Luecke, PanelHoehe - KnopfHoehe - Luecke);
    spalte->addWidget(P1);

    auto* zeitraum = new QGridLayout;
    zeitraum->addWidget(new QLabel(QStringLiteral("Auswertungszeitraum wählen:"), GrLeft), 0, 0, 1, 4);
    zeitraum->addWidget(new QLabel(QStringLiteral("von"), GrLeft), 1, 0);
    combo1 = ZeitraumBox(Name("Combo", Tag, 1), GrLeft);
    zeitraum->addWidget(combo1, 1, 1);
    zeitraum->addWidget(new QLabel(QStringLiteral("bis"), GrLeft), 1, 2);
    combo2 = ZeitraumBox(Name("Combo", Tag, 2), GrLeft);
    zeitraum->addWidget(combo2, 1, 3);
    BStart = new QToolButton(GrLeft);
    BStart->setObjectName(Name("BStart", Tag));
    BStart->setIcon(style()->standardIcon(QStyle::SP_MediaPlay));
    BStart->setToolTip(QStringLiteral("Häufigkeiten im gewählten Zeitraum zählen"));
    zeitraum->addWidget(BStart, 1, 4);
    zeitraum->addWidget(new QLabel(QStringLiteral("Anzahl Ziehungen"), GrLeft), 2, 0, 1, 2);
    LZie = new QLabel(GrLeft);
    LZie->setObjectName(Name("LZie", Tag));
    zeitraum->addWidget(LZie, 2, 2, 1, 2);
    spalte->addLayout(zeitraum);

    RGLetzte = new QGroupBox(QStringLiteral("Die letzten X Ziehungen auswerten"), GrLeft);
    RGLetzte->setObjectName(Name("RGLetzte", Tag));
    auto* vorgaben = new QHBoxLayout(RGLetzte);
    for (int k = 0; k < AnzahlVorgaben; ++k) {
        letzteX[std::size_t(k)] = new QRadioButton(RGLetzte);
        vorgaben->addWidget(letzteX[std::size_t(k)]);
    }
    spalte->addWidget(RGLetzte);

    auto* ausGruppe = new QGroupBox(QStringLiteral("Wie oft sind Zahlen ausgeblieben"), GrLeft);
    auto* ausLayout = new QVBoxLayout(ausGruppe);
    GAus = new QTableWidget(2, MaxZahl + 1, ausGruppe);
    GAus->setObjectName(Name("GAus", Tag));
    GAus->horizontalHeader()->hide();
    GAus->verticalHeader()->hide();
    GAus->verticalHeader()->setDefaultSectionSize(20);
    GAus->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // 45 numbers do not fit beside each other in one view: the grid scrolls sideways.
    GAus->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    SpaltenEinpassen(GAus, 0);
    GAus->setFixedHeight(2 * 20 + 2 * GAus->frameWidth() + GAus->horizontalScrollBar()->sizeHint().height());
    ausLayout->addWidget(GAus);
    spalte->addWidget(ausGruppe);

    PC = new QTabWidget(GrLeft);
    PC->setObjectName(Name("PC", Tag));
    PC->addTab(ranglistenSeite(1, 2), QStringLiteral("2er Kombis"));
    PC->addTab(ranglistenSeite(3, 3), QStringLiteral("3er Kombis"));
    PC->addTab(ranglistenSeite(5, 4), QStringLiteral("4er Kombis"));
    PC->addTab(suchSeite(), QStringLiteral("Kombi-Suche"));
    spalte->addWidget(PC, 1);

    setFixedWidth(PanelBreite + 10 + 2 * 12);
}

QWidget* TFfrStatistik::ranglistenSeite(int erstesGitter, int k) {
    auto* seite = new QWidget(this);
    auto* layout = new QGridLayout(seite);
    layout->setContentsMargins(2, 2, 2, 2);
    const QString groesse = QString::number(k) + QStringLiteral("er");
    const QString titel[2] = {QStringLiteral("Die häufigsten ") + groesse, QStringLiteral("Die seltensten ") + groesse};
    for (int i = 0; i < 2; ++i) {
        const int g = erstesGitter + i;
        kombiGruppe[std::size_t(g)] = new QGroupBox(titel[i], seite);
        auto* innen = new QVBoxLayout(kombiGruppe[std::size_t(g)]);
        innen->setContentsMargins(2, 2, 2, 2);
        ranglisten[std::size_t(g)] = new TRanglistenModell(this);
        GKombi[std::size_t(g)] = ErgebnisGitter(ranglisten[std::size_t(g)], Name("GKombi", g, Tag), kombiGruppe[std::size_t(g)]);
        innen->addWidget(GKombi[std::size_t(g)]);
        layout->addWidget(kombiGruppe[std::size_t(g)], 0, i);
    }
    if (k == 2) return seite;

    auto* knopf = new QPushButton(QStringLiteral("Start"), seite);
    auto* balken = new QProgressBar(seite);
    balken->setTextVisible(false);
    balken->setMaximum(2 * KombiAnzahl(k));
    if (k == 3) {
        BStart3 = knopf;
        BStart3->setObjectName(Name("BStart3", Tag));
        Gauge1 = balken;
        Gauge1->setObjectName(Name("Gauge", Tag, 1));
    } else {
        BStart2 = knopf;
        BStart2->setObjectName(Name("BStart2", Tag));
        Gauge2 = balken;
        Gauge2->setObjectName(Name("Gauge", Tag, 2));
    }
    layout->addWidget(knopf, 1, 0);
    layout->addWidget(new QLabel(QStringLiteral("Manuell starten, da zeitintensiv"), seite), 1, 1);
    layout->addWidget(balken, 2, 0, 1, 2);
    return seite;
}

QWidget* TFfrStatistik::suchSeite() {
    auto* seite = new QWidget(this);
    auto* layout = new QGridLayout(seite);
    layout->setContentsMargins(2, 2, 2, 2);

    auto* wahl = new QGroupBox(QStringLiteral("Kombizahlen anklicken"), seite);
    auto* wahlLayout = new QVBoxLayout(wahl);
    PNr = new QWidget(wahl);
    PNr->setObjectName(Name("PNr", Tag));
    auto* raster = new QGridLayout(PNr);
    raster->setSpacing(1);
    raster->setContentsMargins(0, 0, 0, 0);
    for (int n = 1; n <= MaxZahl; ++n) {
        BNr[std::size_t(n)] = new TBKombi(n, Tag, PNr);
        BNr[std::size_t(n)]->setObjectName(Name("BNr", Tag, n));
        BNr[std::size_t(n)]->setFixedSize(26, 22);
        raster->addWidget(BNr[std::size_t(n)], (n - 1) / PlattenSpalten, (n - 1) % PlattenSpalten);
    }
    wahlLayout->addWidget(PNr);
    BSuche = new QPushButton(QStringLiteral("Suche starten"), wahl);
    BSuche->setObjectName(Name("BSuche", Tag));
    BSuche->setEnabled(false);
    BDel = new QToolButton(wahl);
    BDel->setObjectName(Name("BDel", Tag));
    BDel->setIcon(style()->standardIcon(QStyle::SP_DialogResetButton));
    BDel->setToolTip(QStringLiteral("Auswahl löschen"));
    auto* knoepfe = new QHBoxLayout;
    knoepfe->addWidget(BSuche);
    knoepfe->addWidget(BDel);
    wahlLayout->addLayout(knoepfe);
    cbAuch = new QCheckBox(QStringLiteral("Für Sonntag und Mitt-\nwoch übernehmen"), wahl);
    cbAuch->setObjectName(Name("cbAuch", Tag));
    cbAuch->setVisible(Tag == 0);
    wahlLayout->addWidget(cbAuch);
    if (Tag != 0) {
        auto* hinweis = new QLabel(QStringLiteral("Gesamtauswertung ist links im Fenster möglich"), wahl);
        hinweis->setWordWrap(true);
        wahlLayout->addWidget(hinweis);
    }
    wahlLayout->addStretch();
    layout->addWidget(wahl, 0, 0);

    auto* aufgetreten = new QGroupBox(QStringLiteral("Aufgetreten am"), seite);
    auto* aufLayout = new QVBoxLayout(aufgetreten);
    LErg = new QLabel(aufgetreten);
    LErg->setObjectName(Name("LErg", Tag));
    LErg->setAlignment(Qt::AlignCenter);
    LErg->setAutoFillBackground(true);
    aufLayout->addWidget(LErg);
    funde = new TFundModell(this);
    GKombi[7] = ErgebnisGitter(funde, Name("GKombi", 7, Tag), aufgetreten);
    aufLayout->addWidget(GKombi[7]);
    layout->addWidget(aufgetreten, 0, 1);
    layout->setColumnStretch(1, 1);
    return seite;
}

void TFfrStatistik::PlattenBauen(const std::array<int, MaxZahl + 1>& anzahl) {
    for (int n = 1; n <= MaxZahl; ++n) {
        const int zeile = (n - 1) / PlattenSpalten, spalte = (n - 1) % PlattenSpalten;
        ENrEcke[std::size_t(n)] = QPoint(Luecke + spalte * PaarBreite, Luecke + zeile * (PlattenHoehe + Luecke));
        auto* nr = new TBStatNr(n, P1);
        nr->setObjectName(Name("BStatNr", Tag, n));
        nr->setGeometry(QRect(ENrEcke[std::size_t(n)], QSize(NrBreite, PlattenHoehe)));
        BStatNr[std::size_t(n)] = nr;
        auto* w = new TBStatW(n, P1);
        w->setObjectName(Name("BStatW", Tag, n));
        w->resize(WBreite, PlattenHoehe);
        BStatW[std::size_t(n)] = w;
    }
    ZaehlerSetzen(anzahl);
    std::array<int, MaxZahl> natuerlich{};
    for (int k = 0; k < MaxZahl; ++k) natuerlich[std::size_t(k)] = k + 1;
    PlattenAnordnen(natuerlich);
}

void TFfrStatistik::SortierungZeigen(bool nachHaeufigkeit) {
    BAuf->setChecked(nachHaeufigkeit);
    BAuf->setIcon(style()->standardIcon(nachHaeufigkeit ? QStyle::SP_ArrowUp : QStyle::SP_ArrowRight));
    BAuf->setToolTip(nachHaeufigkeit ? QStringLiteral("Sortiert nach Häufigkeit, die seltenste Zahl zuerst. "
                                                      "Ein Klick ordnet wieder nach Zahlen.")
                                     : QStringLiteral("Geordnet nach Zahlen von 1 bis 45. "
                                                      "Ein Klick sortiert nach Häufigkeit."));
}

void TFfrStatistik::ZaehlerSetzen(const std::array<int, MaxZahl + 1>& anzahl) {
    for (int n = 1; n <= MaxZahl; ++n) BStatW[std::size_t(n)]->setText(QString::number(anzahl[std::size_t(n)]));
}

void TFfrStatistik::PlattenAnordnen(const std::array<int, MaxZahl>& anordnung) {
    for (int slot = 1; slot <= MaxZahl; ++slot) {
        const int n = anordnung[std::size_t(slot - 1)];
        BStatNr[std::size_t(slot)]->setText(QString::number(n));
        BStatW[std::size_t(n)]->move(ENrEcke[std::size_t(slot)] + QPoint(NrBreite + Luecke, 0));
    }
}

}  // namespace quintaro
