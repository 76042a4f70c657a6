// Draws imported from a file set against the stored history.
#include <gtest/gtest.h>

#include "core/datei.h"
#include "core/fehler.h"
#include "core/ziehungsdatei.h"
#include "core/ziehungssicherung.h"
#include "evaluation/ziehungsimport.h"
#include "gemeinsam/testziehung.h"
#include "temp_ordner.h"

using namespace quintaro;

namespace {

const TDatum So = DatumAus(2024, 1, 7), Mi = DatumAus(2024, 1, 10), So2 = DatumAus(2024, 1, 14),
             Mi2 = DatumAus(2024, 1, 17);

class Import : public ::testing::Test {
protected:
    // Stored: 07.01. (numbers in drawing order, a filler byte), 10.01., 17.01.
    std::vector<TGewZahlen> bestand = {TestZiehung(So, {40, 3, 17, 25, 33, 9}, 21, 0x77),
                                       TestZiehung(Mi, {1, 2, 3, 4, 5, 6}, 7),
                                       TestZiehung(Mi2, {7, 8, 9, 10, 11, 12}, 13)};
};

TEST_F(Import, CountsNewChangedAndMissingDraws) {
    // 07.01. the same numbers sorted, 10.01. another ZZ, 14.01. new; 17.01. missing.
    const auto a = ZiehungstextAbgleichen(bestand,
                                          "Datum;Z1;Z2;Z3;Z4;Z5;Z6;ZZ\n"
                                          "2024-01-14;20;21;22;23;24;25;26\n"
                                          "07.01.2024;3;9;17;25;33;40;21\n"
                                          "2024-01-10;1;2;3;4;5;6;8\n");
    EXPECT_EQ(a.importiert, 3u);
    EXPECT_EQ(a.neu, 1u);
    EXPECT_EQ(a.geaendert, 1u);
    EXPECT_EQ(a.entfallen, 1u);
    EXPECT_FALSE(a.nichtsZuTun());

    ASSERT_EQ(a.ergaenzt.size(), 4u);
    EXPECT_EQ(a.ergaenzt[0], bestand[0]);  // unchanged: the stored record, filler and order included
    EXPECT_EQ(a.ergaenzt[1].ZZ, 8);
    EXPECT_EQ(a.ergaenzt[2].datum, So2);
    EXPECT_EQ(a.ergaenzt[3], bestand[2]);

    ASSERT_EQ(a.ersetzt.size(), 3u);
    EXPECT_EQ(a.ersetzt[0], bestand[0]);
    EXPECT_EQ(a.ersetzt[2].datum, So2);

    const std::string frage = ImportFrage(a);
    EXPECT_NE(frage.find("3 Ziehungen: 1 neue und 1 geänderte."), std::string::npos) << frage;
    EXPECT_NE(frage.find("entfallen 1 gespeicherte Ziehung,"), std::string::npos) << frage;
}

TEST_F(Import, TheSameDrawsLeaveNothingToDo) {
    const auto a = ZiehungenAbgleichen(bestand, bestand);
    EXPECT_TRUE(a.nichtsZuTun());
    EXPECT_EQ(a.ergaenzt, bestand);
    EXPECT_EQ(ImportFrage(a).find("entfallen"), std::string::npos);
}

TEST_F(Import, IntoAnEmptyHistoryEverythingIsNew) {
    const auto a = ZiehungenAbgleichen({}, bestand);
    EXPECT_EQ(a.neu, 3u);
    EXPECT_EQ(a.ergaenzt, bestand);
    EXPECT_EQ(a.ersetzt, bestand);
}

TEST_F(Import, ABrokenLineIsReportedWithItsNumber) {
    try {
        ZiehungstextAbgleichen(bestand, "2024-01-14,1,2,3,4,5,6,7\n2024-01-17,1,2,3,4,5,46,7\n");
        FAIL() << "no error";
    } catch (const KonvertierungsFehler& e) {
        EXPECT_NE(std::string(e.what()).find("Zeile 2"), std::string::npos) << e.what();
    }
}

TEST(Ziehungsersatz, TheStoredHistoryIsKeptAsBackupBeforeTheRewrite) {
    TempOrdner ordner;
    const auto historie = ordner.pfad() / "GZ.645", sicherung = ordner.pfad() / "GZ.645.bak";
    const std::vector<TGewZahlen> alt = {TestZiehung(So, {1, 2, 3, 4, 5, 6}, 7, 1)};
    const std::vector<TGewZahlen> neu = {TestZiehung(Mi, {1, 2, 3, 4, 5, 6}, 8)};
    ZiehungsdateiErsetzen(historie, sicherung, alt);
    EXPECT_FALSE(std::filesystem::exists(sicherung));  // nothing to keep yet
    ZiehungsdateiErsetzen(historie, sicherung, neu);
    EXPECT_EQ(ZiehungenLaden(sicherung).ziehungen, alt);
    EXPECT_EQ(ZiehungenLaden(historie).ziehungen, neu);
}

}  // namespace
