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
