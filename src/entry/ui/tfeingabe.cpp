#include "entry/ui/tfeingabe.h"
#include "app/ui/bausteine.h"

#include <QButtonGroup>
#include <QCloseEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTextBlock>
#include <QVBoxLayout>

#include "app/ui/dateidialoge.h"
#include "app/ui/nachrichten.h"
#include "app/ui/tabellendienst.h"
#include "app/ui/texte.h"
#include "core/datei.h"
#include "core/datenpfad.h"
#include "core/fehler.h"
#include "entry/eingabeoptionen.h"
#include "entry/scheineinlesen.h"
#include "entry/textfeld.h"
#include "evaluation/ui/tabellenmodelle.h"

namespace quintaro {

namespace {
constexpr int kAnfangsZeilen = 50;
constexpr int kKnopfBreite = 44;
constexpr int kKnopfHoehe = 28;

TippTabelle LeereTabelle() {
    TippTabelle t;
    ReihenKopf(t);
    t.resize(kAnfangsZeilen + 1, std::vector<std::string>(TippSpalten));
    return t;
}


QLabel* Beschriftung(const QString& text, bool umbrechen = false) {
    auto* l = new QLabel(text);
    l->setWordWrap(umbrechen);
    return l;
}

// The text as typed: the raw text keeps the no-break spaces that the plain
// text would turn into blanks; paragraph ends become line feeds.
std::string Feldtext(const QPlainTextEdit* feld) {
    QString text = feld->document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QLatin1Char('\n')).replace(QChar::LineSeparator, QLatin1Char('\n'));
    return text.toStdString();
}

QString Pfadtext(const std::filesystem::path& pfad) { return QString::fromStdString(pfad.string()); }

std::filesystem::path MitEndung(const QString& name, const char* endung) {
    std::filesystem::path datei(name.toStdString());
    if (!datei.has_extension()) datei += endung;
    return datei;
}

Leerzeichenantwort AlsAntwort(Nachrichtendienst::Antwort a) {
    switch (a) {
        case Nachrichtendienst::Antwort::Ja: return Leerzeichenantwort::Ja;
        case Nachrichtendienst::Antwort::Nein: return Leerzeichenantwort::Nein;
        case Nachrichtendienst::Antwort::Abbrechen: break;
    }
    return Leerzeichenantwort::Abbrechen;
}
}  // namespace

TBZahl2::TBZahl2(int zahl, QWidget* eltern) : QPushButton(QString::number(zahl), eltern), zahl_(zahl) {
    setObjectName(QStringLiteral("lotE%1").arg(zahl));
    setFixedSize(kKnopfBreite, kKnopfHoehe);
    QFont f = font();
    f.setBold(true);
    f.setPointSize(8);
    setFont(f);
    setFocusPolicy(Qt::NoFocus);
}

TFEingabe::TFEingabe(QWidget* eltern)
    : QMainWindow(eltern), reihenModell_(new ReihenModell(this)), dateiModell_(new ReihenModell(this)) {
    setObjectName(QStringLiteral("FEingabe"));
    setWindowTitle(FensterTitel());
    reihenModell_->setzeReihen(LeereTabelle());
    dateiModell_->setzeReihen(LeereTabelle());

    auto* flaeche = new QWidget(this);
    auto* haupt = new QVBoxLayout(flaeche);
    haupt->setContentsMargins(5, 4, 5, 4);
    Label1 = Beschriftung(QStringLiteral("Ihre Tippzahlen können Sie manuell  in nachstehendes Textfeld eingeben oder "
                                         "importieren. Auch eine existierende Spielscheindatei kann eingelesen werden."),
                          true);
    Label1->setObjectName(QStringLiteral("Label1"));
    haupt->addWidget(Label1);

    PC1 = new QTabWidget;
    PC1->setObjectName(QStringLiteral("PC1"));
    PC1->addTab(manuelleEingabe(), QStringLiteral("Manuelle Eingabe"));
    PC1->addTab(dateiEinlesen(), QStringLiteral("Datei einlesen"));
    PC1->setMinimumWidth(6 * kKnopfBreite + 18 + 24);

    auto* mitte = new QHBoxLayout;
    mitte->addWidget(PC1);
    mitte->addWidget(textfeldTeil(), 1);
    mitte->addWidget(tabellenTeil());
    haupt->addLayout(mitte, 1);

    auto* unten = new QHBoxLayout;
    unten->addStretch();
    BSchliessen = Knopf(QStringLiteral("Schließen"), "BSchliessen");
    unten->addWidget(BSchliessen);
    haupt->addLayout(unten);
    setCentralWidget(flaeche);
    resize(980, 540);

    connect(BSchliessen, &QPushButton::clicked, this, &QWidget::close);
    connect(BUebertragen, &QPushButton::clicked, this, &TFEingabe::BUebertragenClick);
    connect(BTextLoeschen, &QPushButton::clicked, this, &TFEingabe::BTextLoeschenClick);
    connect(BInsTextfeld, &QPushButton::clicked, this, &TFEingabe::BInsTextfeldClick);
    connect(BSpielscheinOeffnen, &QPushButton::clicked, this, &TFEingabe::BSpielscheinOeffnenClick);
    connect(BCSVOeffnen, &QPushButton::clicked, this, &TFEingabe::BCSVOeffnenClick);
    connect(BExcelImport, &QPushButton::clicked, this, &TFEingabe::BExcelImportClick);
    connect(BSpielscheinSpeichern, &QPushButton::clicked, this, &TFEingabe::BSpielscheinSpeichernClick);
    connect(BCSVSpeichern, &QPushButton::clicked, this, &TFEingabe::BCSVSpeichernClick);
    connect(BExcelExport, &QPushButton::clicked, this, &TFEingabe::BExcelExportClick);
    connect(BReihenLoeschen, &QPushButton::clicked, this, &TFEingabe::BReihenLoeschenClick);
}

QWidget* TFEingabe::manuelleEingabe() {
    auto* seite = new QWidget;
    seite->setObjectName(QStringLiteral("Tab1"));
    auto* spalte = new QVBoxLayout(seite);
    spalte->setContentsMargins(5, 4, 5, 4);
    auto* PText = new QWidget;
    PText->setObjectName(QStringLiteral("PText"));
    auto* textSpalte = new QVBoxLayout(PText);
    textSpalte->setContentsMargins(0, 0, 0, 0);
    for (const char* text :
         {"Die Zahlen sind jeweils durch ein Komma getrennt und ohne Leerzeichen in das Textfeld rechts einzugeben.  ",
          "Nutzen Sie die Tasten unten oder schreiben Sie direkt in das Textfeld rechts.   ",
          "Zeilenwechsel erfolgt automatisch"})
        textSpalte->addWidget(Beschriftung(QString::fromUtf8(text), true));
    spalte->addWidget(PText);
    spalte->addSpacing(17);

    auto* tasten = new QGridLayout;
    tasten->setSpacing(1);
    for (int zahl = 1; zahl <= MaxZahl; ++zahl) {
        auto* k = new TBZahl2(zahl, seite);
        lotE[std::size_t(zahl - 1)] = k;
        tasten->addWidget(k, (zahl - 1) / ZahlenProReihe, (zahl - 1) % ZahlenProReihe);
        connect(k, &QPushButton::clicked, this, [this, k] { lotEClick(k->zahl()); });
    }
    tasten->setColumnStretch(ZahlenProReihe, 1);  // the buttons stay one pixel apart
    spalte->addLayout(tasten);
    spalte->addStretch();
    return seite;
}

QWidget* TFEingabe::dateiEinlesen() {
    auto* seite = new QWidget;
    seite->setObjectName(QStringLiteral("Tab2"));
    auto* spalte = new QVBoxLayout(seite);
    spalte->setContentsMargins(5, 4, 5, 4);
    BSpielscheinOeffnen = Knopf(QStringLiteral("Spielschein ö&ffnen..."), "BSpielscheinOeffnen");
    BExcelImport = Knopf(QStringLiteral("Excel- Import"), "BExcelImport");
    BCSVOeffnen = Knopf(QStringLiteral("- Datei öffnen"), "BCSVOeffnen");
    spalte->addWidget(BSpielscheinOeffnen);
    auto* zeile = new QHBoxLayout;
    zeile->addWidget(BExcelImport);
    zeile->addWidget(BCSVOeffnen);
    spalte->addLayout(zeile);
    G2 = Reihentabelle(dateiModell_, "G2", seite);
    spalte->addWidget(G2, 1);
    LDatei1 = new QLabel;
    LDatei1->setObjectName(QStringLiteral("LDatei1"));
    LDatei1->setWordWrap(true);
    spalte->addWidget(LDatei1);
    BInsTextfeld = Knopf(QStringLiteral("Ins Textfeld übertragen"), "BInsTextfeld");
    spalte->addWidget(BInsTextfeld);
    return seite;
}

QWidget* TFEingabe::textfeldTeil() {
    auto* teil = new QWidget;
    auto* spalte = new QVBoxLayout(teil);
    spalte->setContentsMargins(0, 0, 0, 0);
    M1 = new QPlainTextEdit;
    M1->setObjectName(QStringLiteral("M1"));
    M1->setLineWrapMode(QPlainTextEdit::NoWrap);
    spalte->addWidget(M1, 1);

    auto* knoepfe = new QHBoxLayout;
    BUebertragen = Knopf(QStringLiteral("Reihen in Tabelle übertragen"), "BUebertragen");
    BTextLoeschen = Knopf(QStringLiteral("Textfeld löschen"), "BTextLoeschen");
    knoepfe->addWidget(BUebertragen);
    knoepfe->addWidget(BTextLoeschen);
    knoepfe->addStretch();
    LZeilen = new QLabel(QStringLiteral("0"));
    LZeilen->setObjectName(QStringLiteral("LZeilen"));
    knoepfe->addWidget(LZeilen);
    knoepfe->addWidget(Beschriftung(QStringLiteral("Zeilen")));
    spalte->addLayout(knoepfe);
    spalte->addWidget(Beschriftung(QStringLiteral("Beispiel: 2,7,12,22,38,41")));
    spalte->addWidget(Beschriftung(QStringLiteral("oder Text einfügen mit \"Feld x\" z. B. aus E-Mail")));

    auto* optionen = new QHBoxLayout;
    auto* modus = new QGroupBox(QStringLiteral("Beim Übertragen sollen..."));
    auto* modusSpalte = new QVBoxLayout(modus);
    RG1a = new QRadioButton(QStringLiteral("...vorhandene Einträge überschrieben werden"));
    RG1a->setObjectName(QStringLiteral("RG1a"));
    RG1b = new QRadioButton(QStringLiteral("...die neuen Reihen angehängt werden"));
    RG1b->setObjectName(QStringLiteral("RG1b"));
    RG1a->setChecked(true);
    modusSpalte->addWidget(RG1a);
    modusSpalte->addWidget(RG1b);
    optionen->addWidget(modus, 1);

    auto* schrift = new QGroupBox(QStringLiteral("Schriftgröße"));
    auto* schriftZeile = new QHBoxLayout(schrift);
    up1 = new QSpinBox;
    up1->setObjectName(QStringLiteral("up1"));
    up1->setRange(6, 12);
    up1->setValue(10);
    schriftZeile->addWidget(Beschriftung(QStringLiteral("kleiner")));
    schriftZeile->addWidget(up1);
    schriftZeile->addWidget(Beschriftung(QStringLiteral("größer")));
    optionen->addWidget(schrift);
    spalte->addLayout(optionen);

    QFont f = M1->font();
    f.setPointSize(up1->value());
    M1->setFont(f);
    connect(up1, &QSpinBox::valueChanged, this, [this](int groesse) {
        QFont schriftart = M1->font();
        schriftart.setPointSize(groesse);
        M1->setFont(schriftart);
    });
    connect(M1, &QPlainTextEdit::textChanged, this,
            [this] { LZeilen->setText(QString::number(ZeilenAnzahl(Feldtext(M1)))); });
    return teil;
}

QWidget* TFEingabe::tabellenTeil() {
    auto* teil = new QWidget;
    auto* spalte = new QVBoxLayout(teil);
    spalte->setContentsMargins(0, 0, 0, 0);
    G1 = Reihentabelle(reihenModell_, "G1", teil);
    spalte->addWidget(G1, 1);
    auto* knoepfe = new QGridLayout;
    BSpielscheinSpeichern = Knopf(QStringLiteral("Als Spielschein s&peichern..."), "BSpielscheinSpeichern");
    BReihenLoeschen = Knopf(QStringLiteral("Reihen löschen"), "BReihenLoeschen");
    BCSVSpeichern = Knopf(QStringLiteral("Im &CSV-Format speichern..."), "BCSVSpeichern");
    BExcelExport = Knopf(QStringLiteral("Excel- Export"), "BExcelExport");
    knoepfe->addWidget(BSpielscheinSpeichern, 0, 0);
    knoepfe->addWidget(BReihenLoeschen, 0, 1);
    knoepfe->addWidget(BCSVSpeichern, 1, 0);
    knoepfe->addWidget(BExcelExport, 1, 1);
    spalte->addLayout(knoepfe);
    LDatei = new QLabel;
    LDatei->setObjectName(QStringLiteral("LDatei"));
    LDatei->setWordWrap(true);
    spalte->addWidget(LDatei);
    return teil;
}

const TippTabelle& TFEingabe::reihen() const { return reihenModell_->reihen(); }
const TippTabelle& TFEingabe::dateiReihen() const { return dateiModell_->reihen(); }

void TFEingabe::textSetzen(const std::string& text) {
    if (Feldtext(M1) != text) M1->setPlainText(QString::fromStdString(text));
    M1->moveCursor(QTextCursor::End);
}

void TFEingabe::lotEClick(int zahl) {
    const std::string alt = Feldtext(M1);
    const std::string neu = ZahlAnhaengen(alt, zahl);
    // Only the tail is new: inserting it keeps the field's undo history.
    M1->moveCursor(QTextCursor::End);
    M1->textCursor().insertText(QString::fromStdString(neu.substr(alt.size())));
    M1->moveCursor(QTextCursor::End);
}

void TFEingabe::BUebertragenClick() {
    TippTabelle tabelle = reihen();
    const Uebertragung u =
        TextInTabelle(Feldtext(M1), tabelle, RG1a->isChecked(), [this](const std::string& frage, const std::string& zwischentext) {
            textSetzen(zwischentext);
            return AlsAntwort(Nachrichten().frage(this, AlsMeldung(frage), true));
        });
    textSetzen(u.text);
    if (!u.fehler.empty()) Nachrichten().fehler(this, AlsMeldung(u.fehler));
    if (u.gelungen()) reihenModell_->setzeReihen(std::move(tabelle));
}

void TFEingabe::BTextLoeschenClick() { M1->clear(); }

void TFEingabe::BInsTextfeldClick() {
    const Textuebernahme u = TabelleInsTextfeld(Feldtext(M1), dateiReihen(), dateiSpalten_);
    if (!u.fehler.empty()) {
        Nachrichten().fehler(this, AlsMeldung(u.fehler));
        return;
    }
    textSetzen(u.text);
}

void TFEingabe::dateiReihenSetzen(TippTabelle reihen, const QString& dateiname, int letzteSpalte) {
    dateiModell_->setzeReihen(std::move(reihen));
    dateiSpalten_ = letzteSpalte;
    LDatei1->setText(dateiname);
}

void TFEingabe::BSpielscheinOeffnenClick() {
    Dateifrage frage{QStringLiteral("Spielschein-Datei einlesen"),
                     Pfadtext(DatenPfad()),
                     {QStringLiteral("Normal-Schein (*.nqtr)"), QStringLiteral("System-Schein (*.sqtr)"),
                      QStringLiteral("Spielschein-Dateien (*.nqtr *.sqtr)")},
                     1,
                     QStringLiteral("nqtr"),
                     true};
    const QStringList dateien = Dateidialoge().oeffnen(this, frage);
    if (dateien.isEmpty()) return;
    const std::filesystem::path datei(dateien.first().toStdString());
    try {
        TippTabelle tabelle = dateiReihen();
        SpielscheinEinlesen(tabelle, datei);
        dateiReihenSetzen(std::move(tabelle), QString::fromStdString(DateiName(datei)), TippSpalten - 1);
    } catch (const DateiFehler& e) {
        Nachrichten().fehler(this, AlsMeldung(e.what()));
    }
}

void TFEingabe::BCSVOeffnenClick() {
    Dateifrage frage{QStringLiteral("CSV-Datei einlesen"), QString(), {QStringLiteral("CSV-Datei (*.csv)")}, 1,
                     QStringLiteral("csv")};
    const QStringList dateien = Dateidialoge().oeffnen(this, frage);
    if (dateien.isEmpty()) return;
    try {
        TippTabelle tabelle = dateiReihen();
        ReihenLesen(tabelle, dateien.first().toStdString());
        dateiReihenSetzen(std::move(tabelle), dateien.first(), TippSpalten - 1);
    } catch (const DateiFehler& e) {
        Nachrichten().fehler(this, AlsMeldung(e.what()));
    }
}

void TFEingabe::BExcelImportClick() {
    Dateifrage frage{QStringLiteral("Excel-Tabelle einlesen"), Pfadtext(DatenPfad()),
                     {QStringLiteral("Excel-Datei (*.xl*)")}, 1, QStringLiteral("xl*")};
    const QStringList dateien = Dateidialoge().oeffnen(this, frage);
    if (dateien.isEmpty()) return;
    TippTabelle tabelle = dateiReihen();
    // The sheet's columns count as they are, so that a sheet wider than six numbers shows at the transfer.
    if (!TabelleImportieren(this, tabelle, dateien.first())) return;
    const int spalten = LetzteBelegteSpalte(tabelle);
    dateiReihenSetzen(std::move(tabelle), dateien.first(), spalten);
}

void TFEingabe::reihenSpeichern(const QString& titel, const QString& filter, const QString& endung) {
    Dateifrage frage{titel, Pfadtext(DatenPfad()), {filter}, 1, endung};
    const QString name = Dateidialoge().speichern(this, frage);
    if (name.isEmpty()) return;
    const std::filesystem::path datei = MitEndung(name, ("." + endung).toStdString().c_str());
    try {
        ReihenSpeichern(reihen(), datei);
        LDatei->setText(QStringLiteral("Gespeichert in: ") + Pfadtext(datei));
    } catch (const DateiFehler& e) {
        Nachrichten().fehler(this, AlsMeldung(e.what()));
    }
}

void TFEingabe::BSpielscheinSpeichernClick() {
    reihenSpeichern(QStringLiteral("Als Spielschein speichern..."), QStringLiteral("Spielschein-Datei (*.nqtr)"),
                    QStringLiteral("nqtr"));
}

void TFEingabe::BCSVSpeichernClick() {
    reihenSpeichern(QStringLiteral("Als CSV-Datei speichern..."), QStringLiteral("CSV-Datei (*.csv)"),
                    QStringLiteral("csv"));
}

void TFEingabe::BExcelExportClick() { TabelleExportieren(this, reihen(), QStringLiteral("Tippreihen")); }

void TFEingabe::BReihenLoeschenClick() {
    TippTabelle tabelle = reihen();
    for (std::size_t r = 1; r < tabelle.size(); ++r)
        for (std::size_t c = 1; c < tabelle[r].size(); ++c) tabelle[r][c].clear();
    reihenModell_->setzeReihen(std::move(tabelle));
}

void TFEingabe::showEvent(QShowEvent* ereignis) {
    if (const auto ueberschreiben = UeberschreibenLesen()) (*ueberschreiben ? RG1a : RG1b)->setChecked(true);
    QMainWindow::showEvent(ereignis);
}

void TFEingabe::closeEvent(QCloseEvent* ereignis) {
    try {
        UeberschreibenSchreiben(RG1a->isChecked());
    } catch (const DateiFehler& e) {
        Nachrichten().fehler(this, AlsMeldung(std::string(e.what()) + std::string(Absatz) +
                                              "Die Einstellungen der Tippeingabe konnten nicht gespeichert werden."));
    }
    ereignis->accept();
}

}  // namespace quintaro
