#include "quotas/ui/tfquoten.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QShortcut>
#include <QStyle>
#include <QTableView>
#include <QToolButton>
#include <QVBoxLayout>

#include "app/ui/hilfe.h"
#include "app/ui/nachrichten.h"
#include "app/ui/texte.h"
#include "core/datenbestand.h"
#include "core/datenpfad.h"
#include "core/einstellungen.h"
#include "core/fehler.h"
#include "quotas/quotenliste.h"
#include "quotas/quotenraster.h"
#include "quotas/ui/quotenmodell.h"
#include "quotas/ui/tfqtool.h"
#include "quotas/ui/tqedit.h"

namespace quintaro {

namespace {
constexpr int HilfeKontext = 1090;

QLabel* Hinweis(const QString& text, QWidget* eltern) {
    auto* l = new QLabel(text, eltern);
    l->setWordWrap(true);
    return l;
}
}  // namespace

TFQuoten::TFQuoten(QWidget* eltern, TDatum heute) : QWidget(eltern, Qt::Window) {
    setObjectName("FQuoten");
    setWindowTitle(FensterTitel());

    BSave = new QToolButton(this);
    BSave->setObjectName("BSave");
    BSave->setIcon(style()->standardIcon(QStyle::SP_DialogSaveButton));
    BSave->setToolTip("Quoten speichern");
    BHelp = new QPushButton("&Hilfe", this);
    BHelp->setObjectName("BHelp");
    bsSkinSpeedButton5 = new QPushButton("Quoten-\nTool", this);
    bsSkinSpeedButton5->setObjectName("bsSkinSpeedButton5");
    bsSkinSpeedButton5->setToolTip("Quoten aus einer kopierten Quotentabelle übernehmen");
    auto* kopf = new QHBoxLayout;
    kopf->addWidget(BSave);
    kopf->addWidget(BHelp);
    kopf->addWidget(new QLabel("Realquoten ab 02.01.2019", this), 1);
    kopf->addWidget(bsSkinSpeedButton5);

    modell_ = new QuotenModell(this);
    G1 = new QTableView(this);
    G1->setObjectName("G1");
    G1->setModel(modell_);
    G1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    G1->setSelectionBehavior(QAbstractItemView::SelectRows);
    G1->setSelectionMode(QAbstractItemView::SingleSelection);
    G1->verticalHeader()->hide();
    G1->verticalHeader()->setDefaultSectionSize(G1->fontMetrics().height() + 6);
    G1->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    G1->horizontalHeader()->setStretchLastSection(true);

    auto* pQuoten = new QWidget(this);
    pQuoten->setObjectName("PQuoten");
    auto* raster = new QGridLayout(pQuoten);
    raster->setContentsMargins(0, 0, 0, 0);
    for (int k = 1; k <= 8; ++k) {
        auto* titel = new QLabel(AlsQString(KlassenTitelKurz(k)), pQuoten);
        QFont f = titel->font();
        f.setBold(true);
        titel->setFont(f);
        titel->setAlignment(Qt::AlignCenter);
        edits_[std::size_t(k)] = new TQEdit(pQuoten);
        edits_[std::size_t(k)]->setObjectName("QEdit" + QString::number(k));
        raster->addWidget(titel, 0, k - 1);
        raster->addWidget(edits_[std::size_t(k)], 1, k - 1);
    }
    edits_[8]->setText("1,20");

    auto* label1 = new QLabel("Ziehung", this);
    label1->setObjectName("Label1");
    Combo1 = new QComboBox(this);
    Combo1->setObjectName("Combo1");
    label1->setBuddy(Combo1);
    bsSkinSpeedButton3 = new QPushButton("Ersetzen", this);
    bsSkinSpeedButton3->setObjectName("bsSkinSpeedButton3");
    auto* ersetzen = new QHBoxLayout;
    ersetzen->addWidget(label1);
    ersetzen->addWidget(Combo1);
    ersetzen->addWidget(bsSkinSpeedButton3);
    auto* ersetzenHinweise = new QVBoxLayout;
    ersetzenHinweise->addWidget(Hinweis("Es werden nur die Einträge ersetzt, für die Sie Quoten eingetragen haben.", this));
    auto* speichernHinweis = Hinweis("Speichern nicht vergessen!", this);
    QFont fett = speichernHinweis->font();
    fett.setBold(true);
    speichernHinweis->setFont(fett);
    ersetzenHinweise->addWidget(speichernHinweis);
    ersetzen->addLayout(ersetzenHinweise, 1);

    bsSkinSpeedButton2 = new QPushButton("S&peichern", this);
    bsSkinSpeedButton2->setObjectName("bsSkinSpeedButton2");
    bsSkinSpeedButton1 = new QPushButton("Sch&ließen", this);
    bsSkinSpeedButton1->setObjectName("bsSkinSpeedButton1");
    auto* fuss = new QHBoxLayout;
    fuss->addStretch(1);
    fuss->addWidget(bsSkinSpeedButton2);
    fuss->addWidget(bsSkinSpeedButton1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(kopf);
    layout->addWidget(G1, 1);
    layout->addWidget(pQuoten);
    layout->addLayout(ersetzen);
    layout->addWidget(Hinweis("Beachten Sie bitte, dass erst mit der Ziehung am 8. September 2010 drei weitere "
                              "Gewinnklassen eingeführt wurden, so dass bei vorangegangenen Gewinnen mit abweichenden "
                              "Standardquoten gerechnet wird.", this));
    layout->addWidget(Hinweis("Das Programm errechnet den Gewinn für eine Ziehung immer dann mit den Standardquoten "
                              "(mathematische Mittelwerte), wenn keine aktuellen Quoten eingegeben wurden.", this));
    layout->addWidget(Hinweis("Positionieren Sie dieses Fenster und das des Quotentool nach Ihrem Geschmack. Das "
                              "Programm merkt sich die Positionen.", this));
    layout->addLayout(fuss);

    connect(BSave, &QToolButton::clicked, this, [this] { BSaveClick(); });
    connect(bsSkinSpeedButton2, &QPushButton::clicked, this, [this] { BSaveClick(); });
    connect(bsSkinSpeedButton1, &QPushButton::clicked, this, &QWidget::close);
    connect(bsSkinSpeedButton3, &QPushButton::clicked, this, &TFQuoten::bsSkinSpeedButton3Click);
    connect(bsSkinSpeedButton5, &QPushButton::clicked, this, &TFQuoten::bsSkinSpeedButton5Click);
    connect(BHelp, &QPushButton::clicked, this, [] { HilfeZeigen(HilfeKontext); });
    connect(new QShortcut(QKeySequence::HelpContents, this), &QShortcut::activated, this,
            [] { HilfeZeigen(HilfeKontext); });

    QuotenLaden(heute);
    // Wide enough for every column of the grid.
    resize(std::max(617, G1->horizontalHeader()->length() + G1->verticalScrollBar()->sizeHint().width() + 30), 613);
    setMinimumSize(560, 480);
}

void TFQuoten::QuotenLaden(TDatum heute) {
    QuotenDatei datei;
    try {
        datei = quintaro::QuotenLaden(DatenDatei(QuotenDateiName));
    } catch (const DateiFehler& e) {
        // An unreadable file is neither overwritten with default rows nor by saving an empty grid.
        Nachrichten().fehler(this, AlsMeldung(e.what()));
        for (QAbstractButton* knopf : std::initializer_list<QAbstractButton*>{BSave, bsSkinSpeedButton2, bsSkinSpeedButton3})
            knopf->setEnabled(false);
        return;
    }
    if (!datei.schaden.empty()) Nachrichten().fehler(this, AlsMeldung(datei.schaden));
    Daten().QuotenListe = datei.quoten;
    auto zeilen = ZeilenAus(datei.quoten);
    QuotenErgaenzen(zeilen, datei.quoten, heute);
    modell_->setzeZeilen(std::move(zeilen));
    BSaveClick();
    G1->scrollToBottom();
}

bool TFQuoten::BSaveClick() {
    std::vector<TQuoten> gespeichert;
    try {
        gespeichert = QuotenZeilenSpeichern(DatenDatei(QuotenDateiName), modell_->zeilen());
    } catch (const std::runtime_error& e) {
        Nachrichten().fehler(this, AlsMeldung(e.what()));
        return false;
    }
    // The evaluations price with the quotas just saved.
    Daten().QuotenListe = gespeichert;
    Combo1->clear();
    for (const QuotenZeile& z : modell_->zeilen()) Combo1->addItem(AlsQString(z.datum));
    Combo1->setCurrentIndex(Combo1->count() - 1);
    geaendert_ = false;
    return true;
}

void TFQuoten::bsSkinSpeedButton3Click() {
    const int r = Combo1->currentIndex();
    if (r < 0) {
        Nachrichten().information(this, AlsMeldung("Bitte wählen Sie unter \"Ziehung\" zuerst die Ziehung, deren "
                                                   "Quoten ersetzt werden sollen." + std::string(Absatz) +
                                                   "Ich breche erst einmal ab."));
        return;
    }
    std::array<std::string, 9> eingaben;
    for (int k = 1; k <= 8; ++k) eingaben[std::size_t(k)] = edits_[std::size_t(k)]->text().toStdString();
    if (!modell_->ersetze(r, eingaben)) return;
    geaendert_ = true;
    G1->selectRow(r);
    G1->scrollTo(modell_->index(r, 0));
}

void TFQuoten::bsSkinSpeedButton5Click() {
    // A closed tool is only waiting for its deletion.
    if (!tool_ || !tool_->isVisible()) tool_ = new TFQTool(this);
    if (tool_->isMinimized()) tool_->setWindowState(tool_->windowState() & ~Qt::WindowMinimized);
    tool_->show();
    tool_->raise();
    tool_->activateWindow();
}

TFQTool* TFQuoten::quotenTool() const { return tool_; }

void TFQuoten::showEvent(QShowEvent* ereignis) {
    QWidget::showEvent(ereignis);
    if (ereignis->spontaneous()) return;
    const Einstellungen ini;
    move(ini.leseZahl("Fenster", "Quoten-Left", 0), ini.leseZahl("Fenster", "Quoten-Top", 0));
}

void TFQuoten::closeEvent(QCloseEvent* ereignis) {
    {
        Einstellungen ini;
        ini.schreibeZahl("Fenster", "Quoten-Left", x());
        ini.schreibeZahl("Fenster", "Quoten-Top", y());
    }
    if (geaendert_) {
        switch (Nachrichten().frage(this,
                                    AlsMeldung("Gegebenenfalls geänderte Quoten wurden noch nicht gespeichert." +
                                               std::string(Absatz) + "Wollen Sie die Änderungen jetzt speichern?"),
                                    true)) {
            case Nachrichtendienst::Antwort::Abbrechen: ereignis->ignore(); return;
            case Nachrichtendienst::Antwort::Ja:
                // Quotas that cannot be saved keep the window open, so nothing typed is lost.
                if (!BSaveClick()) {
                    ereignis->ignore();
                    return;
                }
                break;
            case Nachrichtendienst::Antwort::Nein: break;
        }
    }
    // The import tool fills this window's edits: it closes with it.
    if (tool_ && tool_->isVisible()) tool_->close();
    ereignis->accept();
}

}  // namespace quintaro
