#include "systems/ui/tfsystemwahl.h"
#include "app/ui/bausteine.h"

#include <QApplication>
#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSlider>
#include <QStyle>
#include <QTabWidget>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>
#include <chrono>

#include "app/ui/dateidialoge.h"
#include "app/ui/fensterverwaltung.h"
#include "app/ui/nachrichten.h"
#include "app/ui/tabellendienst.h"
#include "app/ui/texte.h"
#include "core/datei.h"
#include "core/datenpfad.h"
#include "core/einstellungen.h"
#include "core/fehler.h"
#include "core/scheindateien.h"
#include "random/quotenkiller.h"
#include "systems/katalog.h"
#include "systems/systemanwenden.h"
#include "systems/systembeschreibung.h"
#include "systems/ui/systemtestseite.h"
#include "systems/ui/tippreihendelegat.h"
#include "systems/ui/tippreihenmodell.h"
#include "systems/ui/zahlplatten.h"

namespace quintaro {

const QColor TFSystemwahl::Gruen(0x00, 0xFF, 0x00);
const QColor TFSystemwahl::Hellrot(0xFF, 0x5B, 0x5B);

namespace {
constexpr int ClientBreite = 952;
constexpr int Spalten = 6;  // numbers per line of the balls and plates

QLabel* Text(const QString& text, bool umbrechen = true) {
    auto* l = new QLabel(text);
    l->setWordWrap(umbrechen);
    return l;
}



QToolButton* InfoKnopf(const char* name, const QString& hinweis) {
    auto* k = new QToolButton;
    k->setObjectName(QString::fromLatin1(name));
    k->setText(QStringLiteral("i"));
    k->setToolTip(hinweis);
    k->setStyleSheet(QStringLiteral("QToolButton { font-weight: bold; font-style: italic; color: #1a4fa0; }"));
    k->hide();
    return k;
}

QCheckBox* Egal(const char* name) {
    auto* c = new QCheckBox(QStringLiteral("egal"));
    c->setObjectName(QString::fromLatin1(name));
    return c;
}

QSlider* Schieber(const char* name, int von, int bis) {
    auto* s = new QSlider(Qt::Horizontal);
    s->setObjectName(QString::fromLatin1(name));
    s->setRange(von, bis);
    s->setPageStep(1);
    return s;
}

QRadioButton* Wahlknopf(const QString& text, const QString& name) {
    auto* r = new QRadioButton(text);
    r->setObjectName(name);
    return r;
}

// The caption of a slider's value ("Zahlenpool- größe:") breaks at its blank.
QLabel* Wertname(const QString& text) {
    auto* l = new QLabel(QString(text).replace(QStringLiteral("- "), QStringLiteral("-\n")));
    l->setFixedWidth(100);
    return l;
}

QLabel* Wert(const char* name) {
    auto* l = new QLabel;
    l->setObjectName(QString::fromLatin1(name));
    QFont f = l->font();
    f.setBold(true);
    f.setPointSize(f.pointSize() + 2);
    l->setFont(f);
    l->setMinimumWidth(34);
    return l;
}

void Faerben(QLabel* anzeige, Zaehlerfarbe farbe) {
    QPalette p = anzeige->palette();
    switch (farbe) {
        case Zaehlerfarbe::Gruen: p.setColor(QPalette::Window, TFSystemwahl::Gruen); break;
        case Zaehlerfarbe::Hellrot: p.setColor(QPalette::Window, TFSystemwahl::Hellrot); break;
        case Zaehlerfarbe::Knopfflaeche: p.setColor(QPalette::Window, anzeige->style()->standardPalette().color(QPalette::Button)); break;
    }
    anzeige->setPalette(p);
}

void Melden(QWidget* fenster, const Meldung& m) {
    if (m.art == Meldung::Art::Information) Nachrichten().information(fenster, AlsMeldung(m.text));
    if (m.art == Meldung::Art::Fehler) Nachrichten().fehler(fenster, AlsMeldung(m.text));
}

const std::string Abbruch = std::string(Absatz) + "Ich breche erst einmal ab.";
}  // namespace

TFSystemwahl::TFSystemwahl(QWidget* eltern)
    : QMainWindow(eltern),
      zufall_(std::uint64_t(std::chrono::system_clock::now().time_since_epoch().count())) {
    setObjectName(QStringLiteral("FSystemwahl"));
    setWindowTitle(FensterTitel());
    reihen_ = new Tippreihenmodell(wahl_.zahlen.BankSet(), this);

    auto* flaeche = new QWidget(this);
    auto* haupt = new QHBoxLayout(flaeche);
    haupt->setContentsMargins(4, 4, 4, 4);
    haupt->addWidget(FilterAufbauen());

    PC1 = new QTabWidget;
    PC1->setObjectName(QStringLiteral("PC1"));
    Tab1 = ReihenseiteAufbauen();
    Tab1->setObjectName(QStringLiteral("Tab1"));
    Tab2 = new Systemtestseite;
    Tab2->setObjectName(QStringLiteral("Tab2"));
    PC1->addTab(Tab1, QStringLiteral("Tippreihen bilden"));
    PC1->addTab(Tab2, QStringLiteral("Tippreihen testen"));
    haupt->addWidget(PC1, 1);
    setCentralWidget(flaeche);

    Verbinden();
    // The program may end while the window is hidden and a test still runs.
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { Tab2->TestBeenden(); });
    FilterZeigen();
    BLoeschenClick();
    resize(std::max(ClientBreite, minimumSizeHint().width()), std::max(700, minimumSizeHint().height()));
}

TFSystemwahl::~TFSystemwahl() = default;

QWidget* TFSystemwahl::FilterAufbauen() {
    auto* seite = new QWidget;
    seite->setFixedWidth(370);
    auto* spalte = new QVBoxLayout(seite);
    spalte->setContentsMargins(0, 0, 0, 0);
    spalte->setSpacing(3);
    auto* titel = Text(QStringLiteral("Systeme-Filter"));
    QFont gross = titel->font();
    gross.setBold(true);
    gross.setPointSize(gross.pointSize() + 2);
    titel->setFont(gross);
    spalte->addWidget(titel);
    spalte->addWidget(Text(QStringLiteral("Mit Hilfe der hier wählbaren Parameter können Sie die Systeme nach Ihren "
                                          "Wünschen filtern.")));

    // One group: title, explanation, then caption, value, slider, "egal" and the extras.
    const auto gruppe = [&](const QString& name, const QString& erklaerung, const QString& wertname, QLabel* wert,
                            QSlider* schieber, QCheckBox* egal, std::initializer_list<QWidget*> extras) {
        auto* box = new QGroupBox(name);
        auto* g = new QGridLayout(box);
        g->setContentsMargins(6, 0, 6, 2);
        g->setVerticalSpacing(2);
        auto* e = Text(erklaerung);
        QFont klein = e->font();
        klein.setPointSize(klein.pointSize() - 1);
        e->setFont(klein);
        g->addWidget(e, 0, 0, 1, 4);
        g->addWidget(Wertname(wertname), 1, 0);
        g->addWidget(wert, 1, 1);
        g->addWidget(schieber, 1, 2);
        g->addWidget(egal, 1, 3);
        auto* zusatz = new QHBoxLayout;
        for (QWidget* w : extras) zusatz->addWidget(w);
        zusatz->addStretch();
        g->addLayout(zusatz, 2, 0, 1, 4);
        g->setColumnStretch(2, 1);
        spalte->addWidget(box);
    };

    Slider1 = Schieber("Slider1", Slider1Min, Slider1Max);
    LSlider1 = Wert("LSlider1");
    cb1 = Egal("cb1");
    gruppe(QStringLiteral("Größe Ihres Zahlenpools"),
           QStringLiteral("Geben Sie hier an, wie viel Zahlen Sie tippen wollen, einschließlich gegebenenfalls zu "
                          "spielender Bankzahlen."),
           QStringLiteral("Zahlenpool- größe:"), LSlider1, Slider1, cb1, {});

    Slider3 = Schieber("Slider3", 0, 6);
    LSlider3 = Wert("LSlider3");
    cb3 = Egal("cb3");
    Radio3 = {Wahlknopf(QStringLiteral("mindestens"), QStringLiteral("Radio3_0")),
              Wahlknopf(QStringLiteral("genau"), QStringLiteral("Radio3_1"))};
    BInfo3 = InfoKnopf("BInfo3", QStringLiteral("Die Skala für die Gewinngarantie ist durch die Größe der Tippreihe "
                                                "beschränkt worden."));
    gruppe(QStringLiteral("Gewinngarantie"),
           QStringLiteral("Bei X Übereinstimmungen von Gewinn- und Poolzahlen sind X Richtige garantiert."),
           QStringLiteral("Gewinngarantie:"), LSlider3, Slider3, cb3, {Radio3[0], Radio3[1], BInfo3});

    Slider4 = Schieber("Slider4", Slider4Min, VollsystemGrenze);
    LSlider4 = Wert("LSlider4");
    cb4 = Egal("cb4");
    BInfo4 = InfoKnopf("BInfo4", QString());
    LHinweis4 = Text(QStringLiteral("wurde mathematisch ermittelt, siehe \"i\""), false);
    LHinweis4->setObjectName(QStringLiteral("LHinweis4"));
    LHinweis4->hide();
    gruppe(QStringLiteral("Tippreihenanzahl"),
                      QStringLiteral("Geben Sie hier an, wie viel Tippreihen das System etwa, in Abhängigkeit von "
                                     "Ihrem Budget, umfassen soll."),
                      QStringLiteral("Tippreihen- anzahl:"), LSlider4, Slider4, cb4, {BInfo4, LHinweis4});

    Slider5 = Schieber("Slider5", 0, Slider5Max);
    LSlider5 = Wert("LSlider5");
    cb5 = Egal("cb5");
    Radio5 = {Wahlknopf(QStringLiteral("maximal"), QStringLiteral("Radio5_0")),
              Wahlknopf(QStringLiteral("genau"), QStringLiteral("Radio5_1"))};
    gruppe(QStringLiteral("Bankzahlen"), QStringLiteral("Bankzahlen sind Zahlen, die in jeder Tippreihe vertreten sind."),
           QStringLiteral("Bankzahlen:"), LSlider5, Slider5, cb5, {Radio5[0], Radio5[1]});

    auto* leiste = new QHBoxLayout;
    BFiltern = Knopf(QStringLiteral("Filtern"), "BFiltern");
    BFiltern->setIcon(style()->standardIcon(QStyle::SP_FileDialogContentsView));
    cbNur = new QCheckBox(QStringLiteral("nur Lottoschein- Systeme"));
    cbNur->setObjectName(QStringLiteral("cbNur"));
    BFilternEx = Knopf(QStringLiteral("Alles auf \"egal\""), "BFilternEx");
    leiste->addWidget(BFiltern);
    leiste->addWidget(BFilternEx);
    leiste->addStretch();
    spalte->addLayout(leiste);
    spalte->addWidget(cbNur);

    LSysAnz = Text(QStringLiteral("Gefilterte Systeme"), false);
    LSysAnz->setObjectName(QStringLiteral("LSysAnz"));
    LSysAnz->setFont(gross);
    spalte->addWidget(LSysAnz);
    auto* hinweis = new QHBoxLayout;
    Img1 = new QLabel;
    Img1->setObjectName(QStringLiteral("Img1"));
    Img1->setPixmap(style()->standardIcon(QStyle::SP_DialogApplyButton).pixmap(16, 16));
    Img1->hide();
    hinweis->addWidget(Text(QStringLiteral("Klicken Sie bitte in der Liste auf Ihr Wunschsystem")), 1);
    hinweis->addWidget(Img1);
    spalte->addLayout(hinweis);
    spalte->addWidget(Text(QStringLiteral("* = Lottoschein-Systeme")));
    l1 = new QListWidget;
    l1->setObjectName(QStringLiteral("l1"));
    l1->setMinimumHeight(80);
    spalte->addWidget(l1, 1);
    return seite;
}

QWidget* TFSystemwahl::ReihenseiteAufbauen() {
    auto* seite = new QWidget;
    auto* haupt = new QVBoxLayout(seite);
    haupt->setContentsMargins(6, 6, 6, 6);
    LSysBeschreibung = Text(QStringLiteral("Beschreibung des gewählten Systems"));
    LSysBeschreibung->setObjectName(QStringLiteral("LSysBeschreibung"));
    LSysBeschreibung->setFrameShape(QFrame::StyledPanel);
    LSysBeschreibung->setMinimumHeight(44);
    LSysBeschreibung->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    QFont fett = LSysBeschreibung->font();
    fett.setBold(true);
    LSysBeschreibung->setFont(fett);
    haupt->addWidget(LSysBeschreibung);

    auto* spalten = new QHBoxLayout;
    auto* links = new QVBoxLayout;
    links->addWidget(Text(QStringLiteral("Wählen Sie zunächst die wechselnden Tippzahlen, im Anschluss ggfs. die "
                                         "Bankzahl(en) .")));
    links->addWidget(Text(QStringLiteral("Oder bedienen Sie sich des Zufalls.")));
    auto* bedarf = new QHBoxLayout;
    PWZ = Anzeige("PWZ");
    PBZ2 = Anzeige("PBZ2");
    bedarf->addWidget(Text(QStringLiteral("Zu wählen:"), false));
    bedarf->addWidget(Text(QStringLiteral("Wahlzahlen:"), false));
    bedarf->addWidget(PWZ);
    bedarf->addWidget(Text(QStringLiteral("Bankzahlen:"), false));
    bedarf->addWidget(PBZ2);
    bedarf->addStretch();
    links->addLayout(bedarf);
    links->addWidget(Zahlenaufbauen());
    links->addWidget(PlattenBauen());
    links->addStretch();
    spalten->addLayout(links);

    auto* rechts = new QVBoxLayout;
    BTRBilden = Knopf(QStringLiteral("Tippreihen bilden"), "BTRBilden");
    bsSkinSpeedButton5 = Knopf(QStringLiteral("Verteilung anzeigen"), "bsSkinSpeedButton5");
    rechts->addWidget(BTRBilden);
    rechts->addWidget(bsSkinSpeedButton5);
    G1 = new QTableView;
    G1->setObjectName(QStringLiteral("G1"));
    G1->setModel(reihen_);
    G1->setItemDelegate(new Tippreihendelegat(*reihen_, G1));
    G1->verticalHeader()->hide();
    G1->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    G1->verticalHeader()->setDefaultSectionSize(18);
    G1->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    G1->horizontalHeader()->setDefaultSectionSize(34);
    G1->setColumnWidth(0, 38);
    G1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    G1->setSelectionMode(QAbstractItemView::NoSelection);
    G1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    G1->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    G1->setMinimumWidth(38 + 6 * 34 + 24);
    rechts->addWidget(G1, 1);
    Label9 = Text(QStringLiteral("Anzahl Tippreihen"), false);
    Label9->setObjectName(QStringLiteral("Label9"));
    rechts->addWidget(Label9);
    spalten->addLayout(rechts, 1);
    haupt->addLayout(spalten, 1);

    BSpeichern = Knopf(QStringLiteral("Als Spielschein s&peichern..."), "BSpeichern");
    bsSkinSpeedButton1 = Knopf(QStringLiteral("Zum Systemtest"), "bsSkinSpeedButton1");
    BCSV = Knopf(QStringLiteral("Im &CSV-Format speichern..."), "BCSV");
    BExcel = Knopf(QStringLiteral("Excel- Export"), "BExcel");
    bsSkinSpeedButton3 = Knopf(QStringLiteral("Sch&ließen"), "bsSkinSpeedButton3");
    for (QPushButton* k : {BSpeichern, BCSV, BExcel, bsSkinSpeedButton1, bsSkinSpeedButton3}) rechts->addWidget(k);
    LDatei = Text(QStringLiteral("Gespeichert in:"), false);
    LDatei->setObjectName(QStringLiteral("LDatei"));
    haupt->addWidget(LDatei);
    return seite;
}

QWidget* TFSystemwahl::Zahlenaufbauen() {
    auto* PZahlen = new QGroupBox;
    PZahlen->setObjectName(QStringLiteral("PZahlen"));
    auto* spalte = new QVBoxLayout(PZahlen);
    spalte->setContentsMargins(4, 4, 4, 4);
    auto* baelle = new QGridLayout;
    baelle->setSpacing(1);
    for (int n = 1; n <= MaxZahl; ++n) {
        lot[std::size_t(n)] = new TBLot(n, PZahlen);
        baelle->addWidget(lot[std::size_t(n)], (n - 1) / Spalten, (n - 1) % Spalten);
    }
    spalte->addLayout(baelle);

    auto* zeile = new QHBoxLayout;
    BZufall = Knopf(QStringLiteral("Zufalls- wahl"), "BZufall");
    BLoeschen = new QToolButton;
    BLoeschen->setObjectName(QStringLiteral("BLoeschen"));
    BLoeschen->setIcon(style()->standardIcon(QStyle::SP_DialogResetButton));
    BLoeschen->setToolTip(QStringLiteral("Alle gewählten Zahlen löschen"));
    PWZ2 = Anzeige("PWZ2", QStringLiteral("0"));
    PBZ3 = Anzeige("PBZ3", QStringLiteral("0"));
    zeile->addWidget(BZufall);
    zeile->addWidget(BLoeschen);
    zeile->addWidget(Text(QStringLiteral("WZ"), false));
    zeile->addWidget(PWZ2);
    zeile->addWidget(Text(QStringLiteral("BZ"), false));
    zeile->addWidget(PBZ3);
    zeile->addStretch();
    spalte->addLayout(zeile);

    auto* killer = new QHBoxLayout;
    cbKill = new QCheckBox(QStringLiteral("Quotenkiller ausschließen"));
    cbKill->setObjectName(QStringLiteral("cbKill"));
    Label23 = Knopf(QStringLiteral("(festlegen)"), "Label23");
    Label23->setFlat(true);
    Label23->setCursor(Qt::PointingHandCursor);
    Label23->setToolTip(QStringLiteral("Die Quotenkiller legen Sie im Fenster der Zufallstipps fest."));
    killer->addWidget(cbKill);
    killer->addWidget(Label23);
    killer->addStretch();
    spalte->addLayout(killer);
    return PZahlen;
}

QWidget* TFSystemwahl::PlattenBauen() {
    auto* P1 = new QGroupBox(QStringLiteral("Verteilung der Tippzahlen"));
    P1->setObjectName(QStringLiteral("P1"));
    auto* g = new QGridLayout(P1);
    g->setContentsMargins(4, 4, 4, 4);
    g->setHorizontalSpacing(1);
    g->setVerticalSpacing(1);
    for (int n = 1; n <= MaxZahl; ++n) {
        const int zeile = (n - 1) / Spalten, spalte = (n - 1) % Spalten;
        BStatNr[std::size_t(n)] = new TBVerteilNr(n, P1);
        BStatW[std::size_t(n)] = new TBVerteilW(n, P1);
        g->addWidget(BStatNr[std::size_t(n)], zeile, 3 * spalte);
        g->addWidget(BStatW[std::size_t(n)], zeile, 3 * spalte + 1);
        if (spalte < Spalten - 1) g->setColumnMinimumWidth(3 * spalte + 2, 5);
    }
    return P1;
}

void TFSystemwahl::Verbinden() {
    const auto schieber = [&](QSlider* s, void (TSystemfilter::*handler)(int)) {
        connect(s, &QSlider::valueChanged, this, [this, handler](int wert) {
            (wahl_.filter.*handler)(wert);
            FilterZeigen();
        });
    };
    schieber(Slider1, &TSystemfilter::Slider1Change);
    schieber(Slider3, &TSystemfilter::Slider3Change);
    schieber(Slider4, &TSystemfilter::Slider4Change);
    schieber(Slider5, &TSystemfilter::Slider5Change);
    const auto kasten = [&](QCheckBox* c, void (TSystemfilter::*handler)(bool)) {
        connect(c, &QCheckBox::clicked, this, [this, handler](bool an) {
            (wahl_.filter.*handler)(an);
            FilterZeigen();
        });
    };
    kasten(cb1, &TSystemfilter::cb1Click);
    kasten(cb3, &TSystemfilter::cb3Click);
    kasten(cb4, &TSystemfilter::cb4Click);
    kasten(cb5, &TSystemfilter::cb5Click);
    for (int i = 0; i < 2; ++i) {
        connect(Radio3[std::size_t(i)], &QRadioButton::clicked, this, [this, i] {
            wahl_.filter.Radio3Click(i);
            FilterZeigen();
        });
        connect(Radio5[std::size_t(i)], &QRadioButton::clicked, this, [this, i] {
            wahl_.filter.Radio5Click(i);
            FilterZeigen();
        });
    }
    connect(cbNur, &QCheckBox::clicked, this, [this](bool an) {
        wahl_.filter.cbNurClick(an);
        if (gezeigt_) BFilternClick();
    });
    connect(BFiltern, &QPushButton::clicked, this, &TFSystemwahl::BFilternClick);
    connect(BFilternEx, &QPushButton::clicked, this, [this] {
        wahl_.filter.BFilternExClick();
        FilterZeigen();
    });
    connect(BInfo3, &QToolButton::clicked, this, [this] {
        Nachrichten().information(this, QStringLiteral("Die Skala für die Gewinngarantie ist durch die Anzahl der "
                                                       "Bankzahlen beschränkt worden."));
    });
    connect(BInfo4, &QToolButton::clicked, this, [this] {
        Nachrichten().information(
            this, QStringLiteral("Sie haben sich durch die Wahl der vollen Gewinngarantie für ein Vollsystem - "
                                 "gegebenenfalls mit Bankzahlen - entschieden, dessen Tippreihenanzahl feststeht. Daher "
                                 "wurden die Wahlmöglichkeiten an dieser Stelle deaktiviert."));
    });
    connect(l1, &QListWidget::clicked, this, [this](const QModelIndex& i) { l1ListBoxClick(i.row()); });
    connect(l1, &QListWidget::activated, this, [this](const QModelIndex& i) { l1ListBoxClick(i.row()); });  // double click, Enter

    for (int n = 1; n <= MaxZahl; ++n)
        connect(lot[std::size_t(n)], &QToolButton::clicked, this, [this, n] { BLotUrClick(n); });
    connect(BZufall, &QPushButton::clicked, this, &TFSystemwahl::BZufallClick);
    connect(BLoeschen, &QToolButton::clicked, this, &TFSystemwahl::BLoeschenClick);
    connect(Label23, &QPushButton::clicked, this, [] { Fensterverwaltung::Instanz().oeffne(Ziel::Zufall); });
    connect(BTRBilden, &QPushButton::clicked, this, &TFSystemwahl::BTRBildenClick);
    connect(bsSkinSpeedButton5, &QPushButton::clicked, this, &TFSystemwahl::VerteilungClick);
    connect(BSpeichern, &QPushButton::clicked, this, &TFSystemwahl::BSpeichernClick);
    connect(BCSV, &QPushButton::clicked, this, &TFSystemwahl::BCSVClick);
    connect(BExcel, &QPushButton::clicked, this, &TFSystemwahl::BExcelClick);
    connect(bsSkinSpeedButton3, &QPushButton::clicked, this, &QWidget::close);
    connect(bsSkinSpeedButton1, &QPushButton::clicked, this, [this] {
        Tab2->PC1Change();
        PC1->setCurrentWidget(Tab2);
    });
    connect(PC1, &QTabWidget::currentChanged, this, [this] { Tab2->PC1Change(); });
    connect(Tab2, &Systemtestseite::zurueck, this, [this] { PC1->setCurrentWidget(Tab1); });
}

// The controls show the filter's state; setting them here triggers no handler.
void TFSystemwahl::FilterZeigen() {
    const TSystemfilter& f = wahl_.filter;
    const Filterstand& s = f.stand();
    for (QWidget* w : std::initializer_list<QWidget*>{Slider1, Slider3, Slider4, Slider5, cb1, cb3, cb4, cb5, cbNur,
                                                      Radio3[0], Radio3[1], Radio5[0], Radio5[1]})
        w->blockSignals(true);
    Slider3->setMaximum(s.Slider3Max);
    Slider4->setMaximum(s.Slider4Max);
    Slider1->setValue(s.Slider1);
    Slider3->setValue(s.Slider3);
    Slider4->setValue(s.Slider4);
    Slider5->setValue(s.Slider5);
    Radio3[std::size_t(s.Radio3)]->setChecked(true);
    Radio5[std::size_t(s.Radio5)]->setChecked(true);
    cb1->setChecked(s.cb1);
    cb3->setChecked(s.cb3);
    cb4->setChecked(s.cb4);
    cb5->setChecked(s.cb5);
    cbNur->setChecked(s.cbNur);
    for (QWidget* w : std::initializer_list<QWidget*>{Slider1, Slider3, Slider4, Slider5, cb1, cb3, cb4, cb5, cbNur,
                                                      Radio3[0], Radio3[1], Radio5[0], Radio5[1]})
        w->blockSignals(false);
    LSlider1->setText(AlsQString(f.LSlider1()));
    LSlider3->setText(AlsQString(f.LSlider3()));
    LSlider4->setText(AlsQString(f.LSlider4()));
    LSlider5->setText(AlsQString(f.LSlider5()));
    BInfo3->setVisible(f.BInfo3Sichtbar());
    BInfo4->setVisible(f.BInfo4Sichtbar());
    LHinweis4->setVisible(!f.Slider4Sichtbar());
    Slider4->setVisible(f.Slider4Sichtbar());
    cb4->setVisible(f.Slider4Sichtbar());
}

void TFSystemwahl::BFilternClick() {
    Img1->hide();
    l1->clear();
    l1->hide();
    const Systemliste liste = wahl_.BFilternClick();
    FilterZeigen();
    QStringList zeilen;
    zeilen.reserve(qsizetype(liste.zeilen.size()));
    for (const auto& z : liste.zeilen) zeilen << AlsQString(z);
    l1->addItems(zeilen);
    l1->show();
    LSysAnz->setText(AlsQString(liste.LSysAnz));
}

void TFSystemwahl::l1ListBoxClick(int zeile) {
    const Systemauswahl a = wahl_.l1ListBoxClick(zeile);
    switch (a.folge) {
        case Systemauswahl::Folge::Meldung: Nachrichten().information(this, AlsMeldung(a.meldung)); return;
        case Systemauswahl::Folge::Nichts: return;
        case Systemauswahl::Folge::Img1Verbergen: Img1->hide(); return;
        case Systemauswahl::Folge::Gewaehlt: break;
    }
    const int index = wahl_.AktSystem();
    const TSysteme& e = SystemKatalog()[std::size_t(index)];
    PWZ->setText(QString::number(e.WZ));
    PBZ2->setText(QString::number(e.bankzahlen()));
    Img1->show();
    LSysBeschreibung->setText(AlsMeldung(SystemBeschreibung(index)));
    ZaehlerZeigen(true);
    Tab2->setzeSystem(index);
    PC1->setCurrentWidget(Tab1);
}

void TFSystemwahl::ZaehlerZeigen(bool nachSystemwahl) {
    const TZahlenwahl& z = wahl_.zahlen;
    PWZ2->setText(QString::number(z.WahlAnz()));
    PBZ3->setText(QString::number(z.BankAnz()));
    Faerben(PWZ2, z.WahlFarbe(nachSystemwahl));
    Faerben(PBZ3, z.BankFarbe(nachSystemwahl));
}

void TFSystemwahl::BallsZeigen() {
    for (int n = 1; n <= MaxZahl; ++n) lot[std::size_t(n)]->setzeAussehen(wahl_.zahlen.Aussehen(n));
    reihen_->bankzahlenGeaendert();
}

void TFSystemwahl::PlattenLeeren() {
    for (int n = 1; n <= MaxZahl; ++n) BStatW[std::size_t(n)]->setzen(0, Zahlaussehen::Normal);
}

void TFSystemwahl::BLotUrClick(int zahl) {
    const Meldung m = wahl_.zahlen.Klick(zahl);
    if (m.vorhanden()) {
        Melden(this, m);  // refused: nothing changed
        return;
    }
    BallsZeigen();
    ZaehlerZeigen(false);
}

void TFSystemwahl::BZufallClick() {
    const Meldung m = wahl_.zahlen.Zufall(cbKill->isChecked(), KillerMenge(), zufall_);
    Melden(this, m);
    // Only its refusals are information: then nothing changed. A choice cleared everything first.
    if (m.art == Meldung::Art::Information) return;
    PlattenLeeren();
    BallsZeigen();
    ZaehlerZeigen(false);
}

void TFSystemwahl::BLoeschenClick() {
    wahl_.zahlen.Loeschen();
    BallsZeigen();
    ZaehlerZeigen(false);
    Faerben(PWZ2, Zaehlerfarbe::Knopfflaeche);
    Faerben(PBZ3, Zaehlerfarbe::Knopfflaeche);
    PlattenLeeren();
}

void TFSystemwahl::BTRBildenClick() { Anwenden(true); }
void TFSystemwahl::VerteilungClick() { Anwenden(false); }

void TFSystemwahl::Anwenden(bool reihenBilden) {
    TSystemAnwendung a =
        SystemAnwenden(wahl_.AktSystem(), wahl_.zahlen.WahlSet(), wahl_.zahlen.BankSet(), reihenBilden);
    if (!a.gelungen()) {
        Nachrichten().information(this, AlsMeldung(a.ablehnung));
        return;
    }
    if (reihenBilden) {
        reihen_->setzeReihen(std::move(a.reihen));
        Label9->setText(QStringLiteral("%1 Tippreihen").arg(reihen_->rowCount()));
    }
    for (int n = 1; n <= MaxZahl; ++n) BStatW[std::size_t(n)]->setzen(a.ENr[std::size_t(n)], a.aussehen[std::size_t(n)]);
}

void TFSystemwahl::BSpeichernClick() { Speichern(false); }
void TFSystemwahl::BCSVClick() { Speichern(true); }

void TFSystemwahl::Speichern(bool alsCsv) {
    if (reihen_->rowCount() == 0) {
        Nachrichten().information(this, AlsMeldung("Es gibt nichts zu speichern." + Abbruch));
        return;
    }
    Dateifrage frage = alsCsv ? Dateifrage{QStringLiteral("Als CSV-Datei speichern..."),
                                           QString::fromStdString(DatenPfad().string()),
                                           {QStringLiteral("CSV-Datei (*.csv)")}, 1, QStringLiteral("csv")}
                              : Dateifrage{QStringLiteral("Als Spielschein speichern..."),
                                           QString::fromStdString(DatenPfad().string()),
                                           {QStringLiteral("Spielschein-Datei (*.nqtr)")}, 1, QStringLiteral("nqtr")};
    const QString name = Dateidialoge().speichern(this, frage);
    if (name.isEmpty()) return;
    std::filesystem::path datei(name.toStdString());
    if (!datei.has_extension()) datei.replace_extension(frage.endung.toStdString());
    try {
        ReihenSpeichern(reihen_->tabelle(), datei);
        LDatei->setText(QStringLiteral("Gespeichert in: ") + QString::fromStdString(DateiName(datei)));
    } catch (const DateiFehler& e) {
        Nachrichten().fehler(this, AlsMeldung(e.what()));
    }
}

void TFSystemwahl::BExcelClick() {
    if (reihen_->rowCount() == 0) {
        Nachrichten().information(this, AlsMeldung("Es gibt nichts zu exportieren." + Abbruch));
        return;
    }
    TabelleExportieren(this, reihen_->tabelle(), QStringLiteral("Tippreihen aus System"));
}

void TFSystemwahl::showEvent(QShowEvent* ereignis) {
    QMainWindow::showEvent(ereignis);
    if (ereignis->spontaneous()) return;
    EinstellungenLesen();
    Label23->setEnabled(Fensterverwaltung::Instanz().verfuegbar(Ziel::Zufall));
    gezeigt_ = true;
}

void TFSystemwahl::closeEvent(QCloseEvent* ereignis) {
    Tab2->TestBeenden();
    EinstellungenSchreiben();
    QMainWindow::closeEvent(ereignis);
}

void TFSystemwahl::EinstellungenLesen() {
    if (!Einstellungen::DateiVorhanden()) return;
    try {
        const Einstellungen ini;
        wahl_.filter.Lesen(ini);
        cbKill->setChecked(ini.leseSchalter("Zufall", "QKraus", false));
    } catch (const DateiFehler& e) {
        Nachrichten().fehler(this, AlsMeldung(e.what()));
    }
    FilterZeigen();
}

void TFSystemwahl::EinstellungenSchreiben() {
    try {
        Einstellungen ini;
        wahl_.filter.Schreiben(ini);
        ini.schreibeSchalter("Zufall", "QKraus", cbKill->isChecked());
    } catch (const DateiFehler& e) {
        Nachrichten().fehler(this, AlsMeldung(std::string(e.what()) + std::string(Absatz) +
                                              "Die Filtereinstellungen konnten nicht gespeichert werden."));
    }
}

}  // namespace quintaro
