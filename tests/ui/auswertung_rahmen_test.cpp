// The evaluation frames driven like a user: choose draws, start, read the results.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTableView>
#include <QTest>
#include <fstream>

#include "core/datum.h"
#include "core/scheindateien.h"
#include "evaluation/ui/frscheine.h"
#include "evaluation/ui/tabellenmodelle.h"
#include "systems/ui/scheinbild.h"
#include "ui_umgebung.h"

using namespace quintaro;

namespace {
class Rahmen : public Scheintestumgebung {
protected:
    void SetUp() override {
        Scheintestumgebung::SetUp();
        // So 2010-09-05, Mi 2010-09-08, So 2010-09-12.
        Daten().GZListe = {TestZiehung(DatumAus(2010, 9, 5), {1, 2, 3, 4, 5, 6}, 7),
                           TestZiehung(DatumAus(2010, 9, 8), {1, 2, 3, 4, 5, 6}, 7),
                           TestZiehung(DatumAus(2010, 9, 12), {40, 41, 42, 43, 44, 45}, 39)};
    }
    void Schein(const std::string& name, const std::string& inhalt) {
        std::ofstream(datei(name), std::ios::binary) << inhalt;
    }
    QString Zelle(const AuswertungsRahmen& r, int zeile, int spalte) {
        const auto& m = r.ergebnisModell();
        return m.data(m.index(zeile, spalte), Qt::DisplayRole).toString();
    }
};
}  // namespace

TEST_F(Rahmen, NormalTicketEvaluatesAPeriodAndShowsTotalAndHighestWin) {
    Schein("a.nqtr", "30,31,32,33,34,35\r\n1,2,3,4,20,21\r\n1,2,3,4,5,6\r\n");
    TFFrScheineN r;
    r.DateiLaden(datei("a.nqtr"));
    EXPECT_EQ(r.LDatei->text(), "a.nqtr");
    EXPECT_EQ(r.LReihen->text(), "3");
    EXPECT_EQ(r.G3->model()->rowCount(), 3);
    EXPECT_EQ(r.startKnopf->objectName(), "bsSkinSpeedButton2");
    r.setzeZiehungsauswahl(Auswahl());
    EXPECT_EQ(r.Combo1->currentIndex(), 2);
    EXPECT_EQ(r.combo2->currentIndex(), 1);

    r.combo2->setCurrentIndex(0);
    r.cbBack->setChecked(true);
    QTest::mouseClick(r.startKnopf, Qt::LeftButton);
    ASSERT_TRUE(nachrichten.meldungen.empty());
    const auto& m = r.ergebnisModell();
    ASSERT_EQ(m.rowCount(), 5);
    EXPECT_EQ(Zelle(r, 0, 0), "05.09.2010 (So)");
    EXPECT_EQ(Zelle(r, 1, 0), "");
    EXPECT_EQ(Zelle(r, 3, 3), "1.748.907,28");
    EXPECT_EQ(Zelle(r, 4, 1), "---");
    EXPECT_EQ(r.LGesGewinn->text(), "3.163.600,68 €");
    EXPECT_EQ(r.LHGew->text(), "1.748.907,28 €");
    EXPECT_EQ(r.LHGewWann->text(), "08.09.2010");
    EXPECT_EQ(r.hoechstgewinnZeile(), 4);
    EXPECT_EQ(m.data(m.index(3, 2), Qt::BackgroundRole).value<QColor>(), HoechstgewinnFarbe);
    EXPECT_EQ(m.data(m.index(2, 2), Qt::BackgroundRole).value<QColor>(), QColor(Qt::white));
    EXPECT_TRUE(m.data(m.index(3, 1), Qt::FontRole).value<QFont>().bold());
    EXPECT_EQ(m.headerData(3, Qt::Horizontal, Qt::DisplayRole).toString(), "Gewinn in €");
}

TEST_F(Rahmen, RefusalsLeaveTheGridAndEmptyTheLabels) {
    Schein("a.nqtr", "1,2,3,4,5,6\r\n");
    TFFrScheineN r;
    r.DateiLaden(datei("a.nqtr"));
    r.setzeZiehungsauswahl(Auswahl());
    r.StartClick();
    ASSERT_EQ(r.ergebnisModell().rowCount(), 1);
    EXPECT_EQ(r.LHGew->text(), "0,00 €");

    r.cbBack->setChecked(true);
    r.Combo1->setCurrentIndex(0);
    r.combo2->setCurrentIndex(2);
    r.StartClick();
    ASSERT_EQ(nachrichten.meldungen.size(), 1u);
    EXPECT_EQ(nachrichten.meldungen[0].art, NachrichtenAttrappe::Art::Information);
    EXPECT_EQ(nachrichten.meldungen[0].text,
              "Bitte kontrollieren Sie die Angaben für den Zeitraum der Gewinnauswertung\n\nIch breche erst einmal ab.");
    EXPECT_EQ(r.ergebnisModell().rowCount(), 1);
    EXPECT_EQ(r.LGesGewinn->text(), "");
    EXPECT_EQ(r.LHGew->text(), "");

    // The main window's proposed date: an item without a stored draw.
    r.setzeZiehungsauswahl(Auswahl() << "16.09.2010");
    r.cbBack->setChecked(false);
    r.Combo1->setCurrentIndex(3);
    r.StartClick();
    ASSERT_EQ(nachrichten.meldungen.size(), 2u);
    EXPECT_TRUE(nachrichten.meldungen[1].text.contains("noch keine Gewinnzahlen gespeichert"));
}

TEST_F(Rahmen, ARowThatIsNoNumberIsAnErrorAndClearsTheResults) {
    Schein("gut.nqtr", "1,2,3,4,5,6\r\n");
    Schein("x.nqtr", "1,2,3,4,5,6\r\n1,2,x,4,5,6\r\n");
    TFFrScheineN r;
    r.DateiLaden(datei("gut.nqtr"));
    r.setzeZiehungsauswahl(Auswahl());
    r.StartClick();
    ASSERT_EQ(r.ergebnisModell().rowCount(), 1);
    r.DateiLaden(datei("x.nqtr"));
    r.StartClick();
    ASSERT_EQ(nachrichten.meldungen.size(), 1u);
    EXPECT_EQ(nachrichten.meldungen[0].art, NachrichtenAttrappe::Art::Fehler);
    EXPECT_TRUE(nachrichten.meldungen[0].text.contains("'x'"));
    EXPECT_EQ(r.ergebnisModell().rowCount(), 0);
    EXPECT_EQ(r.LGesGewinn->text(), "");
}

TEST_F(Rahmen, ChoosersKeepTheirChoiceWhenTheDrawListChanges) {
    Schein("a.nqtr", "1,2,3,4,5,6\r\n");
    TFFrScheineN r;
    r.setzeZiehungsauswahl(Auswahl());
    r.Combo1->setCurrentIndex(1);
    Daten().GZListe.push_back(TestZiehung(DatumAus(2010, 9, 15), {1, 2, 3, 4, 5, 6}, 7));
    r.setzeZiehungsauswahl(Auswahl());
    EXPECT_EQ(r.Combo1->count(), 4);
    EXPECT_EQ(r.Combo1->currentText(), "08.09.2010");
    EXPECT_EQ(r.combo2->currentText(), "08.09.2010");
    // A chosen item that no longer exists falls back to the newest draws.
    Daten().GZListe.erase(Daten().GZListe.begin() + 1);
    r.setzeZiehungsauswahl(Auswahl());
    EXPECT_EQ(r.Combo1->currentText(), "15.09.2010");
    EXPECT_EQ(r.combo2->currentText(), "12.09.2010");
}

TEST_F(Rahmen, BZeigScrollsTheHighestWinIntoView) {
    // 300 draws; only draw 250 is hit, so its line lies far below the first screen.
    Daten().GZListe.clear();
    for (int i = 0; i < 300; ++i)
        Daten().GZListe.push_back(TestZiehung(DatumAus(2011, 1, 2) + 7 * i,
                                                      i == 249 ? std::array{1, 2, 3, 4, 5, 6} : std::array{40, 41, 42, 43, 44, 45},
                                                      39));
    Schein("a.nqtr", "1,2,3,4,5,6\r\n");
    TFFrScheineN r;
    r.resize(900, 500);
    r.show();
    r.DateiLaden(datei("a.nqtr"));
    r.setzeZiehungsauswahl(Auswahl());
    r.cbBack->setChecked(true);
    r.combo2->setCurrentIndex(0);
    r.StartClick();
    ASSERT_EQ(r.hoechstgewinnZeile(), 250);
    QCoreApplication::processEvents();
    EXPECT_GT(r.ergebnisTabelle->rowViewportPosition(249), r.ergebnisTabelle->viewport()->height());
    QTest::mouseClick(r.BZeig, Qt::LeftButton);
    const int y = r.ergebnisTabelle->rowViewportPosition(249);
    EXPECT_GE(y, 0);
    EXPECT_LE(y + r.ergebnisTabelle->rowHeight(249), r.ergebnisTabelle->viewport()->height());
}

TEST_F(Rahmen, SystemTicketShowsItsFormCodeAndRowsWithGreenBankers) {
    SystemscheinSpeichern(SystemscheinBauen(12, {9, 44}, {1, 2, 3, 4, 5, 6}), datei("s.sqtr"));
    std::vector<TZahlenMenge> bankMengen(2);
    TFFrScheine r;
    r.DateiLaden(datei("s.sqtr"), bankMengen);
    EXPECT_EQ(r.LBez->text(), "206");
    EXPECT_EQ(r.LDatei->text(), "s.sqtr");
    EXPECT_EQ(r.bankIndex(), 2);
    EXPECT_EQ(bankMengen[2], (TZahlenMenge{9, 44}));
    EXPECT_EQ(r.startKnopf->objectName(), "BStart");
    EXPECT_EQ(r.bild->systemKreuz(), 12);
    EXPECT_EQ(r.bild->bankKreuze(), (TZahlenMenge{9, 44}));
    EXPECT_EQ(r.bild->wahlKreuze().anzahl(), 6);

    const auto* m = r.G4->model();
    ASSERT_EQ(m->rowCount(), 15);
    for (int zeile = 0; zeile < 15; ++zeile) {
        int gruen = 0;
        for (int spalte = 1; spalte <= 6; ++spalte)
            gruen += m->data(m->index(zeile, spalte), Qt::BackgroundRole).value<QColor>() == BankzahlFarbe;
        EXPECT_EQ(gruen, 2) << "row " << zeile + 1;
    }
    EXPECT_EQ(m->data(m->index(0, 0), Qt::BackgroundRole).value<QColor>(), QColor(Qt::white));

    EXPECT_EQ(r.ansicht->currentIndex(), 0);
    QTest::mouseClick(r.BAlsReihen, Qt::LeftButton);
    EXPECT_EQ(r.ansicht->currentIndex(), 1);
    QTest::mouseClick(r.BZurueck, Qt::LeftButton);
    EXPECT_EQ(r.ansicht->currentIndex(), 0);

    r.setzeZiehungsauswahl(Auswahl());
    r.Combo1->setCurrentIndex(1);
    r.StartClick();
    // Draw 1..6 with ZZ 7: rows holding 1..4 with both bankers hit four ("4" = 41,05 €).
    EXPECT_EQ(r.ergebnisModell().rowCount(), 15);
    EXPECT_EQ(r.LHGew->text(), "41,05 €");
}
