// The normal ticket entry driven like a user: clicks, typed and pasted text,
// the transfer with its questions and errors, files in and out.
#include <gtest/gtest.h>

#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableView>
#include <QTest>

#include "app/mappe/mappendatei.h"
#include "app/start/programmstart.h"
#include "app/ui/tabellendienst.h"
#include "app/ui/fensterverwaltung.h"
#include "core/datei.h"
#include "core/datum.h"
#include "core/einstellungen.h"
#include "core/scheindateien.h"
#include "entry/reihenuebertragung.h"
#include "entry/ui/tfeingabe.h"
#include "evaluation/beispielscheine.h"
#include "evaluation/ui/frscheine.h"
#include "evaluation/ui/tabellenmodelle.h"
#include "ui_umgebung.h"

using namespace quintaro;
using Antwort = Nachrichtendienst::Antwort;

namespace {
// A row of a table as shown: label and the six numbers.
QStringList Zeile(QTableView* tabelle, int reihe) {
    QStringList zellen;
    const auto* m = tabelle->model();
    for (int c = 0; c < m->columnCount(); ++c) zellen << m->data(m->index(reihe - 1, c)).toString();
    return zellen;
}

class Eingabe : public Scheintestumgebung {
protected:
    void Klick(QPushButton* knopf) { QTest::mouseClick(knopf, Qt::LeftButton); }
    void Zahlen(std::initializer_list<int> zahlen) {
        for (int z : zahlen) Klick(fenster.lotE[std::size_t(z - 1)]);
    }
    void Uebertragen(const QString& text) {
        fenster.M1->setPlainText(text);
        Klick(fenster.BUebertragen);
    }
    static int Reihen(QTableView* tabelle) { return tabelle->model()->rowCount(); }
    QString Text() const { return fenster.M1->toPlainText(); }
    std::string Inhalt(const std::filesystem::path& d) const {
        const Bytes b = LiesDatei(d);
        return std::string(b.begin(), b.end());
    }

    TFEingabe fenster;
};

// Without a window of its own: the one the window table creates is the only "FEingabe".
class EingabeStart : public Scheintestumgebung {};

QStringList R(int label, std::initializer_list<int> zahlen) {
    QStringList z{QString::number(label)};
    for (int n : zahlen) z << QString::number(n);
    return z;
}
}  // namespace

TEST_F(Eingabe, NumberButtonsWriteLinesOfSixAndTheTransferSortsThem) {
    EXPECT_EQ(fenster.objectName(), "FEingabe");
    EXPECT_EQ(Reihen(fenster.G1), 50);
    EXPECT_EQ(Reihen(fenster.G2), 50);
    EXPECT_EQ(fenster.G1->model()->headerData(0, Qt::Horizontal).toString(), "Reihe");
    EXPECT_EQ(fenster.G1->model()->headerData(6, Qt::Horizontal).toString(), "Z6");

    Zahlen({5, 3, 9, 1, 45, 2});
    EXPECT_EQ(Text(), "5,3,9,1,45,2\n");
    EXPECT_EQ(fenster.LZeilen->text(), "1");
    Zahlen({44, 7});
    EXPECT_EQ(Text(), "5,3,9,1,45,2\n44,7,");
    EXPECT_EQ(fenster.LZeilen->text(), "2");
    Zahlen({10, 11, 12, 13});
    Klick(fenster.BUebertragen);
    EXPECT_TRUE(nachrichten.meldungen.empty());
    ASSERT_EQ(Reihen(fenster.G1), 2);
    EXPECT_EQ(Zeile(fenster.G1, 1), R(1, {1, 2, 3, 5, 9, 45}));
    EXPECT_EQ(Zeile(fenster.G1, 2), R(2, {7, 10, 11, 12, 13, 44}));

    Klick(fenster.BTextLoeschen);
    EXPECT_EQ(Text(), "");
    EXPECT_EQ(fenster.LZeilen->text(), "0");
}

TEST_F(Eingabe, NumberButtonsStandInRowsOfSixOnePixelApart) {
    fenster.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&fenster));
    const auto pos = [&](int z) { return fenster.lotE[std::size_t(z - 1)]->geometry(); };
    for (int z = 1; z <= 45; ++z) {
        const auto* k = fenster.lotE[std::size_t(z - 1)];
        EXPECT_EQ(k->objectName(), QString("lotE%1").arg(z));
        EXPECT_EQ(k->text(), QString::number(z));
        EXPECT_EQ(k->size(), QSize(44, 28));
    }
    EXPECT_EQ(pos(2).left() - pos(1).left(), 45);
    EXPECT_EQ(pos(7).top() - pos(1).top(), 29);
    EXPECT_EQ(pos(43).left(), pos(1).left());
    EXPECT_EQ(pos(43).top(), pos(37).top() + 29);
    fenster.up1->setValue(12);
    EXPECT_EQ(fenster.M1->font().pointSize(), 12);
    fenster.up1->setValue(20);
    EXPECT_EQ(fenster.M1->font().pointSize(), 12);
    fenster.up1->setValue(1);
    EXPECT_EQ(fenster.M1->font().pointSize(), 6);
}

TEST_F(Eingabe, PastedFieldLabelsAskAboutTheBlanks) {
    nachrichten.antworten = {Antwort::Abbrechen};
    Uebertragen("Feld 1: 3 7 12 22 38 41\nFeld 2: 1 2 3 4 5 6");
    ASSERT_EQ(nachrichten.meldungen.size(), 1u);
    EXPECT_EQ(nachrichten.meldungen[0].art, NachrichtenAttrappe::Art::Frage);
    EXPECT_EQ(nachrichten.meldungen[0].text, AlsMeldung(LeerzeichenFrageText));
    EXPECT_EQ(Text(), "3 7 12 22 38 41\n1 2 3 4 5 6\n");  // cancelled: the text as far as it got
    EXPECT_EQ(Zeile(fenster.G1, 1), QStringList(7, QString()));

    nachrichten.antworten = {Antwort::Ja};
    Klick(fenster.BUebertragen);
    EXPECT_EQ(nachrichten.meldungen.size(), 2u);
    EXPECT_EQ(Text(), "3,7,12,22,38,41\n1,2,3,4,5,6\n");
    ASSERT_EQ(Reihen(fenster.G1), 2);
    EXPECT_EQ(Zeile(fenster.G1, 1), R(1, {3, 7, 12, 22, 38, 41}));
    EXPECT_EQ(Zeile(fenster.G1, 2), R(2, {1, 2, 3, 4, 5, 6}));
}

TEST_F(Eingabe, NoBreakSpacesOfPastedTextReachTheTransferAsTheyAre) {
    // As plain blanks they would bring the question; as no-break spaces beside commas they just go.
    Uebertragen(QString::fromUtf8("\xC2\xA0" "4,5,6," "\xC2\xA0" "7,8,9\n10" "\xC2\xA0" ",11,12,13,14,15"));
    EXPECT_TRUE(nachrichten.meldungen.empty());
    ASSERT_EQ(Reihen(fenster.G1), 2);
    EXPECT_EQ(Zeile(fenster.G1, 1), R(1, {4, 5, 6, 7, 8, 9}));
    EXPECT_EQ(Zeile(fenster.G1, 2), R(2, {10, 11, 12, 13, 14, 15}));
}

TEST_F(Eingabe, ARefusedLineLeavesTheTableAndKeepsTheNormalisedText) {
    Uebertragen("1,2,3,4,5,6\n7,8,9,10,11,12");
    ASSERT_EQ(Reihen(fenster.G1), 2);
    const struct {
        const char* text;
        const char* normalisiert;
        const char* meldung;
    } faelle[] = {
        {"1;2;3;4;5;46", "1,2,3,4,5,46\n", "In Zeile 1 ist die 6. Zahl, die 46, keine gültige Tippzahl."},
        {"1,2,3,4,5,6\n 1,2,3,4,5,5 ", "1,2,3,4,5,6\n1,2,3,4,5,5\n", "In Zeile 2 ist die 5. und die 6. Zahl gleich."},
        {"1,2,3,4,5,6,,,", "1,2,3,4,5,6,\n", "In Zeile 1 kann ich keine sechs Zahlen ausmachen."},
        {"1,2,3,4,5,x", "1,2,3,4,5,x\n", "'x' ist kein gültiger Integerwert"},
        {"", "", "Das Textfeld ist leer. Es gibt nichts zu übertragen."},
        {"   \n\t\n", "", "Das Textfeld ist leer. Es gibt nichts zu übertragen."},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.text);
        nachrichten.meldungen.clear();
        Uebertragen(QString::fromUtf8(f.text));
        ASSERT_EQ(nachrichten.meldungen.size(), 1u);
        EXPECT_EQ(nachrichten.meldungen[0].art, NachrichtenAttrappe::Art::Fehler);
        EXPECT_TRUE(nachrichten.meldungen[0].text.startsWith(QString::fromUtf8(f.meldung)))
            << nachrichten.meldungen[0].text.toStdString();
        EXPECT_EQ(Text(), QString::fromUtf8(f.normalisiert));
        ASSERT_EQ(Reihen(fenster.G1), 2);
        EXPECT_EQ(Zeile(fenster.G1, 2), R(2, {7, 8, 9, 10, 11, 12}));
    }
    // Corrected in place, the same button goes through.
    nachrichten.meldungen.clear();
    Uebertragen("1,2,3,4,5,45");
    EXPECT_TRUE(nachrichten.meldungen.empty());
    EXPECT_EQ(Reihen(fenster.G1), 1);
}

TEST_F(Eingabe, AppendModeContinuesAfterTheLastFilledRow) {
    Uebertragen("1,2,3,4,5,6\n1,2,3,4,5,7\n1,2,3,4,5,8");
    Klick(fenster.BReihenLoeschen);
    EXPECT_EQ(Reihen(fenster.G1), 3);  // the row count stays
    EXPECT_EQ(Zeile(fenster.G1, 2).at(1), "");
    Uebertragen("1,2,3,4,5,6\n1,2,3,4,5,7\n1,2,3,4,5,8");

    fenster.RG1b->click();
    ASSERT_TRUE(fenster.RG1b->isChecked());
    EXPECT_FALSE(fenster.RG1a->isChecked());
    Uebertragen("40,41,42,43,44,45\n10,11,12,13,14,15");
    ASSERT_EQ(Reihen(fenster.G1), 5);
    EXPECT_EQ(Zeile(fenster.G1, 3), R(3, {1, 2, 3, 4, 5, 8}));
    EXPECT_EQ(Zeile(fenster.G1, 4), R(4, {40, 41, 42, 43, 44, 45}));
    EXPECT_EQ(Zeile(fenster.G1, 5), R(5, {10, 11, 12, 13, 14, 15}));
}

TEST_F(Eingabe, ASavedTicketOpensAndEvaluatesInTheMainWindow) {
    Zahlen({5, 3, 9, 1, 45, 2, 40, 41, 42, 43, 44, 39});
    Klick(fenster.BUebertragen);
    dialoge.antworten = {{}, {pfad("mein")}};
    Klick(fenster.BSpielscheinSpeichern);  // cancelled: nothing happens
    EXPECT_EQ(fenster.LDatei->text(), "");
    EXPECT_FALSE(std::filesystem::exists(datei("mein.nqtr")));
    Klick(fenster.BSpielscheinSpeichern);
    ASSERT_EQ(dialoge.fragen.size(), 2u);
    EXPECT_EQ(dialoge.fragen[1].titel, "Als Spielschein speichern...");
    EXPECT_EQ(dialoge.fragen[1].filter, QStringList{"Spielschein-Datei (*.nqtr)"});
    EXPECT_EQ(dialoge.fragen[1].ordner, QString::fromStdString(DatenPfad().string()));
    EXPECT_EQ(fenster.LDatei->text(), "Gespeichert in: " + pfad("mein.nqtr"));
    EXPECT_EQ(Inhalt(datei("mein.nqtr")), "1,2,3,5,9,45\r\n39,40,41,42,43,44\r\n");

    Daten().GZListe = {TestZiehung(DatumAus(2010, 9, 12), {1, 2, 3, 5, 9, 45}, 7)};
    TFFrScheineN rahmen;
    rahmen.DateiLaden(datei("mein.nqtr"));
    EXPECT_EQ(rahmen.reihen(), fenster.reihen());
    rahmen.setzeZiehungsauswahl(Auswahl());
    rahmen.StartClick();
    EXPECT_TRUE(nachrichten.meldungen.empty());
    const auto& m = rahmen.ergebnisModell();
    ASSERT_GE(m.rowCount(), 1);
    EXPECT_EQ(m.data(m.index(0, 1), Qt::DisplayRole).toString(), "6");
    EXPECT_EQ(m.data(m.index(0, 2), Qt::DisplayRole).toString(), "1");
}

TEST_F(Eingabe, TicketsTheMainWindowReadsShowTheSameRowsHere) {
    BeispielscheineAnlegen(DatenPfad());
    for (const char* name : {"Demo-Normalschein.nqtr", "Demo-Systemschein.sqtr"}) {
        SCOPED_TRACE(name);
        dialoge.antworten = {{pfad(name)}};
        Klick(fenster.BSpielscheinOeffnen);
        EXPECT_EQ(dialoge.fragen.back().titel, "Spielschein-Datei einlesen");
        EXPECT_EQ(dialoge.fragen.back().filter,
                  (QStringList{"Normal-Schein (*.nqtr)", "System-Schein (*.sqtr)", "Spielschein-Dateien (*.nqtr *.sqtr)"}));
        EXPECT_TRUE(dialoge.fragen.back().mehrere);
        EXPECT_EQ(fenster.LDatei1->text(), name);
        EXPECT_TRUE(nachrichten.meldungen.empty());
        TippTabelle imHauptfenster;
        if (ScheinArtVon(datei(name)) == ScheinArt::System) {
            TFFrScheine rahmen;
            std::vector<TZahlenMenge> bank;
            rahmen.DateiLaden(datei(name), bank);
            imHauptfenster = rahmen.reihen();
        } else {
            TFFrScheineN rahmen;
            rahmen.DateiLaden(datei(name));
            imHauptfenster = rahmen.reihen();
        }
        ASSERT_GT(imHauptfenster.size(), 1u);
        EXPECT_EQ(fenster.dateiReihen(), imHauptfenster);
    }
    // The 56 rows of the system ticket go into the text field and from there into the table.
    fenster.M1->setPlainText("1,2,3,4,5,6");
    Klick(fenster.BInsTextfeld);
    EXPECT_EQ(fenster.LZeilen->text(), "57");
    Klick(fenster.BUebertragen);
    EXPECT_TRUE(nachrichten.meldungen.empty());
    ASSERT_EQ(Reihen(fenster.G1), 57);
    EXPECT_EQ(Zeile(fenster.G1, 1), R(1, {1, 2, 3, 4, 5, 6}));
    for (int r = 1; r <= 56; ++r) EXPECT_EQ(Zeile(fenster.G1, r + 1).mid(1), Zeile(fenster.G2, r).mid(1)) << r;
}

TEST_F(Eingabe, CsvFilesRoundTripThroughTheFileTable) {
    Uebertragen("1,2,3,4,5,6\n7,8,9,10,11,12");
    dialoge.antworten = {{pfad("reihen")}};
    Klick(fenster.BCSVSpeichern);
    EXPECT_EQ(dialoge.fragen[0].titel, "Als CSV-Datei speichern...");
    EXPECT_EQ(fenster.LDatei->text(), "Gespeichert in: " + pfad("reihen.csv"));

    dialoge.antworten = {{pfad("reihen.csv")}};
    Klick(fenster.BCSVOeffnen);
    EXPECT_EQ(dialoge.fragen[1].titel, "CSV-Datei einlesen");
    EXPECT_EQ(dialoge.fragen[1].ordner, "");
    EXPECT_EQ(fenster.LDatei1->text(), pfad("reihen.csv"));
    ASSERT_EQ(Reihen(fenster.G2), 2);
    EXPECT_EQ(Zeile(fenster.G2, 2), R(2, {7, 8, 9, 10, 11, 12}));

    fenster.M1->clear();
    Klick(fenster.BInsTextfeld);
    EXPECT_EQ(Text(), "1,2,3,4,5,6\n7,8,9,10,11,12\n");
}

TEST_F(Eingabe, SpreadsheetExportReadsBackThroughTheImport) {
    QStringList geoeffnet;
    SetzeMappenoeffner([&](const QString& d) {
        geoeffnet << d;
        return true;
    });
    Uebertragen("1,2,3,4,5,6\n7,8,9,10,11,12\n40,41,42,43,44,45");
    Klick(fenster.BExcelExport);
    SetzeMappenoeffner({});
    ASSERT_EQ(geoeffnet.size(), 1);
    EXPECT_TRUE(nachrichten.meldungen.empty());
    EXPECT_EQ(MappeLesen(geoeffnet[0].toStdString()).name, "Tippreihen");

    dialoge.antworten = {{geoeffnet[0]}};
    Klick(fenster.BExcelImport);
    EXPECT_EQ(dialoge.fragen[0].titel, "Excel-Tabelle einlesen");
    EXPECT_EQ(dialoge.fragen[0].filter, QStringList{"Excel-Datei (*.xl*)"});
    EXPECT_EQ(fenster.LDatei1->text(), geoeffnet[0]);
    ASSERT_EQ(Reihen(fenster.G2), 3);
    EXPECT_EQ(Zeile(fenster.G2, 3), R(3, {40, 41, 42, 43, 44, 45}));
    Klick(fenster.BInsTextfeld);
    EXPECT_EQ(Text(), QString("1,2,3,4,5,6\n7,8,9,10,11,12\n40,41,42,43,44,45\n").repeated(2));
    QFile::remove(geoeffnet[0]);

    // A sheet with a label column brings seven fields a line, which the transfer refuses.
    MappeSchreiben({"Blatt1", {{"Reihe 1", "1", "2", "3", "4", "5", "6"}}}, datei("breit.xlsx"));
    dialoge.antworten = {{pfad("breit.xlsx")}};
    Klick(fenster.BExcelImport);
    fenster.M1->clear();
    Klick(fenster.BInsTextfeld);
    EXPECT_EQ(Text(), "\"Reihe 1\",1,2,3,4,5,6\n");
    Klick(fenster.BUebertragen);
    ASSERT_EQ(nachrichten.meldungen.size(), 2u);  // the blank question, then the count
    EXPECT_TRUE(nachrichten.meldungen[1].text.startsWith("In Zeile 1 kann ich keine sechs Zahlen ausmachen."));

    SchreibeDateiAtomar(datei("kaputt.xlsx"), std::string_view("kein Zip"));
    dialoge.antworten = {{pfad("kaputt.xlsx")}};
    Klick(fenster.BExcelImport);
    ASSERT_EQ(nachrichten.meldungen.size(), 3u);
    EXPECT_TRUE(nachrichten.meldungen[2].text.contains("kaputt.xlsx"));
    EXPECT_EQ(fenster.LDatei1->text(), pfad("breit.xlsx"));
    EXPECT_EQ(Zeile(fenster.G2, 1).at(0), "1");
}

TEST_F(Eingabe, EmptyOrUnreadableFilesAreReported) {
    fenster.M1->setPlainText("1,2");
    Klick(fenster.BInsTextfeld);
    ASSERT_EQ(nachrichten.meldungen.size(), 1u);
    EXPECT_EQ(nachrichten.meldungen[0].text,
              "Die Tabelle ist leer. Es gibt nichts zu übertragen.\n\nIch breche erst einmal ab.");
    EXPECT_EQ(Text(), "1,2");

    SchreibeDateiAtomar(datei("kurz.sqtr"), std::string_view("abc"));
    dialoge.antworten = {{pfad("kurz.sqtr")}};
    Klick(fenster.BSpielscheinOeffnen);
    ASSERT_EQ(nachrichten.meldungen.size(), 2u);
    EXPECT_EQ(nachrichten.meldungen[1].art, NachrichtenAttrappe::Art::Fehler);
    EXPECT_TRUE(nachrichten.meldungen[1].text.contains("kurz.sqtr"));
    EXPECT_EQ(Reihen(fenster.G2), 50);
    EXPECT_EQ(fenster.LDatei1->text(), "");
}

TEST_F(Eingabe, TheTransferModeIsReadWhenShownAndWrittenWhenClosed) {
    // Without a settings file the window keeps its designed state: overwrite.
    fenster.show();
    EXPECT_TRUE(fenster.RG1a->isChecked());
    QTest::mouseClick(fenster.RG1b, Qt::LeftButton);
    fenster.close();
    EXPECT_FALSE(fenster.isVisible());
    Einstellungen ini;
    EXPECT_EQ(ini.leseText("Eingabe", "overwrite1", "?"), "0");
    EXPECT_EQ(ini.leseText("Eingabe", "overwrite2", "?"), "1");

    ini.schreibeSchalter("Eingabe", "overwrite1", true);
    ini.schreibeSchalter("Eingabe", "overwrite2", false);
    fenster.show();
    EXPECT_TRUE(fenster.RG1a->isChecked());
    fenster.close();

    // A settings file without the section: the defaults mean append.
    ini.loescheSektion("Eingabe");
    ini.schreibeText("Andere", "x", "1");
    fenster.show();
    EXPECT_TRUE(fenster.RG1b->isChecked());
    fenster.close();
}

TEST_F(EingabeStart, ClosingOnlyHidesSoTextAndTablesLastTheRun) {
    FensterRegistrieren();
    auto& v = Fensterverwaltung::Instanz();
    auto* f = qobject_cast<TFEingabe*>(v.oeffne(Ziel::EingabeN));
    ASSERT_NE(f, nullptr);
    f->M1->setPlainText("1,2,3,4,5,6");
    QTest::mouseClick(f->BUebertragen, Qt::LeftButton);
    QTest::mouseClick(f->BSchliessen, Qt::LeftButton);
    EXPECT_FALSE(f->isVisible());
    QTest::qWait(10);
    EXPECT_EQ(v.oeffne(Ziel::EingabeN), f);
    EXPECT_EQ(f->M1->toPlainText(), "1,2,3,4,5,6\n");
    EXPECT_EQ(Zeile(f->G1, 1), R(1, {1, 2, 3, 4, 5, 6}));
    delete f;
}
