#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTest>

#include "app/start/programmstart.h"
#include "core/datei.h"
#include "gemeinsam/testziehung.h"
#include "core/ziehungsdatei.h"
#include "evaluation/ui/tfauswertung.h"
#include "evaluation/ui/zahlenknopf.h"
#include "evaluation/ui/ziehungsseite.h"
#include "testumgebung.h"

using namespace quintaro;

namespace {

class Hauptfenster : public Testumgebung {
protected:
    void SetUp() override {
        Testumgebung::SetUp();
        FensterRegistrieren();
    }
    // Sunday 2024-01-07, Saturday 2024-01-13 (a shifted Sunday draw), Wednesday 2024-01-17.
    void schreibeGeschichte() {
        ZiehungenSpeichern(datei(ZiehungsDateiName), {TestZiehung(DatumAus(2024, 1, 7), {1, 2, 3, 4, 5, 6}, 7, 0x11),
                                                      TestZiehung(DatumAus(2024, 1, 13), {8, 9, 10, 11, 12, 13}, 14),
                                                      TestZiehung(DatumAus(2024, 1, 17), {40, 3, 17, 25, 33, 9}, 21, 0x22)});
    }
    Ziehungsseite& seite() { return *fenster->ziehungsseite(); }
    void klicke(int zahl) { QTest::mouseClick(seite().PNummer[std::size_t(zahl)], Qt::LeftButton); }
    std::vector<ZahlAussehen> aussehen() {
        std::vector<ZahlAussehen> a;
        for (int n = 1; n <= 45; ++n) a.push_back(seite().PNummer[std::size_t(n)]->aussehen());
        return a;
    }
    std::unique_ptr<TFAuswertung> fenster;
};
}  // namespace

TEST_F(Hauptfenster, EmptyHistoryShowsEmptyChooserAndGrid) {
    SchreibeDateiAtomar(datei(ZiehungsDateiName), Bytes{});
    fenster = std::make_unique<TFAuswertung>();
    EXPECT_EQ(seite().Combo1->count(), 0);
    EXPECT_EQ(seite().G1->model()->rowCount(), 0);
    EXPECT_EQ(seite().LZT->text(), "0 Gewinnreihen");
    EXPECT_EQ(seite().Label5->text(), "Wählen Sie hier den Ziehungstag");
    EXPECT_TRUE(nachrichten.meldungen.empty());
}

TEST_F(Hauptfenster, NewestDrawIsShownOnThePickerAndTheGridIsNewestFirst) {
    schreibeGeschichte();
    fenster = std::make_unique<TFAuswertung>();
    EXPECT_EQ(seite().Combo1->count(), 3);
    EXPECT_EQ(seite().Combo1->currentText(), "17.01.2024");
    EXPECT_EQ(seite().LDay->text(), "Mittwoch");
    EXPECT_EQ(seite().Label5->text(), "Gewinnzahlen vom 17.01.2024");
    const auto a = aussehen();
    for (int n : {3, 9, 17, 25, 33, 40}) EXPECT_EQ(a[std::size_t(n - 1)], ZahlAussehen::Gewinnzahl) << n;
    EXPECT_EQ(a[20], ZahlAussehen::Zusatzzahl);
    EXPECT_EQ(std::count(a.begin(), a.end(), ZahlAussehen::Normal), 38);

    auto* modell = seite().G1->model();
    EXPECT_EQ(modell->rowCount(), 3);
    EXPECT_EQ(modell->index(0, 0).data().toString(), "17.01.2024");
    EXPECT_EQ(modell->index(0, 1).data().toInt(), 40);  // as stored
    EXPECT_EQ(modell->index(0, 7).data().toInt(), 21);
    EXPECT_EQ(modell->headerData(7, Qt::Horizontal).toString(), "ZZ");
    EXPECT_EQ(seite().LZT->text(), "3 Gewinnreihen");

    seite().Combo1->setCurrentIndex(0);
    EXPECT_EQ(seite().LDay->text(), "Sonntag");
    EXPECT_EQ(aussehen()[6], ZahlAussehen::Zusatzzahl);
    EXPECT_EQ(aussehen()[2], ZahlAussehen::Gewinnzahl);
}

TEST_F(Hauptfenster, SundayViewHoldsTheSaturdayDraw) {
    schreibeGeschichte();
    fenster = std::make_unique<TFAuswertung>();
    seite().RGV->button(1)->click();
    EXPECT_EQ(seite().G1->model()->rowCount(), 2);
    EXPECT_EQ(seite().G1->model()->index(0, 0).data().toString(), "13.01.2024");
    EXPECT_EQ(seite().LZT->text(), "2 Gewinnreihen");
    seite().RGV->button(2)->click();
    EXPECT_EQ(seite().G1->model()->rowCount(), 1);
}

TEST_F(Hauptfenster, ClickingAGridRowChoosesThatDraw) {
    schreibeGeschichte();
    fenster = std::make_unique<TFAuswertung>();
    fenster->show();
    QTableView* g1 = seite().G1;
    const struct {
        int ansicht, zeile, index;
    } faelle[] = {{0, 2, 0}, {0, 0, 2}, {1, 0, 1}, {1, 1, 0}, {2, 0, 2}};
    for (const auto& f : faelle) {
        seite().RGV->button(f.ansicht)->click();
        QApplication::processEvents();
        const QRect zelle = g1->visualRect(g1->model()->index(f.zeile, 3));
        QTest::mouseClick(g1->viewport(), Qt::LeftButton, {}, zelle.center());
        EXPECT_EQ(seite().Combo1->currentIndex(), f.index) << f.ansicht << " " << f.zeile;
        EXPECT_EQ(seite().Label5->text(), "Gewinnzahlen vom " + g1->model()->index(f.zeile, 0).data().toString());
    }
    // While a new draw is entered the chooser stays on its proposed date.
    QTest::mouseClick(seite().BHinzu, Qt::LeftButton);
    QTest::mouseClick(g1->viewport(), Qt::LeftButton, {}, g1->visualRect(g1->model()->index(0, 3)).center());
    EXPECT_EQ(seite().Combo1->currentIndex(), 3);
}

TEST_F(Hauptfenster, ADamagedDateShowsNoWeekday) {
    ZiehungenSpeichern(datei(ZiehungsDateiName), {TestZiehung(DatumAus(2024, 1, 7), {1, 2, 3, 4, 5, 6}, 7),
                                                  TestZiehung(1e12, {8, 9, 10, 11, 12, 13}, 14)});
    fenster = std::make_unique<TFAuswertung>();
    ASSERT_EQ(seite().Combo1->count(), 2);
    EXPECT_EQ(seite().Combo1->currentText(), "?");
    EXPECT_EQ(seite().LDay->text(), "");
    seite().Combo1->setCurrentIndex(0);
    EXPECT_EQ(seite().LDay->text(), "Sonntag");
}

TEST_F(Hauptfenster, PickerClickRules) {
    schreibeGeschichte();
    fenster = std::make_unique<TFAuswertung>();
    // Shown: 3 9 17 25 33 40 with Zusatzzahl 21. A seventh number becomes the new Zusatzzahl.
    klicke(44);
    EXPECT_EQ(aussehen()[43], ZahlAussehen::Zusatzzahl);
    EXPECT_EQ(aussehen()[20], ZahlAussehen::Normal);
    EXPECT_EQ(seite().wahl().zusatzzahl(), 44);
    klicke(44);  // unchoosing the Zusatzzahl
    EXPECT_EQ(seite().wahl().zusatzzahl(), 0);
    klicke(3);  // unchoosing a winning number
    EXPECT_EQ(seite().wahl().anzahl(), 5);
    klicke(5);
    EXPECT_EQ(aussehen()[4], ZahlAussehen::Gewinnzahl);
    QTest::mouseClick(seite().BDel, Qt::LeftButton);
    EXPECT_EQ(seite().wahl().anzahl(), 0);
    const auto a = aussehen();
    EXPECT_EQ(std::count(a.begin(), a.end(), ZahlAussehen::Normal), 45);
}

TEST_F(Hauptfenster, AddingADrawAfterAWednesdayAppendsTheFollowingSunday) {
    schreibeGeschichte();
    const Bytes vorher = LiesDatei(datei(ZiehungsDateiName));
    fenster = std::make_unique<TFAuswertung>();
    QTest::mouseClick(seite().BHinzu, Qt::LeftButton);
    EXPECT_EQ(seite().BHinzu->text(), "Abbrechen");
    EXPECT_EQ(seite().Combo1->count(), 4);
    EXPECT_EQ(seite().Combo1->currentText(), "21.01.2024");
    EXPECT_EQ(seite().LDay->text(), "Sonntag");
    EXPECT_EQ(seite().Label5->text(), "Gewinnzahlen vom 21.01.2024");
    EXPECT_EQ(seite().wahl().anzahl(), 0);

    for (int n : {45, 2, 30, 11, 19, 7}) klicke(n);
    // Six numbers but no Zusatzzahl: refused, nothing changes.
    QTest::mouseClick(seite().BSpeichern, Qt::LeftButton);
    ASSERT_EQ(nachrichten.meldungen.size(), 1u);
    EXPECT_EQ(nachrichten.meldungen[0].art, NachrichtenAttrappe::Art::Fehler);
    EXPECT_EQ(nachrichten.meldungen[0].text,
              "Bitte geben Sie sechs Gewinnzahlen und die Zusatzzahl an.\n\nIch breche erst einmal ab.");
    EXPECT_EQ(LiesDatei(datei(ZiehungsDateiName)), vorher);
    EXPECT_EQ(Daten().GZListe.size(), 3u);

    klicke(12);
    QTest::mouseClick(seite().BSpeichern, Qt::LeftButton);
    const Bytes nachher = LiesDatei(datei(ZiehungsDateiName));
    ASSERT_EQ(nachher.size(), vorher.size() + 16);
    EXPECT_TRUE(std::equal(vorher.begin(), vorher.end(), nachher.begin()));  // filler bytes included
    EXPECT_EQ(GewZahlenAus(nachher.data() + 48), TestZiehung(DatumAus(2024, 1, 21), {2, 7, 11, 19, 30, 45}, 12));
    EXPECT_EQ(seite().BHinzu->text(), "Neue Ziehung");
    EXPECT_EQ(seite().Combo1->count(), 4);
    EXPECT_EQ(seite().Combo1->currentIndex(), 3);
    EXPECT_EQ(seite().LZT->text(), "4 Gewinnreihen");
    EXPECT_EQ(Daten().GZListeSo.size(), 3u);
}

TEST_F(Hauptfenster, CancellingAddingModeRemovesTheProposedDate) {
    schreibeGeschichte();
    fenster = std::make_unique<TFAuswertung>();
    QTest::mouseClick(seite().BHinzu, Qt::LeftButton);
    QTest::mouseClick(seite().BHinzu, Qt::LeftButton);
    EXPECT_EQ(seite().BHinzu->text(), "Neue Ziehung");
    EXPECT_EQ(seite().Combo1->count(), 3);
    EXPECT_EQ(seite().Combo1->currentIndex(), 2);
}

TEST_F(Hauptfenster, CorrectingAStoredDrawKeepsItsDateAndFiller) {
    schreibeGeschichte();
    fenster = std::make_unique<TFAuswertung>();
    seite().Combo1->setCurrentIndex(0);
    klicke(6);   // 1 2 3 4 5 + ZZ 7
    klicke(45);  // 1 2 3 4 5 45 + ZZ 7
    const Bytes vorher = LiesDatei(datei(ZiehungsDateiName));
    nachrichten.antworten = {Nachrichtendienst::Antwort::Nein};
    QTest::mouseClick(seite().BSpeichern, Qt::LeftButton);
    ASSERT_EQ(nachrichten.meldungen.size(), 1u);
    EXPECT_EQ(nachrichten.meldungen[0].art, NachrichtenAttrappe::Art::Frage);
    EXPECT_EQ(nachrichten.meldungen[0].text,
              "Die Ziehung vom 07.01.2024 wird mit den gewählten Zahlen überschrieben.\n\nSoll ich sie wirklich ändern?");
    EXPECT_EQ(LiesDatei(datei(ZiehungsDateiName)), vorher);

    QTest::mouseClick(seite().BSpeichern, Qt::LeftButton);  // answered Yes
    EXPECT_EQ(nachrichten.meldungen.size(), 2u);
    const Bytes roh = LiesDatei(datei(ZiehungsDateiName));
    ASSERT_EQ(roh.size(), 48u);
    EXPECT_EQ(GewZahlenAus(roh.data()), TestZiehung(DatumAus(2024, 1, 7), {1, 2, 3, 4, 5, 45}, 7, 0x11));
    EXPECT_EQ(seite().Combo1->currentIndex(), 0);
}

TEST_F(Hauptfenster, EmptyHistoryOffersTheDownloadAndProposesTheLastDrawDay) {
    fenster = std::make_unique<TFAuswertung>();
    // Asked again on the second click below; both times the download is declined.
    nachrichten.antworten = {Nachrichtendienst::Antwort::Nein, Nachrichtendienst::Antwort::Nein};
    QTest::mouseClick(seite().BHinzu, Qt::LeftButton);
    ASSERT_EQ(nachrichten.meldungen.size(), 1u);
    EXPECT_EQ(nachrichten.meldungen[0].art, NachrichtenAttrappe::Art::Frage);
    EXPECT_EQ(nachrichten.meldungen[0].text, "Es fehlen jegliche Gewinnreihen.\n\nSoll ich deren Download gleich starten?");
    EXPECT_EQ(seite().Combo1->count(), 1);
    EXPECT_EQ(seite().Combo1->currentText().toStdString(), DatumText(LetzteZiehungVor(Heute())));
    // Saving without a selected draw outside adding mode is refused.
    QTest::mouseClick(seite().BHinzu, Qt::LeftButton);
    // Cancelling left no draw: nothing is named any more.
    EXPECT_EQ(seite().Combo1->count(), 0);
    EXPECT_EQ(seite().LDay->text(), "");
    EXPECT_EQ(seite().Label5->text(), "Wählen Sie hier den Ziehungstag");
    for (int n : {1, 2, 3, 4, 5, 6, 7}) klicke(n);
    QTest::mouseClick(seite().BSpeichern, Qt::LeftButton);
    EXPECT_EQ(nachrichten.meldungen.back().art, NachrichtenAttrappe::Art::Fehler);
    EXPECT_FALSE(std::filesystem::exists(datei(ZiehungsDateiName)));
}

TEST_F(Hauptfenster, AFailedWriteChangesNeitherFileNorListAndKeepsAddingMode) {
    schreibeGeschichte();
    const Bytes vorher = LiesDatei(datei(ZiehungsDateiName));
    fenster = std::make_unique<TFAuswertung>();
    std::filesystem::permissions(datei(ZiehungsDateiName), std::filesystem::perms::owner_read);  // blocks the write
    QTest::mouseClick(seite().BHinzu, Qt::LeftButton);
    for (int n : {1, 2, 3, 4, 5, 6, 7}) klicke(n);
    QTest::mouseClick(seite().BSpeichern, Qt::LeftButton);
    ASSERT_EQ(nachrichten.meldungen.size(), 1u);
    EXPECT_TRUE(nachrichten.meldungen[0].text.contains("GZ.645"));
    EXPECT_EQ(Daten().GZListe.size(), 3u);
    EXPECT_EQ(LiesDatei(datei(ZiehungsDateiName)), vorher);
    EXPECT_EQ(seite().BHinzu->text(), "Abbrechen");

    std::filesystem::permissions(datei(ZiehungsDateiName), std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    QTest::mouseClick(seite().BSpeichern, Qt::LeftButton);  // trying again appends once
    EXPECT_EQ(Daten().GZListe.size(), 4u);
    EXPECT_EQ(DateiGroesse(datei(ZiehungsDateiName)), 64);
}

TEST_F(Hauptfenster, ADamagedHistoryIsLoadedAsItStandsAndReportedOnce) {
    schreibeGeschichte();
    Bytes roh = LiesDatei(datei(ZiehungsDateiName));
    roh[16 + 8] = 99;  // second draw: number outside 1..45
    roh.push_back(7);
    SchreibeDateiAtomar(datei(ZiehungsDateiName), roh);
    fenster = std::make_unique<TFAuswertung>();
    EXPECT_EQ(Daten().GZListe.size(), 3u);
    ASSERT_EQ(nachrichten.meldungen.size(), 1u);
    EXPECT_EQ(nachrichten.meldungen[0].art, NachrichtenAttrappe::Art::Fehler);
    EXPECT_TRUE(nachrichten.meldungen[0].text.contains("\"GZ.645\""));
    EXPECT_TRUE(nachrichten.meldungen[0].text.contains("Nr. 2 (13.01.2024)"));
    EXPECT_EQ(LiesDatei(datei(ZiehungsDateiName)), roh);
}
