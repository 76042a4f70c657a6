#include <gtest/gtest.h>

#include "core/fehler.h"
#include "core/formatierung.h"

using namespace quintaro;

namespace {
class FormatierungTest : public ::testing::Test {
protected:
    void SetUp() override { SetzeRegion(Regionaleinstellungen{}); }
    void TearDown() override { SetzeRegion(Regionaleinstellungen{}); }
};
}  // namespace

TEST_F(FormatierungTest, AmountsAndQuotasInGermanFormat) {
    EXPECT_EQ(ZahlMitTausendern(5000), "5.000");
    EXPECT_EQ(ZahlMitTausendern(999), "999");
    EXPECT_EQ(ZahlMitTausendern(-1234567), "-1.234.567");
    EXPECT_EQ(BetragText(12000), "1,20");
    EXPECT_EQ(BetragText(17489072800), "1.748.907,28");
    EXPECT_EQ(BetragText(0), "0,00");
    EXPECT_EQ(BetragText(-12345), "-1,23");
    EXPECT_EQ(BetragText(12350), "1,24");  // rounded half up
    EXPECT_EQ(WaehrungText(12000), "1,20 €");
    EXPECT_EQ(QuotenText(400791300), "40.079,13");
    EXPECT_EQ(QuotenText(12345678912345), "1.234.567.891,00");  // ten significant digits
}

TEST_F(FormatierungTest, QuoteLesenRemovesThousandsAndRounds) {
    EXPECT_EQ(QuoteLesen("1.234,50"), 12345000);
    EXPECT_EQ(QuoteLesen("2.345.678,90"), 23456789000);
    EXPECT_EQ(QuoteLesen("4"), 40000);
    EXPECT_EQ(QuoteLesen(",5"), 5000);
    EXPECT_EQ(QuoteLesen("1,00005"), 10001);
    for (const char* falsch : {"", "abc", "1,2,3", "1 2", "--1"}) EXPECT_THROW(QuoteLesen(falsch), KonvertierungsFehler) << falsch;
}

TEST_F(FormatierungTest, DatesAlwaysCarryFourYearDigits) {
    EXPECT_EQ(DatumText(DatumAus(1987, 1, 1)), "01.01.1987");
    EXPECT_EQ(DatumLesen("01.01.1987"), DatumAus(1987, 1, 1));
    EXPECT_EQ(DatumLesen("01.01.87"), DatumAus(1987, 1, 1));  // never 2087
    EXPECT_EQ(DatumLesen("31.02.2020"), std::nullopt);
    EXPECT_EQ(DatumLesen("1.2"), std::nullopt);
    EXPECT_EQ(DatumISO(40429), "2010-09-08");
    EXPECT_EQ(DatumAusISO("2010-09-08"), 40429);
    EXPECT_EQ(DatumAusISO("2010-9-8"), std::nullopt);

    Regionaleinstellungen us;
    us.datumsfolge = Regionaleinstellungen::Datumsfolge::MonatTagJahr;
    us.datumstrenner = "/";
    SetzeRegion(us);
    EXPECT_EQ(DatumText(40429), "09/08/2010");
    EXPECT_EQ(DatumLesen("09/08/2010"), 40429);
}

TEST_F(FormatierungTest, ZahlLesenReadsDecimalNumbers) {
    const struct {
        const char* text;
        std::optional<double> wert;
    } faelle[] = {
        {"12", 12.0},     {"-3,5", -3.5}, {" +7,25 ", 7.25}, {",5", 0.5},  {"2,5E3", 2500.0},
        {"1e-2", 0.01},   {"", {}},       {"1,2,3", {}},    {"1.5", {}},  {"abc", {}},
        {"3 4", {}},      {"-", {}},      {"1e", {}},       {",", {}},
    };
    for (const auto& f : faelle) EXPECT_EQ(ZahlLesen(f.text), f.wert) << f.text;
}

TEST_F(FormatierungTest, DatumZeitLesenTakesAnOptionalTime) {
    EXPECT_EQ(DatumZeitLesen("08.09.2010"), DatumAus(2010, 9, 8));
    EXPECT_EQ(DatumZeitLesen("8.9.2010"), DatumAus(2010, 9, 8));
    EXPECT_EQ(DatumZeitLesen("01.01.0001"), DatumAus(1, 1, 1));
    EXPECT_DOUBLE_EQ(*DatumZeitLesen("31.12.9999 23:59"), DatumAus(9999, 12, 31) + 1439.0 / 1440.0);
    EXPECT_DOUBLE_EQ(*DatumZeitLesen("02.01.2020 12:00:30"), DatumAus(2020, 1, 2) + 43230.0 / 86400.0);
    for (const char* falsch : {"31.02.2020", "1.1.", "2020-01-01", "01.01.2020 24:00", "01.01.2020 12", "x"})
        EXPECT_FALSE(DatumZeitLesen(falsch)) << falsch;
}

TEST_F(FormatierungTest, DezimalTextFollowsTheRegion) {
    EXPECT_EQ(DezimalText(100.0, 2), "100,00");
    EXPECT_EQ(DezimalText(100.0 / 3.0, 2), "33,33");
    EXPECT_EQ(DezimalText(0.004, 2), "0,00");
    EXPECT_EQ(DezimalText(-2.5, 1), "-2,5");
    EXPECT_EQ(DezimalText(1234567.0, 2), "1234567,00");
    Regionaleinstellungen englisch;
    englisch.dezimalzeichen = ".";
    englisch.tausenderzeichen = ",";
    SetzeRegion(englisch);
    EXPECT_EQ(DezimalText(25.0, 2), "25.00");
    EXPECT_EQ(ZahlLesen("-3.5"), -3.5);
    EXPECT_FALSE(ZahlLesen("3,5"));
}
