// "Gewinnzahlen importieren..." in the main window's file menu.
#include <gtest/gtest.h>

#include <QAction>
#include <QComboBox>

#include "app/mappe/mappendatei.h"
#include "app/start/programmstart.h"
#include "core/datei.h"
#include "core/ziehungsdatei.h"
#include "evaluation/ui/tfauswertung.h"
#include "evaluation/ui/ziehungsseite.h"
#include "ui_umgebung.h"

namespace quintaro {
namespace {

using Antwort = Nachrichtendienst::Antwort;

class Gewinnzahlenimport : public Scheintestumgebung {
protected:
    void SetUp() override {
        Scheintestumgebung::SetUp();
        FensterRegistrieren();
        ZiehungenSpeichern(datei(ZiehungsDateiName), {TestZiehung(DatumAus(2024, 1, 7), {40, 3, 17, 25, 33, 9}, 21, 0x66),
                                                      TestZiehung(DatumAus(2024, 1, 10), {1, 2, 3, 4, 5, 6}, 7)});
        alt = LiesDatei(datei(ZiehungsDateiName));
        fenster = std::make_unique<TFAuswertung>();
        // 07.01. unchanged (other order), 10.01. another ZZ, 14.01. new.
        SchreibeDateiAtomar(datei("ziehungen.csv"), std::string_view("Datum;Z1;Z2;Z3;Z4;Z5;Z6;ZZ\r\n"
                                                                     "07.01.2024;3;9;17;25;33;40;21\r\n"
                                                                     "2024-01-10;1;2;3;4;5;6;8\r\n"
                                                                     "2024-01-14;11;12;13;14;15;16;17\r\n"));
    }
    void importieren(const QString& dateiname) {
        dialoge.antworten = {{pfad(dateiname.toStdString())}};
        auto* aktion = fenster->findChild<QAction*>("MGewinnzahlenImport");
        ASSERT_NE(aktion, nullptr);
        aktion->trigger();
    }
    int auswahl() const { return fenster->ziehungsseite()->Combo1->count(); }

    std::unique_ptr<TFAuswertung> fenster;
    Bytes alt;
};

TEST_F(Gewinnzahlenimport, YesExtendsTheHistoryAfterNamingTheCounts) {
    nachrichten.antworten = {Antwort::Ja};
    importieren("ziehungen.csv");
    ASSERT_EQ(nachrichten.meldungen.size(), 1u);
    EXPECT_TRUE(nachrichten.meldungen[0].text.startsWith("Die Datei enthält 3 Ziehungen: 1 neue und 1 geänderte."))
        << nachrichten.meldungen[0].text.toStdString();
    const auto geladen = ZiehungenLaden(datei(ZiehungsDateiName)).ziehungen;
    ASSERT_EQ(geladen.size(), 3u);
    EXPECT_EQ(geladen[0].fueller, 0x66);  // the unchanged draw stays as stored
    EXPECT_EQ(geladen[1].ZZ, 8);
    EXPECT_EQ(LiesDatei(datei(ZiehungsSicherungName)), alt);
    EXPECT_EQ(Daten().GZListe, geladen);
    EXPECT_EQ(auswahl(), 3);
    EXPECT_EQ(Daten().GZListeSo.size(), 2u);
}

TEST_F(Gewinnzahlenimport, NoReplacesTheHistoryByTheFilesDraws) {
    SchreibeDateiAtomar(datei("kurz.csv"), std::string_view("2024-01-14,11,12,13,14,15,16,17\n"));
    nachrichten.antworten = {Antwort::Nein};
    importieren("kurz.csv");
    EXPECT_TRUE(nachrichten.meldungen[0].text.contains("entfallen 2 gespeicherte Ziehungen"));
    EXPECT_EQ(ZiehungenLaden(datei(ZiehungsDateiName)).ziehungen.size(), 1u);
    EXPECT_EQ(auswahl(), 1);
}

TEST_F(Gewinnzahlenimport, CancelBadFilesAndNothingNewLeaveTheHistoryAsItWas) {
    SchreibeDateiAtomar(datei("kaputt.csv"), std::string_view("2024-01-14,11,12,13,14,15,16,17\n2024-01-17,1,2,3\n"));
    SchreibeDateiAtomar(datei("gleich.csv"), std::string_view("2024-01-07,3,9,17,25,33,40,21\n2024-01-10,1,2,3,4,5,6,7\n"));
    SchreibeDateiAtomar(datei("leer.csv"), std::string_view(""));
    SchreibeDateiAtomar(datei("kaputt.xlsx"), std::string_view("PK no workbook"));
    struct Fall {
        const char* datei;
        NachrichtenAttrappe::Art art;
        const char* text;
    };
    const Fall faelle[] = {
        {"ziehungen.csv", NachrichtenAttrappe::Art::Frage, "1 neue"},  // answered Abbrechen
        {"kaputt.csv", NachrichtenAttrappe::Art::Fehler, "Zeile 2"},
        {"gleich.csv", NachrichtenAttrappe::Art::Information, "keine neuen oder geänderten"},
        {"leer.csv", NachrichtenAttrappe::Art::Fehler, "leer.csv"},
        {"kaputt.xlsx", NachrichtenAttrappe::Art::Fehler, "kaputt.xlsx"},
    };
    for (const auto& f : faelle) {
        nachrichten.meldungen.clear();
        nachrichten.antworten = {Antwort::Abbrechen};
        importieren(f.datei);
        ASSERT_FALSE(nachrichten.meldungen.empty()) << f.datei;
        EXPECT_EQ(nachrichten.meldungen[0].art, f.art) << f.datei;
        EXPECT_TRUE(nachrichten.meldungen[0].text.contains(QString::fromUtf8(f.text)))
            << f.datei << ": " << nachrichten.meldungen[0].text.toStdString();
        EXPECT_EQ(LiesDatei(datei(ZiehungsDateiName)), alt) << f.datei;
        EXPECT_FALSE(std::filesystem::exists(datei(ZiehungsSicherungName))) << f.datei;
        EXPECT_EQ(auswahl(), 2) << f.datei;
    }
}

TEST_F(Gewinnzahlenimport, AWorkbookWithDateCellsIsReadLikeTheText) {
    Tabellenblatt blatt;
    blatt.name = "Ziehungen";
    blatt.zellen = {{"Datum", "Z1", "Z2", "Z3", "Z4", "Z5", "Z6", "ZZ"},
                    {std::to_string(long(DatumAus(2024, 1, 14))), "11", "12", "13", "14", "15", "16", "17"},
                    {"17.01.2024", "21", "22", "23", "24", "25", "26", "27"}};
    MappeSchreiben(blatt, datei("ziehungen.xlsx"));
    nachrichten.antworten = {Antwort::Ja};
    importieren("ziehungen.xlsx");
    ASSERT_EQ(nachrichten.meldungen.size(), 1u);
    EXPECT_TRUE(nachrichten.meldungen[0].text.startsWith("Die Datei enthält 2 Ziehungen: 2 neue und 0 geänderte."))
        << nachrichten.meldungen[0].text.toStdString();
    const auto geladen = ZiehungenLaden(datei(ZiehungsDateiName)).ziehungen;
    ASSERT_EQ(geladen.size(), 4u);
    EXPECT_EQ(geladen[2].datum, DatumAus(2024, 1, 14));
    EXPECT_EQ(geladen[3].ZZ, 27);
}

}  // namespace
}  // namespace quintaro
