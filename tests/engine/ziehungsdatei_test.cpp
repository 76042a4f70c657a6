#include <gtest/gtest.h>

#include <cmath>
#include <fstream>

#include "core/datei.h"
#include "gemeinsam/testziehung.h"
#include "core/datenbestand.h"
#include "core/fehler.h"
#include "core/ziehungsdatei.h"
#include "temp_ordner.h"

using namespace quintaro;

TEST(Ziehungsdatei, RecordLayoutIsLittleEndianAndKeepsTheFiller) {
    const TGewZahlen z = TestZiehung(40429, {3, 11, 17, 28, 40, 45}, 7, 0xAB);
    std::uint8_t b[16];
    GewZahlenNach(z, b);
    const std::uint8_t erwartet[16] = {0, 0, 0, 0, 0xA0, 0xBD, 0xE3, 0x40, 3, 11, 17, 28, 40, 45, 7, 0xAB};
    EXPECT_TRUE(std::equal(b, b + 16, erwartet));
    EXPECT_EQ(GewZahlenAus(b), z);
}

TEST(Ziehungsdatei, SavingAndLoadingRoundTripsEveryByte) {
    TempOrdner ordner;
    const auto datei = ordner.pfad() / "GZ.645";
    std::vector<TGewZahlen> liste = {TestZiehung(40426, {1, 2, 3, 4, 5, 6}, 7, 9), TestZiehung(40429, {8, 9, 10, 11, 12, 45}, 44)};
    ZiehungenSpeichern(datei, liste);
    EXPECT_EQ(DateiGroesse(datei), 32);
    const auto geladen = ZiehungenLaden(datei);
    EXPECT_EQ(geladen.ziehungen, liste);
    EXPECT_TRUE(geladen.befund.inOrdnung());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(ordner.pfad()), {}), 1);  // no side file left
}

TEST(Ziehungsdatei, MissingEmptyAndOddSizedFiles) {
    TempOrdner ordner;
    const auto datei = ordner.pfad() / "GZ.645";
    EXPECT_TRUE(ZiehungenLaden(datei).ziehungen.empty());
    SchreibeDateiAtomar(datei, Bytes{});
    EXPECT_TRUE(ZiehungenLaden(datei).ziehungen.empty());

    std::vector<TGewZahlen> liste = {TestZiehung(40426, {1, 2, 3, 4, 5, 6}, 7), TestZiehung(40429, {8, 9, 10, 11, 12, 45}, 44)};
    ZiehungenSpeichern(datei, liste);
    Bytes roh = LiesDatei(datei);
    roh.push_back(0x55);  // 33 bytes: two draws and a stray byte
    SchreibeDateiAtomar(datei, roh);
    const auto geladen = ZiehungenLaden(datei);
    EXPECT_EQ(geladen.ziehungen.size(), 2u);
    EXPECT_EQ(geladen.befund.restBytes, 1u);
    EXPECT_NE(geladen.befund.meldung(datei, geladen.ziehungen).find("GZ.645"), std::string::npos);
    EXPECT_EQ(LiesDatei(datei), roh);  // loading never changes the file
}

TEST(Ziehungsdatei, DamagedRecordsAreCountedAndTheFirstNamed) {
    TempOrdner ordner;
    const auto datei = ordner.pfad() / "GZ.645";
    const std::vector<TGewZahlen> liste = {
        TestZiehung(40426, {1, 2, 3, 4, 5, 6}, 7),
        TestZiehung(40429, {1, 2, 3, 4, 5, 46}, 7),   // number outside 1..45
        TestZiehung(40433, {1, 1, 3, 4, 5, 6}, 7),    // repeated number
        TestZiehung(40430, {1, 2, 3, 4, 5, 6}, 7),    // date not ascending
        TestZiehung(40440, {1, 2, 3, 4, 5, 6}, 6),    // Zusatzzahl among the six
        TestZiehung(std::nan(""), {1, 2, 3, 4, 5, 6}, 7),
        TestZiehung(40450, {1, 2, 3, 4, 5, 6}, 7),
    };
    ZiehungenSpeichern(datei, liste);
    const auto geladen = ZiehungenLaden(datei);
    EXPECT_EQ(geladen.ziehungen.size(), liste.size());
    EXPECT_EQ(geladen.befund.fehlerhaft, 5u);
    EXPECT_EQ(geladen.befund.ersterFehler, 1u);
    const std::string meldung = geladen.befund.meldung(datei, geladen.ziehungen);
    EXPECT_NE(meldung.find("5 Ziehungen"), std::string::npos) << meldung;
    EXPECT_NE(meldung.find("Nr. 2 (08.09.2010)"), std::string::npos) << meldung;

    // The damaged draws stay in the day lists too; the one without a day among the others.
    std::vector<TGewZahlen> so, mi;
    ListenTeilen(geladen.ziehungen, so, mi);
    EXPECT_EQ(so.size() + mi.size(), liste.size());
    EXPECT_TRUE(std::isnan(mi.at(mi.size() - 2).datum));
}

TEST(Ziehungsdatei, ListSplitPutsSaturdayMondayAndNewYear1987OnSunday) {
    std::vector<TGewZahlen> alle;
    for (TDatum d : {DatumAus(1987, 1, 1), DatumAus(2003, 12, 25), DatumAus(2024, 1, 6), DatumAus(2024, 1, 8),
                     DatumAus(2024, 1, 9), DatumAus(2024, 1, 10)})
        alle.push_back(TestZiehung(d, {1, 2, 3, 4, 5, 6}, 7));
    std::vector<TGewZahlen> so, mi;
    ListenTeilen(alle, so, mi);
    ASSERT_EQ(so.size(), 3u);
    ASSERT_EQ(mi.size(), 3u);
    EXPECT_EQ(so[0].datum, DatumAus(1987, 1, 1));
    EXPECT_EQ(mi[0].datum, DatumAus(2003, 12, 25));
    EXPECT_EQ(mi[1].datum, DatumAus(2024, 1, 9));  // a Tuesday draw
}

TEST(Ziehungsdatei, AFolderInPlaceOfTheFileIsAReadError) {
    TempOrdner ordner;
    std::filesystem::create_directory(ordner.pfad() / "GZ.645");
    EXPECT_THROW(ZiehungenLaden(ordner.pfad() / "GZ.645"), DateiFehler);
}

TEST(Ziehungsdatei, FailedSaveLeavesTheOldFileWhole) {
    TempOrdner ordner;
    const auto datei = ordner.pfad() / "GZ.645";
    ZiehungenSpeichern(datei, {TestZiehung(40426, {1, 2, 3, 4, 5, 6}, 7)});
    std::filesystem::permissions(datei, std::filesystem::perms::owner_read);  // write-protected
    EXPECT_THROW(ZiehungenSpeichern(datei, {}), DateiFehler);
    EXPECT_EQ(DateiGroesse(datei), 16);
}
