#include <gtest/gtest.h>

#include <limits>

#include "core/datum.h"
#include "core/spielregeln.h"

using namespace quintaro;

namespace {
struct KlassenFall {
    TZahlenMenge reihe;
    TZahlenMenge ziehung;
    int zz;
    TDatum datum;
    int klasse;
    std::string_view label;
};
}  // namespace

TEST(GewinnKlasse, FollowsTheHitsAndTheDateOfTheScheme) {
    const TZahlenMenge z{1, 2, 3, 4, 5, 6};
    const TDatum neu = DatumAus(2010, 9, 8), alt = DatumAus(2010, 9, 5);
    const KlassenFall faelle[] = {
        {{1, 2, 3, 4, 5, 6}, z, 7, neu, 1, "6"},
        {{1, 2, 3, 4, 5, 6}, z, 7, alt, 1, "6"},
        {{1, 2, 3, 4, 5, 7}, z, 7, neu, 2, "5 + ZZ"},
        {{1, 2, 3, 4, 5, 8}, z, 7, neu, 3, "5"},
        {{1, 2, 3, 4, 7, 8}, z, 7, neu, 4, "4 + ZZ"},
        {{1, 2, 3, 4, 7, 8}, z, 7, alt, 4, "4"},
        {{1, 2, 3, 4, 8, 9}, z, 7, neu, 5, "4"},
        {{1, 2, 3, 7, 8, 9}, z, 7, neu, 6, "3 + ZZ"},
        {{1, 2, 3, 7, 8, 9}, z, 7, alt, 5, "3"},
        {{1, 2, 3, 8, 9, 10}, z, 7, neu, 7, "3"},
        {{7, 8, 9, 10, 11, 12}, z, 7, neu, 8, "0 + ZZ"},
        {{7, 8, 9, 10, 11, 12}, z, 7, alt, 0, "---"},
        {{1, 7, 9, 10, 11, 12}, z, 7, neu, 0, "---"},
        {{1, 2, 7, 10, 11, 12}, z, 7, neu, 0, "---"},
    };
    for (const auto& f : faelle) {
        const int k = GewinnKlasse(f.reihe, f.ziehung, f.zz, f.datum);
        EXPECT_EQ(k, f.klasse) << "row " << f.reihe.zahlen()[0] << ".. date " << f.datum;
        EXPECT_EQ(KlassenLabel(k, f.datum), f.label);
    }
}

TEST(Datum, DayCountsAndWeekdaysMatchTheCalendar) {
    EXPECT_EQ(DatumAus(1899, 12, 30), 0);
    EXPECT_EQ(DatumAus(2010, 9, 8), 40429);
    EXPECT_EQ(DatumAus(2019, 1, 1), 43466);
    EXPECT_EQ(Wochentag(40429), 4);
    EXPECT_EQ(Wochentag(0), 7);
    EXPECT_EQ((KalenderTagVon(40429) == KalenderTag{2010, 9, 8}), true);
    EXPECT_EQ((KalenderTagVon(DatumAus(1600, 2, 29)) == KalenderTag{1600, 2, 29}), true);
    EXPECT_FALSE(IstGueltigesDatum(2023, 2, 29));
    EXPECT_TRUE(IstGueltigesDatum(2024, 2, 29));
}

// A damaged record of the history file may hold any date bits (found by fuzzing
// the draw history: a NaN date made the weekday's integer conversion undefined).
TEST(Datum, ADateThatIsNoDayHasNoWeekdayAndNoCalendarDay) {
    constexpr double unendlich = std::numeric_limits<double>::infinity();
    for (const TDatum d : {std::numeric_limits<double>::quiet_NaN(), unendlich, -unendlich, 1e300, -1e300, 4e8}) {
        EXPECT_EQ(Wochentag(d), 0) << d;
        EXPECT_EQ((KalenderTagVon(d) == KalenderTag{}), true) << d;
        EXPECT_FALSE(IstSonntagsZiehung(d)) << d;
        EXPECT_FALSE(IstMittwochsZiehung(d)) << d;
        EXPECT_EQ(WochentagKurz(d), "") << d;
    }
    EXPECT_EQ(Wochentag(DatumAus(9999, 12, 31)), 6);  // the calendar's last day, a Friday
    EXPECT_EQ(KalenderTagVon(DatumAus(9999, 12, 31)).jahr, 9999);
}

TEST(Ziehungstage, SpecialDaysAndNextDraw) {
    EXPECT_TRUE(IstSonntagsZiehung(DatumAus(1987, 1, 1)));
    EXPECT_TRUE(IstMittwochsZiehung(DatumAus(2003, 12, 25)));
    EXPECT_FALSE(IstSonntagsZiehung(DatumAus(2003, 12, 25)));
    EXPECT_TRUE(IstSonntagsZiehung(DatumAus(2024, 1, 6)));   // Saturday
    EXPECT_TRUE(IstSonntagsZiehung(DatumAus(2024, 1, 8)));   // Monday
    EXPECT_FALSE(IstMittwochsZiehung(DatumAus(2024, 1, 9)));  // Tuesday
    const TDatum sonntag = DatumAus(2024, 1, 7), mittwoch = DatumAus(2024, 1, 10), samstag = DatumAus(2024, 1, 6);
    EXPECT_EQ(NaechsteZiehung(sonntag), mittwoch);
    EXPECT_EQ(NaechsteZiehung(mittwoch), DatumAus(2024, 1, 14));
    EXPECT_EQ(NaechsteZiehung(samstag), DatumAus(2024, 1, 10));
    EXPECT_EQ(LetzteZiehungVor(mittwoch), sonntag);
    EXPECT_EQ(LetzteZiehungVor(DatumAus(2024, 1, 11)), mittwoch);
    EXPECT_EQ(WochentagKurz(sonntag), " (So)");
    EXPECT_EQ(WochentagKurz(samstag), "");
}
