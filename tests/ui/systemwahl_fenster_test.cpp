// The system selection window driven like a user: filter, select, choose
// numbers, build rows, save them, test the system.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QFile>
#include <QMenuBar>
#include <QLabel>
#include <QListWidget>
#include <QPrinter>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSlider>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>
#include <fstream>
#include <set>

#include "app/start/programmstart.h"
#include "app/ui/fensterverwaltung.h"
#include "app/ui/tabellendienst.h"
#include "core/datei.h"
#include "core/datum.h"
#include "core/einstellungen.h"
#include "core/scheindateien.h"
#include "evaluation/ui/auswertungsrahmen.h"
#include "evaluation/ui/auswertungsseite.h"
#include "evaluation/ui/frscheine.h"
#include "evaluation/ui/tabellenmodelle.h"
#include "evaluation/ui/tfauswertung.h"
#include "random/quotenkiller.h"
#include "systems/katalog.h"
#include "systems/ui/bankzahlbild.h"
#include "systems/ui/systemtestseite.h"
#include "systems/ui/tfsystemwahl.h"
#include "systems/ui/tippreihenmodell.h"
#include "systems/ui/zahlplatten.h"
#include "mappenbau.h"
#include "ui_umgebung.h"

using namespace quintaro;

namespace {
int Index(int RG, int WZ, int GA) {
    const auto& k = SystemKatalog();
    for (std::size_t i = 0; i < k.size(); ++i)
        if (k[i].RG == RG && k[i].WZ == WZ && k[i].GA == GA) return int(i);
    return -1;
}

class Systemwahl : public Scheintestumgebung {
protected:
    void TearDown() override {
        KillerMenge().leeren();
        Scheintestumgebung::TearDown();
    }
    // On its indicator: a box may be wider than its text.
    static void Klick(QAbstractButton* knopf) {
        QTest::mouseClick(knopf, Qt::LeftButton, {},
                          qobject_cast<QCheckBox*>(knopf) || qobject_cast<QRadioButton*>(knopf)
                              ? QPoint(8, knopf->height() / 2)
                              : knopf->rect().center());
    }
    QStringList Zeilen() const {
        QStringList z;
        for (int i = 0; i < f.l1->count(); ++i) z << f.l1->item(i)->text();
        return z;
    }
    // Lists everything and clicks the line of catalogue entry `index`.
    void Waehle(int index) {
        Klick(f.BFilternEx);
        Klick(f.BFiltern);
        const auto& liste = f.wahl().ListenIndex();
        const auto it = std::find(liste.begin(), liste.end(), index);
        ASSERT_NE(it, liste.end());
        const int zeile = int(it - liste.begin());
        f.l1->scrollToItem(f.l1->item(zeile));
        QTest::mouseClick(f.l1->viewport(), Qt::LeftButton, {}, f.l1->visualItemRect(f.l1->item(zeile)).center());
        ASSERT_EQ(f.wahl().AktSystem(), index);
    }
    void Zahlen(std::initializer_list<int> zahlen) {
        for (int z : zahlen) Klick(f.lot[std::size_t(z)]);
    }
    QString Zelle(int zeile, int spalte, int rolle = Qt::DisplayRole) const {
        const auto& m = f.reihenModell();
        return m.data(m.index(zeile, spalte), rolle).toString();
    }
    QColor Farbe(QLabel* l) const { return l->palette().color(QPalette::Window); }
    QString Meldung(std::size_t i = 0) const { return nachrichten.meldungen.at(i).text; }

    TFSystemwahl f;
};
}  // namespace

TEST_F(Systemwahl, WithoutSettingsTheControlsKeepTheirDesignedValues) {
    Fensterverwaltung::Instanz().leeren();  // no random tips window
    f.show();
    EXPECT_EQ(f.windowTitle(), "Quintaro 1.3.1.0");
    EXPECT_EQ(f.Slider1->value(), 13);
    EXPECT_EQ(f.Slider3->value(), 2);
    EXPECT_EQ(f.Slider4->value(), 24);
    EXPECT_EQ(f.Slider4->maximum(), 924);
    EXPECT_EQ(f.Slider5->value(), 2);
    EXPECT_TRUE(f.Radio3[1]->isChecked());
    EXPECT_TRUE(f.Radio5[1]->isChecked());
    for (QCheckBox* c : {f.cb1, f.cb3, f.cb4, f.cb5, f.cbNur, f.cbKill}) EXPECT_FALSE(c->isChecked());
    EXPECT_EQ(f.LSysAnz->text(), "Gefilterte Systeme");
    EXPECT_EQ(f.l1->count(), 0);
    EXPECT_FALSE(f.Label23->isEnabled());
    EXPECT_EQ(f.PWZ2->text(), "0");
    EXPECT_NE(Farbe(f.PWZ2), TFSystemwahl::Gruen);
    EXPECT_FALSE(std::filesystem::exists(datei("Einstellungen.ini")));
}

TEST_F(Systemwahl, FilteringWithTheSlidersListsTheMatchingSystems) {
    f.show();
    f.Slider3->setValue(2);
    Klick(f.Radio3[0]);
    f.Slider5->setValue(1);
    Klick(f.Radio5[0]);
    Klick(f.BFiltern);
    EXPECT_EQ(Zeilen(), (QStringList{"13 Wahlzahlen ohne BZ in 21 Reihen mit 3er Garantie",
                                     "12 Wahlzahlen plus eine BZ in 29 Reihen mit 3er Garantie"}));
    EXPECT_EQ(f.LSysAnz->text(), "2 Systeme gefunden");

    // "egal" everywhere only checks the boxes; the ticket systems box filters at once.
    Klick(f.BFilternEx);
    EXPECT_TRUE(f.cb1->isChecked() && f.cb3->isChecked() && f.cb4->isChecked() && f.cb5->isChecked());
    EXPECT_EQ(f.LSlider1->text(), "X");
    EXPECT_EQ(f.l1->count(), 2);
    Klick(f.cbNur);
    EXPECT_EQ(f.l1->count(), 48);
    Klick(f.cbNur);
    ASSERT_EQ(f.l1->count(), 391);
    EXPECT_EQ(f.l1->item(390)->text(), "* 40 Wahlzahlen plus 5 BZ in 40 Reihen mit 1er Garantie");

    // Moving a slider unchecks its box.
    f.Slider1->setValue(20);
    EXPECT_FALSE(f.cb1->isChecked());
    EXPECT_EQ(f.LSlider1->text(), "20");
}

TEST_F(Systemwahl, AFullGuaranteeWithExactBankersShowsTheFixedRowCount) {
    f.show();
    f.Slider1->setValue(12);
    f.Slider5->setValue(1);
    EXPECT_TRUE(f.BInfo3->isVisibleTo(&f));
    EXPECT_EQ(f.Slider3->maximum(), 5);
    f.Slider3->setValue(5);
    EXPECT_TRUE(f.BInfo4->isVisibleTo(&f));
    EXPECT_TRUE(f.LHinweis4->isVisibleTo(&f));
    EXPECT_FALSE(f.Slider4->isVisibleTo(&f));
    EXPECT_FALSE(f.cb4->isVisibleTo(&f));
    EXPECT_EQ(f.LSlider4->text(), "462");
    Klick(f.BFiltern);
    EXPECT_EQ(Zeilen(), QStringList{"* 11 Wahlzahlen plus eine BZ in 462 Reihen mit 5er Garantie"});
    EXPECT_EQ(f.LSysAnz->text(), "Ein System gefunden");
    Klick(f.BInfo4);
    ASSERT_EQ(nachrichten.meldungen.size(), 1u);
    EXPECT_TRUE(Meldung().startsWith("Sie haben sich durch die Wahl der vollen Gewinngarantie"));

    Klick(f.Radio5[0]);  // "maximal": the row slider is back
    EXPECT_TRUE(f.Slider4->isVisibleTo(&f));
    EXPECT_EQ(f.LSlider4->text(), "24");
}

TEST_F(Systemwahl, SettingsAreReadOnShowAndWrittenOnClose) {
    {
        Einstellungen ini;
        ini.schreibeZahl("Filter", "ZP", 9);
        ini.schreibeZahl("Filter", "GA", 5);
        ini.schreibeZahl("Filter", "BZ", 1);
        ini.schreibeZahl("Filter", "BZRadio", 1);
        ini.schreibeSchalter("Filter", "TRegal", true);
        ini.schreibeSchalter("Zufall", "QKraus", true);
    }
    f.show();
    EXPECT_EQ(f.Slider1->value(), 9);
    EXPECT_EQ(f.Slider3->value(), 5);
    EXPECT_EQ(f.Slider5->value(), 1);
    EXPECT_TRUE(f.Radio3[0]->isChecked());
    EXPECT_TRUE(f.Radio5[1]->isChecked());
    EXPECT_TRUE(f.cbKill->isChecked());
    EXPECT_FALSE(f.cb1->isChecked());
    EXPECT_TRUE(f.cb4->isChecked());
    EXPECT_TRUE(f.BInfo4->isVisibleTo(&f));
    EXPECT_EQ(f.LSlider4->text(), "56");

    f.Slider1->setValue(30);
    Klick(f.cbKill);
    Klick(f.bsSkinSpeedButton3);
    EXPECT_FALSE(f.isVisible());
    const Einstellungen ini;
    EXPECT_EQ(ini.leseZahl("Filter", "ZP", 0), 30);
    EXPECT_EQ(ini.leseZahl("Filter", "GARadio", -1), 0);
    EXPECT_FALSE(ini.leseSchalter("Zufall", "QKraus", true));
    EXPECT_EQ(ini.leseText("Filter", "QKraus", "fehlt"), "fehlt");  // its section is "Zufall"
}

TEST_F(Systemwahl, ANumberNeedsASystemAndAnEmptyListExplainsItself) {
    f.show();
    Klick(f.lot[5]);
    Klick(f.BZufall);
    Klick(f.BTRBilden);
    Klick(f.bsSkinSpeedButton5);
    ASSERT_EQ(nachrichten.meldungen.size(), 4u);
    for (const auto& m : nachrichten.meldungen) EXPECT_EQ(m.text, "Bitte wählen Sie links zunächst ein System aus.");
    EXPECT_EQ(f.lot[5]->aussehen(), Zahlaussehen::Normal);
    EXPECT_NE(Farbe(f.PWZ2), TFSystemwahl::Gruen);

    nachrichten.meldungen.clear();
    f.l1ListBoxClick(0);
    ASSERT_EQ(nachrichten.meldungen.size(), 1u);
    EXPECT_EQ(Meldung(), "Es ist noch kein System gelistet. Bitte prüfen Sie gegebenenfalls Ihre Filtereinstellungen."
                         "\n\nIch breche erst einmal ab.");

    // A filter that finds nothing leaves an empty list; clicking into it does nothing.
    Klick(f.Radio3[0]);
    f.Slider5->setValue(1);
    Klick(f.Radio5[0]);
    Klick(f.BFiltern);
    ASSERT_EQ(f.l1->count(), 2);
    f.Slider1->setValue(12);
    f.Slider5->setValue(0);
    Klick(f.BFiltern);
    EXPECT_EQ(f.LSysAnz->text(), "Keine Systeme gefunden");
    EXPECT_EQ(f.l1->count(), 0);
    nachrichten.meldungen.clear();
    QTest::mouseClick(f.l1->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
    EXPECT_TRUE(nachrichten.meldungen.empty());
    EXPECT_FALSE(f.Img1->isVisibleTo(&f));
}

TEST_F(Systemwahl, SelectingDescribesTheSystemAndNumbersFillWahlzahlenThenBankers) {
    f.show();
    const int s108 = Index(5, 8, 5);
    Waehle(s108);
    EXPECT_TRUE(f.Img1->isVisibleTo(&f));
    EXPECT_EQ(f.PC1->currentWidget(), f.Tab1);
    EXPECT_EQ(f.LSysBeschreibung->text(), "Gewählt wurde ein System für 8 Wahlzahlen plus eine Bankzahl in 56 "
                                          "Tippreihen mit 5er Garantie.\nEin \"Vollsystem\" auf einer Bankzahl.");
    EXPECT_EQ(f.PWZ->text(), "8");
    EXPECT_EQ(f.PBZ2->text(), "1");

    Zahlen({1, 2, 3, 4, 5, 6, 7, 8});
    EXPECT_EQ(f.PWZ2->text(), "8");
    EXPECT_EQ(Farbe(f.PWZ2), TFSystemwahl::Gruen);
    EXPECT_NE(Farbe(f.PBZ3), TFSystemwahl::Gruen);
    Klick(f.lot[9]);
    EXPECT_EQ(f.lot[9]->aussehen(), Zahlaussehen::Bankzahl);
    EXPECT_EQ(f.lot[8]->aussehen(), Zahlaussehen::Wahlzahl);
    EXPECT_EQ(Farbe(f.PBZ3), TFSystemwahl::Gruen);
    Klick(f.lot[10]);
    ASSERT_EQ(nachrichten.meldungen.size(), 1u);
    EXPECT_EQ(nachrichten.meldungen[0].art, NachrichtenAttrappe::Art::Fehler);
    EXPECT_EQ(Meldung(), "Sie haben bereits 1 Bankzahlen gewählt.");

    // Another system keeps the numbers; too many show light red.
    Waehle(Index(6, 7, 6));
    EXPECT_EQ(f.PWZ2->text(), "8");
    EXPECT_EQ(Farbe(f.PWZ2), TFSystemwahl::Hellrot);
    EXPECT_EQ(Farbe(f.PBZ3), TFSystemwahl::Hellrot);
    Klick(f.BLoeschen);
    EXPECT_EQ(f.PWZ2->text(), "0");
    EXPECT_EQ(f.lot[9]->aussehen(), Zahlaussehen::Normal);
}

TEST_F(Systemwahl, RandomChoiceLeavesOutTheQuotaKillersWhenAsked) {
    f.show();
    Waehle(Index(6, 12, 6));
    for (int z = 1; z <= 40; ++z) KillerMenge().hinzu(z);
    Klick(f.cbKill);
    Klick(f.BZufall);
    ASSERT_EQ(nachrichten.meldungen.size(), 1u);
    EXPECT_EQ(Meldung(), "Die Anzahl der Quotenkiller ist zu hoch.\n\nIch breche erst einmal ab.");
    EXPECT_EQ(f.PWZ2->text(), "0");

    KillerMenge().leeren();
    for (int z = 1; z <= 20; ++z) KillerMenge().hinzu(z);
    for (int lauf = 0; lauf < 5; ++lauf) {
        Klick(f.BZufall);
        EXPECT_EQ(f.PWZ2->text(), "12");
        EXPECT_TRUE((f.wahl().zahlen.WahlSet() & KillerMenge()).leer());
    }
    Klick(f.cbKill);
    Klick(f.BZufall);
    EXPECT_EQ(f.wahl().zahlen.WahlSet().anzahl(), 12);
    EXPECT_EQ(Farbe(f.PWZ2), TFSystemwahl::Gruen);
}

TEST_F(Systemwahl, RowsFillTheGridWithBankersShadedAndThePlatesCount) {
    f.show();
    Waehle(0);  // 4 Wahlzahlen, 3 bankers, rows (1,2,3) (1,2,4) (1,3,4)
    Zahlen({5, 10, 15, 20, 1, 2, 3});
    Klick(f.BTRBilden);
    ASSERT_TRUE(nachrichten.meldungen.empty());
    ASSERT_EQ(f.reihenModell().rowCount(), 3);
    EXPECT_EQ(f.Label9->text(), "3 Tippreihen");
    EXPECT_EQ(f.G1->model()->headerData(0, Qt::Horizontal).toString(), "Reihe");
    EXPECT_EQ(f.G1->model()->headerData(6, Qt::Horizontal).toString(), "Z6");
    EXPECT_EQ(f.G1->columnWidth(0), 38);
    const QStringList erste{"1", "1", "2", "3", "5", "10", "15"};
    for (int s = 0; s < 7; ++s) EXPECT_EQ(Zelle(0, s), erste[s]);
    EXPECT_EQ(Zelle(2, 6), "20");
    const auto farbe = [&](int z, int s) { return f.reihenModell().data(f.reihenModell().index(z, s), Qt::BackgroundRole).value<QColor>(); };
    EXPECT_EQ(farbe(0, 1), QColor(0xB3, 0xFF, 0xB3));
    EXPECT_EQ(farbe(0, 4), QColor(Qt::white));
    EXPECT_TRUE(f.reihenModell().data(f.reihenModell().index(0, 4), Qt::FontRole).value<QFont>().bold());
    // What the screen shows: the banker cell light green, the Wahlzahl cell white.
    const QImage gitter = f.G1->viewport()->grab().toImage();
    const auto pixel = [&](int z, int s) {
        return QColor(gitter.pixel(f.G1->visualRect(f.reihenModell().index(z, s)).topLeft() + QPoint(2, 2)));
    };
    EXPECT_EQ(pixel(0, 1), QColor(0xB3, 0xFF, 0xB3));
    EXPECT_EQ(pixel(0, 4), QColor(Qt::white));
    EXPECT_EQ(f.BStatW[1]->text(), "3");
    EXPECT_EQ(f.BStatW[1]->aussehen(), Zahlaussehen::Bankzahl);
    EXPECT_EQ(f.BStatW[5]->aussehen(), Zahlaussehen::Bankzahl);  // in every row as well
    EXPECT_EQ(f.BStatW[10]->text(), "2");
    EXPECT_EQ(f.BStatW[10]->aussehen(), Zahlaussehen::Wahlzahl);
    EXPECT_EQ(f.BStatW[7]->text(), "");
    EXPECT_EQ(f.BStatW[7]->aussehen(), Zahlaussehen::Normal);
    EXPECT_EQ(f.BStatNr[45]->objectName(), "BStatNr45");

    // Freeing a banker number redraws its cells; "Verteilung anzeigen" counts anew and keeps the rows.
    Klick(f.lot[1]);
    EXPECT_EQ(farbe(0, 1), QColor(Qt::white));
    Klick(f.lot[30]);
    Klick(f.bsSkinSpeedButton5);
    EXPECT_EQ(Zelle(0, 1), "1");
    EXPECT_EQ(f.BStatW[30]->text(), "3");
    EXPECT_EQ(f.BStatW[1]->text(), "");
    Klick(f.BLoeschen);
    EXPECT_EQ(f.BStatW[30]->text(), "");
    EXPECT_EQ(f.reihenModell().rowCount(), 3);  // the grid is not cleared

    // Too few bankers for the selected system.
    Zahlen({5, 10, 15, 20, 1});
    Klick(f.BTRBilden);
    ASSERT_EQ(nachrichten.meldungen.size(), 1u);
    EXPECT_EQ(Meldung(), "Bitte wählen Sie oben 4 Tippahlen und 3 Bankzahlen.\n\nIch breche erst einmal ab.");
}

TEST_F(Systemwahl, SavedRowsOpenAndEvaluateInTheMainWindow) {
    f.show();
    Klick(f.BSpeichern);
    Klick(f.BCSV);
    Klick(f.BExcel);
    ASSERT_EQ(nachrichten.meldungen.size(), 3u);
    EXPECT_EQ(Meldung(0), "Es gibt nichts zu speichern.\n\nIch breche erst einmal ab.");
    EXPECT_EQ(Meldung(1), "Es gibt nichts zu speichern.\n\nIch breche erst einmal ab.");
    EXPECT_EQ(Meldung(2), "Es gibt nichts zu exportieren.\n\nIch breche erst einmal ab.");
    EXPECT_TRUE(dialoge.fragen.empty());

    Waehle(Index(6, 12, 6));
    Zahlen({3, 7, 11, 14, 20, 22, 27, 30, 33, 38, 41, 44});
    Klick(f.BTRBilden);
    ASSERT_EQ(f.reihenModell().rowCount(), 924);
    EXPECT_EQ(f.Label9->text(), "924 Tippreihen");

    dialoge.antworten.push_back({pfad("system012")});
    Klick(f.BSpeichern);
    ASSERT_EQ(dialoge.fragen.size(), 1u);
    EXPECT_EQ(dialoge.fragen[0].titel, "Als Spielschein speichern...");
    EXPECT_EQ(dialoge.fragen[0].filter, QStringList{"Spielschein-Datei (*.nqtr)"});
    EXPECT_EQ(dialoge.fragen[0].ordner, QString::fromStdString(DatenPfad().string()));
    EXPECT_EQ(f.LDatei->text(), "Gespeichert in: system012.nqtr");
    dialoge.antworten.push_back({pfad("system012.csv")});
    Klick(f.BCSV);
    EXPECT_EQ(dialoge.fragen[1].titel, "Als CSV-Datei speichern...");
    EXPECT_EQ(dialoge.fragen[1].endung, "csv");
    EXPECT_EQ(f.LDatei->text(), "Gespeichert in: system012.csv");
    const Bytes schein = LiesDatei(datei("system012.nqtr"));
    EXPECT_EQ(LiesDatei(datei("system012.csv")), schein);
    const std::string text(schein.begin(), schein.end());
    EXPECT_EQ(text.substr(0, 20), "3,7,11,14,20,22\r\n3,7");
    dialoge.antworten.push_back({});  // cancelled
    Klick(f.BSpeichern);
    EXPECT_EQ(f.LDatei->text(), "Gespeichert in: system012.csv");

    // The main window's evaluation side opens the ticket and evaluates it.
    Daten().GZListe = {TestZiehung(DatumAus(2010, 9, 5), {3, 7, 11, 14, 20, 22}, 44)};
    Auswertungsseite seite;
    seite.setzeZiehungsauswahl(Auswahl());
    dialoge.antworten.push_back({pfad("system012.nqtr")});
    dialoge.gewaehlterFilter = 1;
    Klick(seite.BOpen);
    ASSERT_EQ(seite.PC1->count(), 1);
    auto* rahmen = seite.PC1->widget(0)->findChild<TFFrScheineN*>();
    ASSERT_NE(rahmen, nullptr);
    EXPECT_EQ(rahmen->LReihen->text(), "924");
    rahmen->StartClick();
    ASSERT_TRUE(nachrichten.meldungen.size() == 3u);
    const auto& m = rahmen->ergebnisModell();
    ASSERT_GE(m.rowCount(), 1);
    EXPECT_NE(rahmen->LGesGewinn->text(), "0,00 €");
    EXPECT_NE(rahmen->LHGew->text(), "0,00 €");
}

TEST_F(Systemwahl, TheRowsGoToTheSpreadsheetProgramAsAWorkbook) {
    QStringList geoeffnet;
    SetzeMappenoeffner([&](const QString& mappe) {
        geoeffnet << mappe;
        return true;
    });
    f.show();
    Waehle(Index(6, 12, 6));
    Zahlen({3, 7, 11, 14, 20, 22, 27, 30, 33, 38, 41, 44});
    Klick(f.BTRBilden);
    Klick(f.BExcel);
    SetzeMappenoeffner({});
    ASSERT_TRUE(nachrichten.meldungen.empty());
    ASSERT_EQ(geoeffnet.size(), 1);
    EXPECT_TRUE(ZipTeil(geoeffnet[0], "xl/workbook.xml").contains("name=\"Tippreihen aus System\""));
    TippTabelle zurueck;
    ReihenKopf(zurueck);
    ASSERT_TRUE(TabelleImportieren(&f, zurueck, geoeffnet[0]));
    QFile::remove(geoeffnet[0]);
    const TippTabelle erwartet = f.reihenModell().tabelle();
    ASSERT_EQ(zurueck.size(), erwartet.size());
    for (std::size_t r = 1; r < erwartet.size(); r += 101)
        for (std::size_t s = 0; s < 7; ++s) EXPECT_EQ(quintaro::Zelle(zurueck, r, s), quintaro::Zelle(erwartet, r, s)) << r << ',' << s;
}

TEST_F(Systemwahl, TheTestPageCountsTheSmallestSystem) {
    f.show();
    Klick(f.bsSkinSpeedButton1);
    EXPECT_EQ(f.PC1->currentWidget(), f.Tab2);
    EXPECT_EQ(f.Tab2->LKombiAnz->text(), "");
    Klick(f.Tab2->BTesten);
    ASSERT_EQ(nachrichten.meldungen.size(), 1u);
    EXPECT_EQ(Meldung(), "Bitte wählen Sie zunächst ein Spielsystem aus.\n\nIch breche erst einmal ab.");
    QTableWidget* g = f.Tab2->G2;
    EXPECT_EQ(g->item(0, 1)->text(), "Kombinationen");
    EXPECT_EQ(g->item(0, 7)->text(), "6 Richtige");
    EXPECT_EQ(g->item(9, 0)->text(), "6 Treffer");
    EXPECT_EQ(g->item(10, 0)->text(), "      in %");

    Waehle(0);
    Klick(f.bsSkinSpeedButton1);
    EXPECT_EQ(f.Tab2->LKombiAnz->text(), "30");
    Klick(f.Tab2->BTesten);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !f.Tab2->testLaeuft(); }, 5000));
    QTest::qWait(20);
    EXPECT_EQ(f.Tab2->BTesten->text(), "Systemtest starten");
    EXPECT_EQ(g->item(1, 1)->text(), "6");
    EXPECT_EQ(g->item(1, 2)->text(), "---");
    EXPECT_EQ(g->item(1, 3)->text(), "6");
    EXPECT_EQ(g->item(2, 3)->text(), "100,00");
    EXPECT_EQ(g->item(3, 3)->text(), "1");
    EXPECT_EQ(g->item(4, 3)->text(), "25,00");
    EXPECT_EQ(g->item(4, 4)->text(), "75,00");
    EXPECT_EQ(g->item(2, 3)->background().color(), QColor(0x00, 0xD5, 0x00));
    EXPECT_EQ(g->item(1, 3)->background().color(), QColor(0x00, 0xD5, 0x00));
    EXPECT_EQ(g->item(4, 4)->background().color(), QColor(0xFF, 0xDF, 0x80));
    EXPECT_EQ(g->item(3, 4)->background().color(), QColor(Qt::white));
    EXPECT_EQ(f.Tab2->Gauge1->value(), f.Tab2->Gauge1->maximum());
    EXPECT_EQ(f.Tab2->Gauge1->maximum(), 10);
    Klick(f.Tab2->bsSkinSpeedButton7);
    EXPECT_EQ(f.PC1->currentWidget(), f.Tab1);

    Waehle(Index(6, 12, 6));
    f.PC1->setCurrentWidget(f.Tab2);  // changing the page counts as well
    EXPECT_EQ(f.Tab2->LKombiAnz->text(), "2.307.228");
}

TEST_F(Systemwahl, TheFiveBankerSystemShowsItsPictureWhichPrints) {
    f.show();
    Waehle(Index(1, 40, 1));
    f.PC1->setCurrentWidget(f.Tab2);
    const QString vorher = f.Tab2->G2->item(1, 1)->text();
    Klick(f.Tab2->BTesten);
    EXPECT_FALSE(f.Tab2->testLaeuft());
    EXPECT_TRUE(f.Tab2->PImage->isVisible());
    EXPECT_EQ(f.Tab2->G2->item(1, 1)->text(), vorher);
    EXPECT_EQ(f.Tab2->Image1->system(), Index(1, 40, 1));

    // The picture is drawn, not blank, and goes to a printer.
    const QImage bild = f.Tab2->Image1->bild();
    std::set<QRgb> farben;
    for (int y = 0; y < bild.height(); y += 3)
        for (int x = 0; x < bild.width(); x += 3) farben.insert(bild.pixel(x, y));
    EXPECT_GT(farben.size(), 4u);
    QPrinter drucker;
    drucker.setOutputFormat(QPrinter::PdfFormat);
    drucker.setOutputFileName(pfad("bild.pdf"));
    f.Tab2->Image1->drucken(drucker);
    EXPECT_GT(DateiGroesse(datei("bild.pdf")), 1000);
    Klick(f.Tab2->bsSkinSpeedButton2);
    EXPECT_FALSE(f.Tab2->PImage->isVisible());
}

TEST_F(Systemwahl, ARunningTestStopsOnItsButtonAndWhenTheWindowCloses) {
    // A test that runs until it is told to stop.
    std::atomic<int> gestartet{0};
    f.Tab2->setzeTestlauf([&](int index, const Systemtestoptionen& o) {
        ++gestartet;
        Systemtestergebnis e;
        const TSysteme& s = SystemKatalog()[std::size_t(index)];
        e.RG = s.RG;
        e.WZ = s.WZ;
        while (!o.stopp->load()) {
            o.fortschritt(1, 10);
            std::this_thread::sleep_for(std::chrono::milliseconds(2));
        }
        e.abgebrochen = true;
        return e;
    });
    f.show();
    Waehle(Index(6, 12, 6));
    f.PC1->setCurrentWidget(f.Tab2);
    Klick(f.Tab2->BTesten);
    EXPECT_TRUE(f.Tab2->testLaeuft());
    EXPECT_EQ(f.Tab2->BTesten->text(), "Test stoppen");
    // The window answers meanwhile and shows the progress.
    EXPECT_TRUE(QTest::qWaitFor([&] { return f.Tab2->Gauge1->value() == 1; }, 2000));
    Klick(f.Tab2->BTesten);  // the same button stops; no second test starts
    ASSERT_TRUE(QTest::qWaitFor([&] { return !f.Tab2->testLaeuft(); }, 2000));
    EXPECT_EQ(gestartet, 1);
    EXPECT_EQ(f.Tab2->BTesten->text(), "Systemtest starten");
    EXPECT_EQ(f.Tab2->G2->item(9, 1)->text(), "");  // a stopped test shows no counts

    Klick(f.Tab2->BTesten);
    EXPECT_TRUE(f.Tab2->testLaeuft());
    f.close();
    EXPECT_FALSE(f.Tab2->testLaeuft());
    EXPECT_EQ(gestartet, 2);
    QTest::qWait(20);  // its late report changes nothing
    EXPECT_EQ(f.Tab2->BTesten->text(), "Systemtest starten");
}

TEST_F(Systemwahl, ATableThatMissesItsGuaranteeSaysSoInTheDescription) {
    f.show();
    Waehle(31);
    EXPECT_TRUE(f.LSysBeschreibung->text().contains("ohne volle 2er Garantie"));
    EXPECT_TRUE(f.LSysBeschreibung->text().contains("in keiner Tippreihe"));
    EXPECT_FALSE(f.LSysBeschreibung->text().contains("mit 2er Garantie"));
}

TEST_F(Systemwahl, TheQuotaKillerLinkOpensTheRandomTipsWindowOnceThereIsOne) {
    auto& v = Fensterverwaltung::Instanz();
    v.leeren();
    int geoeffnet = 0;
    v.registriere(Ziel::Zufall, {"FZufall", 1130, false, false, false, [&] {
                                     ++geoeffnet;
                                     return static_cast<QWidget*>(new QWidget);
                                 }});
    f.show();
    ASSERT_TRUE(f.Label23->isEnabled());
    Klick(f.Label23);
    EXPECT_EQ(geoeffnet, 1);
    QWidget* zufall = FindeFenster("FZufall");
    ASSERT_NE(zufall, nullptr);
    delete zufall;
    v.leeren();
}

TEST_F(Systemwahl, TheToolbarAndTheMenuOfTheMainWindowOpenIt) {
    f.setObjectName(QString());  // the program's own window is meant below
    FensterRegistrieren();
    std::unique_ptr<TFAuswertung> haupt(HauptfensterErzeugen());
    auto* fenster = qobject_cast<TFSystemwahl*>(FindeFenster("FSystemwahl"));
    ASSERT_NE(fenster, nullptr);  // created at start, hidden
    std::unique_ptr<TFSystemwahl> aufraeumen(fenster);
    EXPECT_FALSE(fenster->isVisible());
    QAction* knopf = haupt->findChild<QAction*>("BSystemWahl");
    ASSERT_NE(knopf, nullptr);
    EXPECT_TRUE(knopf->isEnabled());
    int menue = 0;
    for (QAction* a : haupt->menuBar()->findChildren<QAction*>())
        if (a->text() == "Spielsystem auswählen..." || a->text() == "mit &System") menue += a->isEnabled();
    EXPECT_EQ(menue, 2);
    knopf->trigger();
    EXPECT_TRUE(fenster->isVisible());
    EXPECT_EQ(fenster->windowTitle(), "Quintaro 1.3.1.0");
    EXPECT_EQ(fenster->findChild<QAction*>("BSystemWahl"), nullptr);  // no button for itself
    fenster->close();
    EXPECT_EQ(FindeFenster("FSystemwahl"), fenster);  // only hidden
}
