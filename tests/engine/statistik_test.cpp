#include "statistics/statistik.h"

#include <gtest/gtest.h>

#include "core/kombinatorik.h"
#include "statistik_referenz.h"

namespace quintaro {
namespace {

using referenz::Ziehung;

// Four draws, oldest first, on a Sunday, a Wednesday, a Sunday, a Wednesday.
struct KleineHistorie : testing::Test {
    std::vector<TGewZahlen> alle = {
        Ziehung(DatumAus(2020, 3, 1), {1, 2, 3, 4, 5, 6}),
        Ziehung(DatumAus(2020, 3, 4), {3, 5, 12, 19, 27, 44}),
        Ziehung(DatumAus(2020, 3, 8), {1, 5, 12, 20, 30, 40}),
        Ziehung(DatumAus(2020, 3, 11), {2, 3, 4, 5, 6, 7}),
    };
    Datenbestand daten;
    TStatistik statistik = Bauen();

    TStatistik Bauen() {
        daten.GZListe = alle;
        StatistikStart(daten);
        return TStatistik(daten.GZListe, daten.GZListeSo, daten.GZListeMi);
    }
};

TEST_F(KleineHistorie, WholeListCountsAddUpOverTheDayLists) {
    ASSERT_EQ(statistik.ZiehungsAnzahl(1), 2);
    ASSERT_EQ(statistik.ZiehungsAnzahl(2), 2);
    for (int n = 1; n <= 45; ++n)
        EXPECT_EQ(statistik.StatAnzahl(0)[std::size_t(n)],
                  statistik.StatAnzahl(1)[std::size_t(n)] + statistik.StatAnzahl(2)[std::size_t(n)]) << n;
    EXPECT_EQ(statistik.StatAnzahl(0)[5], 4);
    EXPECT_EQ(statistik.StatAnzahl(0)[45], 0);  // the Zusatzzahl counts nowhere
}

TEST_F(KleineHistorie, TeilStatistikCountsThePeriodOnly) {
    statistik.TeilStatistik({1, 2}, 0);
    EXPECT_EQ(statistik.StatAnzahl(0)[5], 2);
    EXPECT_EQ(statistik.StatAnzahl(0)[12], 2);
    EXPECT_EQ(statistik.StatAnzahl(0)[4], 0);
    EXPECT_EQ(statistik.StatAnzahl(0)[44], 1);

    statistik.TeilStatistik({3, 2}, 0);
    for (int n = 1; n <= 45; ++n) EXPECT_EQ(statistik.StatAnzahl(0)[std::size_t(n)], 0) << n;
}

TEST_F(KleineHistorie, FrequencyOrderIsAscendingWithTiesByNumberAndKeptOnRecount) {
    statistik.TeilStatistik({0, 1}, 0);  // 3 and 5 twice, 1 2 4 6 12 19 27 44 once
    statistik.StatistikAbsteigend(0);
    ASSERT_TRUE(statistik.Sortiert(0));
    const auto& ordnung = statistik.Anordnung(0);
    std::vector<int> erwartet;
    for (int n = 1; n <= 45; ++n)
        if (statistik.StatAnzahl(0)[std::size_t(n)] == 0) erwartet.push_back(n);
    for (int n : {1, 2, 4, 6, 12, 19, 27, 44, 3, 5}) erwartet.push_back(n);
    EXPECT_EQ(std::vector<int>(ordnung.begin(), ordnung.end()), erwartet);

    statistik.TeilStatistik(statistik.GanzeListe(0), 0);  // the plates stay where they are
    EXPECT_EQ(std::vector<int>(statistik.Anordnung(0).begin(), statistik.Anordnung(0).end()), erwartet);

    statistik.StatistikAbsteigend(0);
    EXPECT_FALSE(statistik.Sortiert(0));
    for (int k = 0; k < 45; ++k) EXPECT_EQ(statistik.Anordnung(0)[std::size_t(k)], k + 1);
}

TEST_F(KleineHistorie, AbsencesByDescendingCountThenNumber) {
    const auto liste = statistik.Ausgeblieben(statistik.GanzeListe(0), 0);
    ASSERT_EQ(liste.size(), 45u);
    // Never drawn: the period's length (4); then the numbers last drawn two
    // and one draw before the newest; the newest draw's numbers have 0.
    std::vector<TAusbleiben> erwartet;
    for (int n = 8; n <= 45; ++n)
        if (n != 12 && n != 19 && n != 20 && n != 27 && n != 30 && n != 40 && n != 44) erwartet.push_back({n, 4});
    for (int n : {19, 27, 44}) erwartet.push_back({n, 2});
    for (int n : {1, 12, 20, 30, 40}) erwartet.push_back({n, 1});
    for (int n : {2, 3, 4, 5, 6, 7}) erwartet.push_back({n, 0});
    EXPECT_EQ(liste, erwartet);

    const TStatistik leer({}, {}, {});
    for (const TAusbleiben& a : leer.Ausgeblieben(leer.GanzeListe(1), 1)) EXPECT_EQ(a.anzahl, 0) << a.zahl;
}

TEST_F(KleineHistorie, SearchListsTheDrawsWithTheOtherNumbers) {
    for (int n : {5, 12}) ASSERT_EQ(statistik.ZahlUmschalten(n, 0, false), TUmschaltung::Gewaehlt);
    const auto funde = statistik.KombisSuchen(statistik.GanzeListe(0), 0);
    ASSERT_EQ(funde.size(), 2u);
    EXPECT_EQ(funde[0].datum, DatumAus(2020, 3, 4));
    EXPECT_EQ(MengeAlsText(funde[0].mit, 45, ","), "3,19,27,44");
    EXPECT_EQ(MengeAlsText(funde[1].mit, 45, ","), "1,20,30,40");

    EXPECT_EQ(statistik.KombisSuchen({0, 1}, 0).size(), 1u);
    EXPECT_TRUE(statistik.KombisSuchen({2, 1}, 0).empty());
    const TStatistik leer({}, {}, {});
    EXPECT_TRUE(leer.KombisSuchen(leer.GanzeListe(0), 0).empty());
}

TEST_F(KleineHistorie, SearchSelectionHoldsAtMostSixAndFollowsViewZero) {
    for (int n = 1; n <= 6; ++n) EXPECT_EQ(statistik.ZahlUmschalten(n, 0, false), TUmschaltung::Gewaehlt);
    EXPECT_EQ(statistik.ZahlUmschalten(7, 0, false), TUmschaltung::Abgelehnt);
    EXPECT_EQ(statistik.SuchMenge(0), (TZahlenMenge{1, 2, 3, 4, 5, 6}));
    EXPECT_EQ(statistik.SuchAnzahl(1), 0);  // no echo without the option

    EXPECT_EQ(statistik.ZahlUmschalten(6, 0, true), TUmschaltung::Abgewaehlt);
    EXPECT_EQ(statistik.SuchMenge(1), (TZahlenMenge{1, 2, 3, 4, 5}));
    EXPECT_EQ(statistik.SuchMenge(2), (TZahlenMenge{1, 2, 3, 4, 5}));

    // A change in a day view stays there.
    statistik.ZahlUmschalten(9, 2, true);
    EXPECT_EQ(statistik.SuchAnzahl(0), 5);
    EXPECT_EQ(statistik.SuchAnzahl(2), 6);

    statistik.KombiAufNull(0, true);
    for (int v = 0; v < 3; ++v) {
        EXPECT_EQ(statistik.SuchAnzahl(v), 0) << v;
        EXPECT_FALSE(statistik.SucheErlaubt(v)) << v;
    }
    statistik.ZahlUmschalten(9, 0, false);
    EXPECT_FALSE(statistik.SucheErlaubt(0));
    statistik.ZahlUmschalten(10, 0, false);
    EXPECT_TRUE(statistik.SucheErlaubt(0));
    statistik.KombiAufNull(1, true);  // the echo only runs from view 0
    statistik.Gleichklang();
    EXPECT_EQ(statistik.SuchMenge(1), (TZahlenMenge{9, 10}));
    statistik.KombiAufNull(0, false);
    EXPECT_EQ(statistik.SuchAnzahl(1), 2);
}

TEST(LetzteX, TakesTheNewestDrawsAndStartsNoEarlierThanTheOldest) {
    Datenbestand daten;
    daten.GZListe = referenz::ZufallsZiehungen(100, 3);
    StatistikStart(daten);
    daten.GZListeSo.resize(10);
    const TStatistik statistik(daten.GZListe, daten.GZListeSo, daten.GZListeMi);
    struct Fall {
        int v, k, x;
        TZeitraum zeitraum;
    };
    const Fall faelle[] = {
        {0, 1, 8, {92, 99}},   {0, 2, 26, {74, 99}}, {0, 4, 104, {0, 99}}, {0, 5, 100, {0, 99}},
        {1, 1, 4, {6, 9}},     {1, 2, 13, {0, 9}},   {1, 5, 10, {0, 9}},   {2, 2, 13, {37, 49}}, {2, 4, 52, {0, 49}},
    };
    for (const Fall& f : faelle) {
        SCOPED_TRACE(testing::Message() << "view " << f.v << " preset " << f.k);
        EXPECT_EQ(statistik.LetzteX(f.v, f.k), f.x);
        EXPECT_EQ(statistik.LetzteXZeitraum(f.v, f.k), f.zeitraum);
    }
    const TStatistik leer({}, {}, {});
    EXPECT_EQ(leer.LetzteXZeitraum(0, 2).laenge(), 0);
}

}  // namespace
}  // namespace quintaro
