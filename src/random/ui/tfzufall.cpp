#include "random/ui/tfzufall.h"
#include "app/ui/bausteine.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>
#include <memory>

#include "app/ui/dateidialoge.h"
#include "app/tabellenmappe.h"
#include "app/ui/nachrichten.h"
#include "app/ui/tabellendienst.h"
#include "app/ui/texte.h"
#include "core/datei.h"
#include "core/datenpfad.h"
#include "core/einstellungen.h"
#include "core/fehler.h"
#include "core/formatierung.h"
#include "random/ui/zufallsbausteine.h"
#include "statistics/ui/statistik_bausteine.h"

namespace quintaro {

namespace {

constexpr const char* Sektion = "Zufall";
constexpr std::array<const char*, 4> RollenSchluessel = {"", "Bankzahlen", "Quotenkiller", "Favoriten"};
constexpr std::array<const char*, 4> RollenTitel = {"", "Bankzahlen", "Quotenkiller", "Favoriten"};

// Distribution plates: 7 slots a row, the count plate directly below its number
// plate and wide enough for the seven digits of a banker number's count.
constexpr int PlattenBreite = 52, PlattenHoehe = 18, Luecke = 4, PlattenSpalten = 7;
constexpr int SlotHoehe = 2 * PlattenHoehe + 1 + Luecke;
constexpr int PlattenZeilen = (MaxZahl + PlattenSpalten - 1) / PlattenSpalten;
constexpr int PlattenflaecheBreite = PlattenSpalten * (PlattenBreite + Luecke) + Luecke;
constexpr int PlattenflaecheHoehe = PlattenZeilen * SlotHoehe + Luecke;

const std::string LeereTabelleSpeichern = "Die Tabelle ist leer. Es gibt nichts zu speichern." + std::string(Absatz) +
                                          "Ich breche erst einmal ab.";
const std::string LeereTabelleExportieren = "Die Tabelle ist leer. Es gibt nichts zu exportieren." +
                                            std::string(Absatz) + "Ich breche erst einmal ab.";


Dateifrage Speicherfrage(const QString& titel, const QString& filter, const QString& endung) {
    return {titel, QString::fromStdString(DatenPfad().string()), {filter}, 1, endung};
}

// A wrapped label with room for a number of lines. Without this the window's
// layout would trade height for width and, made small, let the panels overlap.
void OhneHoeheFuerBreite(QLabel* label, int zeilen) {
    label->setWordWrap(true);
    QSizePolicy politik = label->sizePolicy();
    politik.setHeightForWidth(false);
    label->setSizePolicy(politik);
    label->setMinimumHeight(zeilen * label->fontMetrics().lineSpacing());
}

std::array<int, MaxZahl> Natuerlich() { return Verteilungsfolge({}, false); }

}  // namespace

TFZufall::TFZufall(QWidget* eltern) : QMainWindow(eltern), modell_(new TZufallsModell(rollen_, this)) {
    setObjectName(QStringLiteral("FZufall"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(FensterTitel());

    auto* flaeche = new QWidget(this);
    auto* haupt = new QGridLayout(flaeche);
    haupt->setContentsMargins(6, 4, 6, 6);
    auto* titel = new QLabel(QStringLiteral("Der manipulierbare Lottozahlen-Zufallsgenerator"), flaeche);
    QFont gross = titel->font();
    gross.setBold(true);
    gross.setPointSize(gross.pointSize() + 3);
    titel->setFont(gross);
    haupt->addWidget(titel, 0, 0, 1, 4);

    for (int a = 1; a <= 3; ++a) haupt->addWidget(TafelBauen(a), 1, a - 1);
    PlattenBauen();
    haupt->addWidget(PVert, 1, 3);

    // Row count panel.
    auto* anzahl = new QGroupBox(QStringLiteral("Tippreihenanzahl"), flaeche);
    auto* anzahlLayout = new QGridLayout(anzahl);
    auto* anzahlText = new QLabel(QStringLiteral("Gewünschte An-\nzahl Tippreihen:"), anzahl);
    EAnz = new QLineEdit(anzahl);
    EAnz->setObjectName(QStringLiteral("EAnz"));
    EAnz->setMaximumWidth(90);
    anzahlLayout->addWidget(anzahlText, 0, 0);
    anzahlLayout->addWidget(EAnz, 0, 1);
    BStart = Knopf(QStringLiteral("Viel Glück!"), "BStart", anzahl);
    QFont fett = BStart->font();
    fett.setBold(true);
    BStart->setFont(fett);
    anzahlLayout->addWidget(BStart, 1, 0, 1, 2);
    auto* hinweis = new QLabel(QStringLiteral("Geben Sie die gewünschte Anzahl Tippreihen ein, wählen Sie ggfs. "
                                              "Bankzahlen, Quotenkiller und Favoriten, dann \"Viel Glück\"!"),
                               anzahl);
    OhneHoeheFuerBreite(hinweis, 5);
    anzahlLayout->addWidget(hinweis, 2, 0, 1, 2);
    Gauge = new QProgressBar(anzahl);
    Gauge->setObjectName(QStringLiteral("Gauge"));
    Gauge->setValue(0);
    anzahlLayout->addWidget(Gauge, 3, 0, 1, 2);
    BStopp = Knopf(QStringLiteral("Anhalten"), "BStopp", anzahl);
    BStopp->setToolTip(QStringLiteral("Die Erzeugung anhalten und die bisher gebildeten Tippreihen zeigen"));
    BStopp->setEnabled(false);
    anzahlLayout->addWidget(BStopp, 4, 0, 1, 2);
    anzahlLayout->setRowStretch(5, 1);
    haupt->addWidget(anzahl, 2, 0);

    // Result panel.
    auto* ergebnis = new QGroupBox(flaeche);
    auto* ergebnisLayout = new QGridLayout(ergebnis);
    LReihen = new QLabel(QStringLiteral("Zufallsreihen"), ergebnis);
    LReihen->setObjectName(QStringLiteral("LReihen"));
    LReihen->setFont(fett);
    ergebnisLayout->addWidget(LReihen, 0, 0);
    GZuf = new QTableView(ergebnis);
    GZuf->setObjectName(QStringLiteral("GZuf"));
    GZuf->setModel(modell_);
    GZuf->verticalHeader()->hide();
    GZuf->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);  // hundreds of thousands of rows
    GZuf->verticalHeader()->setDefaultSectionSize(18);
    GZuf->horizontalHeader()->setSectionResizeMode(QHeaderView::Stretch);
    GZuf->horizontalHeader()->setMinimumSectionSize(34);
    GZuf->setEditTriggers(QAbstractItemView::NoEditTriggers);
    GZuf->setSelectionMode(QAbstractItemView::NoSelection);
    GZuf->setMinimumWidth(48 + 6 * 34 + 24);
    ergebnisLayout->addWidget(GZuf, 1, 0, 6, 1);
    BSave = Knopf(QStringLiteral("Als Spielschein s&peichern"), "BSave", ergebnis);
    BCSV = Knopf(QStringLiteral("Im &CSV-Format speichern..."), "BCSV", ergebnis);
    BExcel = Knopf(QStringLiteral("Excel-Export"), "BExcel", ergebnis);
    ergebnisLayout->addWidget(BSave, 1, 1);
    ergebnisLayout->addWidget(BCSV, 2, 1);
    ergebnisLayout->addWidget(BExcel, 3, 1);
    LDatei = new QLabel(ergebnis);
    LDatei->setObjectName(QStringLiteral("LDatei"));
    OhneHoeheFuerBreite(LDatei, 2);
    ergebnisLayout->addWidget(LDatei, 4, 1);
    ergebnisLayout->setRowStretch(5, 1);
    BClose = Knopf(QStringLiteral("Sch&ließen"), "BClose", ergebnis);
    ergebnisLayout->addWidget(BClose, 6, 1);
    ergebnisLayout->setColumnStretch(0, 1);
    haupt->addWidget(ergebnis, 2, 1, 1, 3);
    haupt->setRowStretch(2, 1);
    setCentralWidget(flaeche);
    resize(sizeHint().width(), 700);

    connect(EAnz, &QLineEdit::returnPressed, this, &TFZufall::BStartClick);
    connect(BStart, &QPushButton::clicked, this, &TFZufall::BStartClick);
    connect(BStopp, &QPushButton::clicked, this, [this] { stopp_ = true; });
    connect(BAuf, &QPushButton::clicked, this, &TFZufall::BAufClick);
    connect(BSave, &QPushButton::clicked, this, [this] {
        Speichern(Speicherfrage(QStringLiteral("Als Spielschein speichern..."), QStringLiteral("Spielschein-Datei (*.nqtr)"),
                                QStringLiteral("nqtr")));
    });
    connect(BCSV, &QPushButton::clicked, this, [this] {
        Speichern(Speicherfrage(QStringLiteral("Als CSV-Datei speichern..."), QStringLiteral("CSV-Datei (*.csv)"),
                                QStringLiteral("csv")));
    });
    connect(BExcel, &QPushButton::clicked, this, &TFZufall::BExcelClick);
    connect(BClose, &QPushButton::clicked, this, &QWidget::close);

    EinstellungenLesen();
}

TFZufall::~TFZufall() { LaufBeenden(); }

QGroupBox* TFZufall::TafelBauen(int a) {
    auto* panel = new QGroupBox(QString::fromLatin1(RollenTitel[std::size_t(a)]));
    panel->setObjectName(QStringLiteral("P") + QString::number(a));
    auto* layout = new QGridLayout(panel);
    layout->setSpacing(2);
    for (int n = 1; n <= MaxZahl; ++n) {
        auto* knopf = new TBZufall(n, a, panel);
        BZuf[std::size_t(a)][std::size_t(n)] = knopf;
        layout->addWidget(knopf, (n - 1) / 6, (n - 1) % 6);
        connect(knopf, &QToolButton::clicked, this, [this, knopf] { BLotUrClick(knopf); });
    }
    BDel[std::size_t(a)] = Knopf(QStringLiteral("Alle entfernen"), "", panel);
    BDel[std::size_t(a)]->setObjectName(QStringLiteral("BDel") + QString::number(a));
    BDel[std::size_t(a)]->setToolTip(QStringLiteral("Alle %1 dieses Feldes wieder freigeben")
                                         .arg(QString::fromLatin1(RollenTitel[std::size_t(a)])));
    layout->addWidget(BDel[std::size_t(a)], 8, 0, 1, 6);
    connect(BDel[std::size_t(a)], &QPushButton::clicked, this, [this, a] {
        rollen_.Leeren(Rolle(a));
        for (int n = 1; n <= MaxZahl; ++n) ZahlZeigen(n);
        modell_->rollenGeaendert();
    });
    P[std::size_t(a)] = panel;
    return panel;
}

void TFZufall::PlattenBauen() {
    PVert = new QGroupBox(QStringLiteral("Verteilung der Tippzahlen"));
    PVert->setObjectName(QStringLiteral("PVert"));
    auto* layout = new QVBoxLayout(PVert);
    auto* platten = new QWidget(PVert);
    platten->setFixedSize(PlattenflaecheBreite, PlattenflaecheHoehe);
    for (int n = 1; n <= MaxZahl; ++n) {
        const int zeile = (n - 1) / PlattenSpalten, spalte = (n - 1) % PlattenSpalten;
        ENrEcke[std::size_t(n)] = QPoint(Luecke + spalte * (PlattenBreite + Luecke), Luecke + zeile * SlotHoehe);
        BStatNr[std::size_t(n)] = new TBStatNr(n, platten);
        BStatNr[std::size_t(n)]->setObjectName(QStringLiteral("BStatNr") + QString::number(n));
        BStatNr[std::size_t(n)]->setGeometry(QRect(ENrEcke[std::size_t(n)], QSize(PlattenBreite, PlattenHoehe)));
        BStatW[std::size_t(n)] = new TBStatW(n, platten);
        BStatW[std::size_t(n)]->setObjectName(QStringLiteral("BStatW") + QString::number(n));
        BStatW[std::size_t(n)]->resize(PlattenBreite, PlattenHoehe);
        BStatW[std::size_t(n)]->setAutoFillBackground(true);
    }
    layout->addWidget(platten);
    BAuf = Knopf(QStringLiteral("Aufsteigend sortieren"), "BAuf", PVert);
    layout->addWidget(BAuf, 0, Qt::AlignRight);
    layout->addStretch();
    anordnung_ = Natuerlich();
    PlattenAnordnen();
    PlattenZeigen();
}

void TFZufall::EinstellungenLesen() {
    if (!Einstellungen::DateiVorhanden()) return;
    const Einstellungen e;
    const std::string anzahl = e.leseText(Sektion, "Anzahl", "12");
    EAnz->setText(anzahl.empty() ? QStringLiteral("12") : QString::fromStdString(anzahl));
    for (int a = 1; a <= 3; ++a) rollen_.Einlesen(Rolle(a), e.leseText(Sektion, RollenSchluessel[std::size_t(a)], ""));
    for (int n = 1; n <= MaxZahl; ++n) ZahlZeigen(n);
}

void TFZufall::EinstellungenSchreiben() const {
    Einstellungen e;
    e.schreibeText(Sektion, "Anzahl", EAnz->text().toStdString());
    for (int a = 1; a <= 3; ++a) e.schreibeText(Sektion, RollenSchluessel[std::size_t(a)], rollen_.AlsText(Rolle(a)));
}

void TFZufall::closeEvent(QCloseEvent* ereignis) {
    LaufBeenden();
    try {
        EinstellungenSchreiben();
    } catch (const DateiFehler& e) {
        Nachrichten().fehler(this, AlsMeldung(e.what()));
    }
    QMainWindow::closeEvent(ereignis);
}

void TFZufall::BLotUrClick(TBZufall* knopf) { BLotAuswerten(knopf->Tag); }

void TFZufall::BLotAuswerten(int code) {
    if (laeuft_) return;
    const TRollenwechsel u = rollen_.BLotAuswerten(code);
    if (u.art == TRollenwechsel::Art::Abgelehnt) Nachrichten().fehler(this, AlsMeldung(u.meldung));
    if (u.art != TRollenwechsel::Art::Gesetzt && u.art != TRollenwechsel::Art::Entfernt) return;
    ZahlZeigen(code % 100);
    modell_->rollenGeaendert();
}

// The look of n's three buttons; only the panel of its role shows it while it has one.
void TFZufall::ZahlZeigen(int n) {
    const std::optional<Rolle> rolle = rollen_.RolleVon(n);
    for (int a = 1; a <= 3; ++a) {
        TBZufall* knopf = BZuf[std::size_t(a)][std::size_t(n)];
        const bool eigene = rolle == Rolle(a);
        knopf->setzeAussehen(eigene ? rolle : std::nullopt);
        knopf->setVisible(!rolle || eigene);
    }
}

void TFZufall::BStartClick() {
    if (laeuft_) return;
    const TRollenstand stand = rollen_.Stand();
    const TAnforderung anforderung = AnzahlPruefen(EAnz->text().toStdString(), stand);
    if (!anforderung.gueltig()) {
        Nachrichten().fehler(this, AlsMeldung(anforderung.fehler));
        PlattenZeigen();
        return;
    }
    modell_->setzeReihen(nullptr);
    ergebnis_ = {};
    LReihen->setText(QStringLiteral("Zufallsreihen"));
    Gauge->setMaximum(anforderung.anzahl);
    Gauge->setValue(0);
    Sperren(true);
    stopp_ = false;
    const int anzahl = anforderung.anzahl;
    lauf_ = std::thread([this, stand, anzahl] {
        auto ergebnis = std::make_shared<TZufallsergebnis>(ZufallszahlenErmitteln(
            stand, anzahl, generator_, std::nullopt, &stopp_, [balken = Gauge](int angenommen) {
                QMetaObject::invokeMethod(balken, [balken, angenommen] { balken->setValue(angenommen); },
                                          Qt::QueuedConnection);
            }));
        QMetaObject::invokeMethod(this, [this, ergebnis] { LaufFertig(std::move(*ergebnis)); }, Qt::QueuedConnection);
    });
}

void TFZufall::LaufFertig(TZufallsergebnis ergebnis) {
    LaufBeenden();
    Sperren(false);
    ergebnis_ = std::move(ergebnis);
    modell_->setzeReihen(&ergebnis_.Zufreihen);
    const int angenommen = int(ergebnis_.Zufreihen.size());
    if (ergebnis_.abgebrochen())
        LReihen->setText(QStringLiteral("%1 von %2 Zufallsreihen (angehalten)").arg(angenommen).arg(ergebnis_.ZufReihenAnz));
    else
        LReihen->setText(QString::number(ergebnis_.ZufReihenAnz) + QStringLiteral(" Zufallsreihen"));
    PlattenZeigen();
}

// Stops a running generation and waits for its thread; its last reports may
// still be queued and then find nothing to do.
void TFZufall::LaufBeenden() {
    stopp_ = true;
    if (lauf_.joinable()) lauf_.join();
    laeuft_ = false;
}

void TFZufall::Sperren(bool gesperrt) {
    laeuft_ = gesperrt;
    for (int a = 1; a <= 3; ++a) P[std::size_t(a)]->setEnabled(!gesperrt);
    for (QWidget* w : std::initializer_list<QWidget*>{EAnz, BStart, BSave, BCSV, BExcel, BAuf}) w->setEnabled(!gesperrt);
    BStopp->setEnabled(gesperrt);
}

void TFZufall::PlattenZeigen() {
    const QColor flaeche = palette().color(QPalette::Button);
    for (int n = 1; n <= MaxZahl; ++n) {
        TBStatW* w = BStatW[std::size_t(n)];
        w->setText(QString::number(ergebnis_.NrCount[std::size_t(n)]));
        QPalette farben = w->palette();
        const std::optional<Rolle> rolle = rollen_.RolleVon(n);
        farben.setColor(QPalette::Window, rolle == Rolle::Bank      ? BankPlattenFarbe
                                          : rolle == Rolle::Favorit ? FavoritPlattenFarbe
                                                                    : flaeche);
        w->setPalette(farben);
    }
}

void TFZufall::PlattenAnordnen() {
    for (int slot = 1; slot <= MaxZahl; ++slot) {
        const int n = anordnung_[std::size_t(slot - 1)];
        BStatNr[std::size_t(slot)]->setText(QString::number(n));
        BStatW[std::size_t(n)]->move(ENrEcke[std::size_t(slot)] + QPoint(0, PlattenHoehe + 1));
    }
}

void TFZufall::BAufClick() {
    sortiert_ = !sortiert_;
    anordnung_ = Verteilungsfolge(ergebnis_.NrCount, sortiert_);
    PlattenAnordnen();
    BAuf->setText(sortiert_ ? QStringLiteral("Von 1 - 45 sortieren") : QStringLiteral("Aufsteigend sortieren"));
}

void TFZufall::Speichern(Dateifrage frage) {
    if (ergebnis_.Zufreihen.empty()) {
        Nachrichten().fehler(this, AlsMeldung(LeereTabelleSpeichern));
        return;
    }
    const QString name = Dateidialoge().speichern(this, frage);
    if (name.isEmpty()) return;
    std::filesystem::path datei(name.toStdString());
    if (!datei.has_extension()) datei.replace_extension(frage.endung.toStdString());
    try {
        ZufallsreihenSpeichern(ergebnis_.Zufreihen, datei);
        LDatei->setText(QStringLiteral("Gespeichert in: ") + QString::fromStdString(DateiName(datei)));
    } catch (const DateiFehler& e) {
        Nachrichten().fehler(this, AlsMeldung(e.what()));
    }
}

void TFZufall::BExcelClick() {
    if (ergebnis_.Zufreihen.empty()) {
        Nachrichten().fehler(this, AlsMeldung(LeereTabelleExportieren));
        return;
    }
    // Refused before the rows become a grid of texts, which for millions of rows would take gigabytes.
    if (ergebnis_.Zufreihen.size() > std::size_t(MaxBlattZeilen)) {
        Nachrichten().fehler(this, AlsMeldung("Ein Tabellenblatt fasst höchstens " + ZahlMitTausendern(MaxBlattZeilen) +
                                              " Zeilen." + std::string(Absatz) + "Ich breche erst einmal ab."));
        return;
    }
    TabelleExportieren(this, AlsTippTabelle(ergebnis_.Zufreihen), QStringLiteral("Tippreihen"));
}

}  // namespace quintaro
