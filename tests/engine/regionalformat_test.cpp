#include <gtest/gtest.h>

#include <limits>

#include "core/regionalformat.h"

using namespace quintaro;

TEST(ZahlAusText, ReadsGermanDecimalNumbers) {
    const struct {
        const char* text;
        std::optional<double> wert;
    } faelle[] = {
        {"12", 12.0},     {"-3,5", -3.5}, {" +7,25 ", 7.25}, {",5", 0.5},  {"2,5E3", 2500.0},
        {"1e-2", 0.01},   {"", {}},       {"1,2,3", {}},    {"1.5", {}},  {"abc", {}},
        {"3 4", {}},      {"-", {}},      {"1e", {}},       {",", {}},
    };
    for (const auto& f : faelle) EXPECT_EQ(ZahlAusText(f.text), f.wert) << f.text;
}

TEST(DatumZeitAusText, ReadsDayMonthYearAndOptionalTime) {
    EXPECT_EQ(DatumZeitAusText("08.09.2010"), DatumAus(2010, 9, 8));
    EXPECT_EQ(DatumZeitAusText("8.9.2010"), DatumAus(2010, 9, 8));
    EXPECT_EQ(DatumZeitAusText("01.01.0001"), DatumAus(1, 1, 1));
    EXPECT_DOUBLE_EQ(*DatumZeitAusText("31.12.9999 23:59"), DatumAus(9999, 12, 31) + 1439.0 / 1440.0);
    EXPECT_DOUBLE_EQ(*DatumZeitAusText("02.01.2020 12:00:30"), DatumAus(2020, 1, 2) + 43230.0 / 86400.0);
    for (const char* falsch : {"31.02.2020", "1.1.", "2020-01-01", "01.01.2020 24:00", "01.01.2020 12", "x"})
        EXPECT_FALSE(DatumZeitAusText(falsch)) << falsch;
}

TEST(Regionalformat, WritesThousandsPointsAndDecimalCommas) {
    const struct {
        std::int64_t zahl;
        const char* text;
    } ganze[] = {{0, "0"}, {999, "999"}, {1000, "1.000"}, {2307228, "2.307.228"}, {-1234567, "-1.234.567"},
                 {std::numeric_limits<std::int64_t>::min(), "-9.223.372.036.854.775.808"}};
    for (const auto& f : ganze) EXPECT_EQ(TausenderText(f.zahl), f.text);
    EXPECT_EQ(DezimalText(100.0, 2), "100,00");
    EXPECT_EQ(DezimalText(25.0, 2), "25,00");
    EXPECT_EQ(DezimalText(100.0 / 3.0, 2), "33,33");
    EXPECT_EQ(DezimalText(0.004, 2), "0,00");
    EXPECT_EQ(DezimalText(-2.5, 1), "-2,5");
}
