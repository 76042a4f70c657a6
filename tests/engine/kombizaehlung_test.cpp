#include "statistics/kombizaehlung.h"

#include <gtest/gtest.h>

#include "core/kombinatorik.h"
#include "statistics/statistik.h"
#include "statistik_referenz.h"

namespace quintaro {
namespace {

TEST(KombiIndex, FollowsTheLexicographicTable) {
    for (int k = 2; k <= 4; ++k) {
        int erwartet = 0;
        FuerAlleKombinationen(MaxZahl, k, [&](const std::vector<int>& zahlen) {
            if (KombiIndex(zahlen) != erwartet) {
                ADD_FAILURE() << "k=" << k << ": index " << KombiIndex(zahlen) << " instead of " << erwartet;
                return false;
            }
            ++erwartet;
            return true;
        });
        EXPECT_EQ(erwartet, KombiAnzahl(k));
    }
    EXPECT_EQ(KombiAnzahl(2), 990);
    EXPECT_EQ(KombiAnzahl(3), 14190);
    EXPECT_EQ(KombiAnzahl(4), 148995);
}

int Index(const TRangZeile& zeile) { return KombiIndex(zeile.zahlen.zahlen()); }

// The fast count must give exactly the lists of the table scan, ties and level
// ends included; narrow number ranges make large levels of equal counts.
TEST(Kombinationsranglisten, EqualTheTableScanOnRandomHistories) {
    struct Fall {
        int ziehungen;
        int hoechste;
        unsigned saat;
    };
    const Fall faelle[] = {{0, 45, 1}, {1, 45, 2}, {7, 45, 3}, {60, 45, 4}, {400, 45, 5}, {40, 12, 6}, {25, 9, 7}};
    for (const Fall& fall : faelle) {
        const auto liste = referenz::ZufallsZiehungen(fall.ziehungen, fall.saat, fall.hoechste);
        const TStatistik statistik(liste, {}, {});
        SCOPED_TRACE(testing::Message() << fall.ziehungen << " draws of 1.." << fall.hoechste);

        const auto paareGanz = statistik.KombinationenFavoriten(0);
        const auto paareScan = referenz::TabellenScan(referenz::Mengen(liste, 0, fall.ziehungen - 1), 2);
        EXPECT_EQ(paareGanz.haeufig, paareScan.haeufig);
        EXPECT_EQ(paareGanz.selten, paareScan.selten);

        // The whole list, a random period and an empty one (bis < von).
        std::mt19937 zufall(fall.saat);
        const int von = fall.ziehungen > 0 ? int(zufall() % unsigned(fall.ziehungen)) : 0;
        const int bis = fall.ziehungen > 0 ? von + int(zufall() % unsigned(fall.ziehungen - von)) : -1;
        for (const TZeitraum z : {statistik.GanzeListe(0), TZeitraum{von, bis}, TZeitraum{von + 1, von}}) {
            for (int k = 2; k <= 4; ++k) {
                SCOPED_TRACE(testing::Message() << "k=" << k << ", period " << z.von << ".." << z.bis);
                const auto erwartet = referenz::TabellenScan(referenz::Mengen(liste, z.von, z.bis), k);
                const auto ist = k == 3   ? *statistik.KombinationenFavoritenNur3(z, 0)
                                 : k == 4 ? *statistik.KombinationenFavoritenNur4(z, 0)
                                          : *statistik.Kombinationsrangliste(k, z, 0);
                EXPECT_EQ(ist.haeufig, erwartet.haeufig);
                EXPECT_EQ(ist.selten, erwartet.selten);
            }
        }
    }
}

// A damaged record (a number twice, 0 or beyond 45) takes part with its
// distinct numbers 1..45, as the table scan sees it.
TEST(Kombinationsranglisten, DamagedDrawsCountTheirValidNumbersOnly) {
    const std::vector<TGewZahlen> liste = {referenz::Ziehung(1, {0, 5, 5, 12, 46, 200}),
                                           referenz::Ziehung(2, {5, 12, 13, 14, 15, 16})};
    const TStatistik statistik(liste, {}, {});
    for (int k = 2; k <= 4; ++k) {
        const auto erwartet = referenz::TabellenScan(referenz::Mengen(liste, 0, 1), k);
        const auto ist = *statistik.Kombinationsrangliste(k, statistik.GanzeListe(0), 0);
        EXPECT_EQ(ist.haeufig, erwartet.haeufig) << k;
        EXPECT_EQ(ist.selten, erwartet.selten) << k;
    }
    EXPECT_EQ(statistik.StatAnzahl(0)[5], 2);
}

// Levels are taken whole: the list ends with the first level that brings it
// past 100 rows, ranked 1, 2, 3 ... in lexicographic order within a level.
TEST(Kombinationsranglisten, TakeWholeLevels) {
    struct Fall {
        const char* was;
        std::vector<std::pair<int, std::uint32_t>> stufen;  // (entries, count) from the first pair on; rest count 0
        std::size_t haeufig;
        std::size_t selten;
    };
    const Fall faelle[] = {
        {"95 at the top, 10 below", {{95, 5}, {10, 4}, {20, 3}}, 105, 865},
        {"exactly 100 at the top, then 1", {{100, 7}, {1, 6}}, 101, 889},
        {"101 at the top", {{101, 2}}, 101, 889},
        {"all equal", {}, 990, 990},
        {"10 at the bottom, 91 next", {{800, 9}, {91, 1}, {89, 3}}, 800, 101},
    };
    for (const Fall& fall : faelle) {
        SCOPED_TRACE(fall.was);
        std::vector<std::uint32_t> anz(990, 0);
        std::size_t e = 0;
        for (const auto& [eintraege, wert] : fall.stufen)
            for (int i = 0; i < eintraege; ++i) anz[e++] = wert;
        const TRangliste liste = RanglisteBilden(anz, 2);
        ASSERT_EQ(liste.haeufig.size(), fall.haeufig);
        ASSERT_EQ(liste.selten.size(), fall.selten);
        auto davor = [](const TRangZeile& x, const TRangZeile& y) { return Index(x) < Index(y); };
        for (std::size_t i = 1; i < liste.haeufig.size(); ++i) {
            const auto &vorher = liste.haeufig[i - 1], &jetzt = liste.haeufig[i];
            EXPECT_TRUE(vorher.anz > jetzt.anz || (vorher.anz == jetzt.anz && davor(vorher, jetzt))) << i;
            EXPECT_EQ(jetzt.anz, anz[std::size_t(Index(jetzt))]);
        }
        for (std::size_t i = 1; i < liste.selten.size(); ++i) {
            const auto &vorher = liste.selten[i - 1], &jetzt = liste.selten[i];
            EXPECT_TRUE(vorher.anz < jetzt.anz || (vorher.anz == jetzt.anz && davor(vorher, jetzt))) << i;
        }
    }
}

// Progress runs up to twice the table size and a refusal stops the count.
TEST(Kombinationsranglisten, ReportProgressAndStop) {
    const auto liste = referenz::ZufallsZiehungen(3000, 11);
    const TStatistik statistik(liste, {}, {});
    std::vector<int> werte;
    ASSERT_TRUE(statistik.KombinationenFavoritenNur4(statistik.GanzeListe(0), 0, [&](int w) {
        werte.push_back(w);
        return true;
    }));
    ASSERT_GE(werte.size(), 3u);
    EXPECT_TRUE(std::is_sorted(werte.begin(), werte.end()));
    EXPECT_EQ(werte.back(), 2 * 148995);

    int aufrufe = 0;
    EXPECT_FALSE(statistik.KombinationenFavoritenNur3(statistik.GanzeListe(0), 0, [&](int) { return ++aufrufe < 2; }));
    EXPECT_EQ(aufrufe, 2);
}

}  // namespace
}  // namespace quintaro
