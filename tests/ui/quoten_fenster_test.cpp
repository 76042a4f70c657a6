// The quota editor driven through its widgets.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QToolButton>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <fstream>

#include "core/datei.h"
#include "core/einstellungen.h"
#include "evaluation/ui/frscheine.h"
#include "quotas/quotenliste.h"
#include "quotas/ui/quotenmodell.h"
#include "quotas/ui/tfqtool.h"
#include "quotas/ui/tfquoten.h"
#include "quotas/ui/tqedit.h"
#include "ui_umgebung.h"

using namespace quintaro;

namespace {
class QuotenFenster : public Scheintestumgebung {
protected:
    void TearDown() override {
        delete fenster.data();
        Scheintestumgebung::TearDown();
    }
    void Oeffnen(TDatum heute) {
        delete fenster.data();
        fenster = new TFQuoten(nullptr, heute);
        fenster->show();
    }
    void Speichern(std::vector<TQuoten> quoten) { QuotenSpeichern(datei("Quo.645"), quoten); }
    static TQuoten Satz(TDatum d) {
        TQuoten q;
        q.datum = d;
        q.q = StandardQuoten;
        return q;
    }
    QString Zelle(int zeile, int spalte) const {
        const QAbstractItemModel* m = fenster->G1->model();
        return m->data(m->index(zeile, spalte)).toString();
    }
    int Zeilen() const { return fenster->G1->model()->rowCount(); }
    void Eingeben(int klasse, const QString& text) {
        fenster->quotenEdit(klasse)->clear();
        QTest::keyClicks(fenster->quotenEdit(klasse), text);
    }
    std::vector<TQuoten> Datei() const { return QuotenLaden(datei("Quo.645")).quoten; }

    QPointer<TFQuoten> fenster;
    const TDatum sonntag = DatumAus(2024, 3, 3);
};
}  // namespace

TEST_F(QuotenFenster, OpeningAddsTheMissingDrawDaysAndSavesAtOnce) {
    Speichern({Satz(sonntag - 3), Satz(sonntag)});
    Oeffnen(sonntag + 4);  // the Thursday after
    EXPECT_EQ(fenster->windowTitle(), "Quintaro 1.3.1.0");
    const QAbstractItemModel* m = fenster->G1->model();
    ASSERT_EQ(m->columnCount(), 9);
    EXPECT_EQ(m->headerData(0, Qt::Horizontal).toString(), "Ziehung");
    EXPECT_EQ(m->headerData(1, Qt::Horizontal).toString(), "   6 Richtige");
    EXPECT_EQ(m->headerData(8, Qt::Horizontal).toString(), "0 + ZZ");
    ASSERT_EQ(Zeilen(), 3);
    EXPECT_EQ(Zelle(2, 0), "06.03.2024");
    EXPECT_EQ(Zelle(2, 1), "1.748.907,28");
    EXPECT_EQ(Zelle(2, 8), "1,20");
    EXPECT_EQ(m->data(m->index(2, 3), Qt::TextAlignmentRole).toInt(), int(Qt::AlignRight | Qt::AlignVCenter));
    EXPECT_EQ(DateiGroesse(datei("Quo.645")), 3 * 72);
    EXPECT_EQ(Daten().QuotenListe.size(), 3u);
    EXPECT_EQ(fenster->Combo1->count(), 3);
    EXPECT_EQ(fenster->Combo1->currentText(), "06.03.2024");
    EXPECT_EQ(fenster->quotenEdit(8)->text(), "1,20");
    EXPECT_TRUE(fenster->quotenEdit(1)->text().isEmpty());
    EXPECT_FALSE(fenster->geaendert());

    // A second opening on the same day appends nothing but writes the file again.
    const auto alt = std::filesystem::file_time_type::clock::now() - std::chrono::hours(5);
    std::filesystem::last_write_time(datei("Quo.645"), alt);
    Oeffnen(sonntag + 4);
    EXPECT_EQ(Zeilen(), 3);
    EXPECT_EQ(DateiGroesse(datei("Quo.645")), 3 * 72);
    EXPECT_GT(std::filesystem::last_write_time(datei("Quo.645")), alt);
    EXPECT_TRUE(nachrichten.meldungen.empty());
}

TEST_F(QuotenFenster, WithoutRecordsTheGridStartsWithTheFirstDrawOfRealQuotas) {
    for (bool leereDatei : {false, true}) {
        SCOPED_TRACE(leereDatei);
        std::filesystem::remove(datei("Quo.645"));
        if (leereDatei) Speichern({});
        Oeffnen(DatumAus(2019, 1, 13));
        ASSERT_EQ(Zeilen(), 4);
        EXPECT_EQ(Zelle(0, 0), "02.01.2019");
        EXPECT_EQ(Zelle(3, 0), "13.01.2019");
        EXPECT_EQ(Datei().size(), 4u);
        EXPECT_EQ(Datei()[0].q, StandardQuoten);
    }
    EXPECT_TRUE(nachrichten.meldungen.empty());
}

TEST_F(QuotenFenster, QuotaEditsTakeOnlyDigitsAndTheComma) {
    Oeffnen(DatumAus(2019, 1, 2));
    Eingeben(3, "1a.2,5 x-");
    EXPECT_EQ(fenster->quotenEdit(3)->text(), "12,5");
    EXPECT_EQ(fenster->quotenEdit(3)->alignment(), Qt::AlignRight | Qt::AlignVCenter);
    EXPECT_TRUE(fenster->quotenEdit(3)->font().bold());
}

TEST_F(QuotenFenster, ReplaceChangesOnlyTheFilledClassesAndClosingAsks) {
    Speichern({Satz(sonntag), Satz(sonntag + 3)});
    Oeffnen(sonntag + 3);
    const Bytes vorher = LiesDatei(datei("Quo.645"));
    fenster->Combo1->setCurrentIndex(0);
    Eingeben(1, "2345678,90");
    Eingeben(8, "1,50");
    QTest::mouseClick(fenster->bsSkinSpeedButton3, Qt::LeftButton);
    EXPECT_EQ(Zelle(0, 1), "2345678,90");
    EXPECT_EQ(Zelle(0, 8), "1,50");
    for (int k = 2; k <= 7; ++k) EXPECT_EQ(Zelle(0, k), Zelle(1, k)) << k;
    EXPECT_EQ(Zelle(1, 1), "1.748.907,28");
    EXPECT_TRUE(fenster->geaendert());

    // Cancel keeps the window, No closes without saving.
    nachrichten.antworten = {Nachrichtendienst::Antwort::Abbrechen, Nachrichtendienst::Antwort::Nein};
    fenster->close();
    EXPECT_TRUE(fenster->isVisible());
    ASSERT_EQ(nachrichten.meldungen.size(), 1u);
    EXPECT_EQ(nachrichten.meldungen[0].text,
              "Gegebenenfalls geänderte Quoten wurden noch nicht gespeichert.\n\nWollen Sie die Änderungen jetzt speichern?");
    fenster->close();
    EXPECT_FALSE(fenster->isVisible());
    EXPECT_EQ(LiesDatei(datei("Quo.645")), vorher);
}

TEST_F(QuotenFenster, YesOnClosingSavesAndTheEvaluationPricesWithTheNewQuotas) {
    // A ticket with the six numbers of the draw of 2019-01-02.
    Daten().GZListe = {TestZiehung(DatumAus(2019, 1, 2), {1, 2, 3, 4, 5, 6}, 7)};
    std::ofstream(datei("a.nqtr"), std::ios::binary) << "1,2,3,4,5,6\r\n";
    TFFrScheineN rahmen;
    rahmen.DateiLaden(datei("a.nqtr"));
    rahmen.setzeZiehungsauswahl(Auswahl());
    rahmen.StartClick();
    EXPECT_EQ(rahmen.LGesGewinn->text(), "1.748.907,28 €");

    Oeffnen(DatumAus(2019, 1, 6));
    fenster->Combo1->setCurrentIndex(0);
    Eingeben(1, "2345678,90");
    QTest::mouseClick(fenster->bsSkinSpeedButton3, Qt::LeftButton);
    fenster->close();  // the question is answered Yes
    EXPECT_FALSE(fenster->isVisible());
    ASSERT_EQ(Datei().size(), 2u);
    EXPECT_EQ(Datei()[0].q[1], 23456789000);

    rahmen.StartClick();
    EXPECT_EQ(rahmen.LGesGewinn->text(), "2.345.678,90 €");
}

TEST_F(QuotenFenster, ABadQuotaStopsSavingNamesTheRowAndKeepsTheFile) {
    Speichern({Satz(sonntag), Satz(sonntag + 3)});
    Oeffnen(sonntag + 3);
    const Bytes vorher = LiesDatei(datei("Quo.645"));
    fenster->Combo1->setCurrentIndex(1);
    Eingeben(4, "1,2,3");
    QTest::mouseClick(fenster->bsSkinSpeedButton3, Qt::LeftButton);
    QTest::mouseClick(fenster->bsSkinSpeedButton2, Qt::LeftButton);
    ASSERT_EQ(nachrichten.meldungen.size(), 1u);
    EXPECT_EQ(nachrichten.meldungen[0].art, NachrichtenAttrappe::Art::Fehler);
    EXPECT_EQ(nachrichten.meldungen[0].text,
              "Zeile 2 (Ziehung 06.03.2024): Die Quote für \"4 Ri. + ZZ\" \"1,2,3\" ist kein gültiger Betrag.\n\n"
              "Die Quoten wurden nicht gespeichert; die Datei \"Quo.645\" ist unverändert.");
    EXPECT_EQ(LiesDatei(datei("Quo.645")), vorher);
    EXPECT_TRUE(fenster->geaendert());

    // Yes on closing cannot save either: the window stays open with the typed quotas.
    fenster->close();
    EXPECT_TRUE(fenster->isVisible());
    EXPECT_EQ(Zelle(1, 4), "1,2,3");
    EXPECT_EQ(LiesDatei(datei("Quo.645")), vorher);
}

TEST_F(QuotenFenster, AFailedWriteKeepsTheFileTheWindowAndTheTypedQuotas) {
    Speichern({Satz(sonntag), Satz(sonntag + 3)});
    Oeffnen(sonntag + 3);
    const Bytes vorher = LiesDatei(datei("Quo.645"));
    std::filesystem::permissions(datei("Quo.645"), std::filesystem::perms::owner_read);  // blocks the write
    fenster->Combo1->setCurrentIndex(0);
    Eingeben(1, "2345678,90");
    QTest::mouseClick(fenster->bsSkinSpeedButton3, Qt::LeftButton);
    QTest::mouseClick(fenster->bsSkinSpeedButton2, Qt::LeftButton);
    ASSERT_EQ(nachrichten.meldungen.size(), 1u);
    EXPECT_EQ(nachrichten.meldungen[0].art, NachrichtenAttrappe::Art::Fehler);
    EXPECT_TRUE(nachrichten.meldungen[0].text.contains("\"Quo.645\""));
    EXPECT_EQ(LiesDatei(datei("Quo.645")), vorher);
    EXPECT_TRUE(fenster->isVisible());
    EXPECT_TRUE(fenster->geaendert());
    EXPECT_EQ(Zelle(0, 1), "2345678,90");

    // Yes on closing meets the same wall: the window stays; once the file may be written, saving goes through.
    fenster->close();
    EXPECT_TRUE(fenster->isVisible());
    EXPECT_EQ(LiesDatei(datei("Quo.645")), vorher);
    std::filesystem::permissions(datei("Quo.645"), std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
    QTest::mouseClick(fenster->bsSkinSpeedButton2, Qt::LeftButton);
    EXPECT_EQ(Datei()[0].q[1], 23456789000);
    EXPECT_FALSE(fenster->geaendert());
}

TEST_F(QuotenFenster, ReplaceWithoutAChosenDrawSaysSoAndChangesNothing) {
    Oeffnen(DatumAus(2019, 1, 6));
    fenster->Combo1->setCurrentIndex(-1);
    Eingeben(1, "5,00");
    QTest::mouseClick(fenster->bsSkinSpeedButton3, Qt::LeftButton);
    ASSERT_EQ(nachrichten.meldungen.size(), 1u);
    EXPECT_EQ(nachrichten.meldungen[0].text,
              "Bitte wählen Sie unter \"Ziehung\" zuerst die Ziehung, deren Quoten ersetzt werden sollen.\n\n"
              "Ich breche erst einmal ab.");
    EXPECT_EQ(Zelle(0, 1), "1.748.907,28");
    EXPECT_EQ(Zelle(1, 1), "1.748.907,28");
    EXPECT_FALSE(fenster->geaendert());
}

TEST_F(QuotenFenster, RemembersItsPosition) {
    Einstellungen().schreibeZahl("Fenster", "Quoten-Left", 40);
    Einstellungen().schreibeZahl("Fenster", "Quoten-Top", 30);
    Oeffnen(DatumAus(2019, 1, 2));
    EXPECT_EQ(fenster->pos(), QPoint(40, 30));
    fenster->move(120, 90);
    fenster->close();
    const Einstellungen ini;
    EXPECT_EQ(ini.leseZahl("Fenster", "Quoten-Left", 0), 120);
    EXPECT_EQ(ini.leseZahl("Fenster", "Quoten-Top", 0), 90);
}

TEST_F(QuotenFenster, AnUnreadableFileIsReportedAndNeverWrittenOver) {
    std::filesystem::create_directory(datei("Quo.645"));
    Oeffnen(DatumAus(2019, 1, 6));
    ASSERT_EQ(nachrichten.meldungen.size(), 1u);
    EXPECT_EQ(nachrichten.meldungen[0].art, NachrichtenAttrappe::Art::Fehler);
    EXPECT_TRUE(nachrichten.meldungen[0].text.contains("Quo.645"));
    EXPECT_EQ(Zeilen(), 0);
    EXPECT_FALSE(fenster->BSave->isEnabled());
    EXPECT_FALSE(fenster->bsSkinSpeedButton2->isEnabled());
    EXPECT_FALSE(fenster->bsSkinSpeedButton3->isEnabled());
    EXPECT_TRUE(std::filesystem::is_directory(datei("Quo.645")));
}
