#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "system_testhilfen.h"
#include "systems/katalog.h"
#include "systems/systemanwenden.h"
#include "systems/zeilensortierung.h"

using namespace quintaro;
using testhilfen::IndexVon;

namespace {
using Reihe = std::array<std::uint8_t, 6>;

TZahlenMenge Bereich(int von, int bis) {
    TZahlenMenge m;
    for (int z = von; z <= bis; ++z) m.hinzu(z);
    return m;
}


const std::string Abbruch = "\r\rIch breche erst einmal ab.";
}  // namespace

TEST(SystemAnwenden, RefusesWithoutSystemOrWithWrongCounts) {
    const int mitZweiBankzahlen = IndexVon(4, 7, 2);
    const struct {
        int index;
        TZahlenMenge wahl, bank;
        std::string meldung;
    } faelle[] = {
        {-1, Bereich(1, 7), {}, "Bitte wählen Sie links zunächst ein System aus."},
        {IndexVon(6, 7, 6), Bereich(1, 6), {}, "Bitte wählen Sie oben 7 Tippahlen." + Abbruch},
        {IndexVon(6, 7, 6), Bereich(1, 7), {9}, "Bitte wählen Sie oben 7 Tippahlen." + Abbruch},
        {IndexVon(5, 7, 5), Bereich(1, 7), {}, "Bitte wählen Sie oben 7 Tippahlen und eine Bankzahl." + Abbruch},
        {mitZweiBankzahlen, Bereich(1, 7), {9}, "Bitte wählen Sie oben 7 Tippahlen und 2 Bankzahlen." + Abbruch},
        {mitZweiBankzahlen, Bereich(1, 7), {7, 9}, "Eine Zahl kann nicht zugleich Wahlzahl und Bankzahl sein." + Abbruch},
        {mitZweiBankzahlen, Bereich(1, 7), {0, 46}, "Es sind nur die Zahlen 1 bis 45 erlaubt." + Abbruch},
    };
    for (const auto& f : faelle)
        for (bool reihenBilden : {true, false}) {
            const auto a = SystemAnwenden(f.index, f.wahl, f.bank, reihenBilden);
            EXPECT_FALSE(a.gelungen());
            EXPECT_EQ(a.ablehnung, f.meldung) << f.index;
            EXPECT_TRUE(a.reihen.empty());
            EXPECT_EQ(a.ENr, (std::array<int, 46>{}));
        }
}

TEST(SystemAnwenden, FullSystem007LeavesOutOneNumberPerRow) {
    const TZahlenMenge wahl{3, 9, 14, 20, 28, 33, 41};
    const auto a = SystemAnwenden(IndexVon(6, 7, 6), wahl, {});
    ASSERT_TRUE(a.gelungen());
    EXPECT_EQ(a.reihen, (std::vector<Reihe>{{3, 9, 14, 20, 28, 33},
                                            {3, 9, 14, 20, 28, 41},
                                            {3, 9, 14, 20, 33, 41},
                                            {3, 9, 14, 28, 33, 41},
                                            {3, 9, 20, 28, 33, 41},
                                            {3, 14, 20, 28, 33, 41},
                                            {9, 14, 20, 28, 33, 41}}));
    for (int n = 1; n <= 45; ++n) {
        EXPECT_EQ(a.ENr[std::size_t(n)], wahl.enthaelt(n) ? 6 : 0) << n;
        EXPECT_EQ(a.aussehen[std::size_t(n)], wahl.enthaelt(n) ? Zahlaussehen::Wahlzahl : Zahlaussehen::Normal) << n;
    }
}

TEST(SystemAnwenden, BankersStandInEveryRowAndLookLikeBankers) {
    // Entry 0: rows (1,2,3) (1,2,4) (1,3,4); the first Wahlzahl is in every row
    // and therefore looks like a banker too.
    const auto a = SystemAnwenden(0, {5, 10, 15, 20}, {1, 2, 3});
    ASSERT_TRUE(a.gelungen());
    EXPECT_EQ(a.reihen, (std::vector<Reihe>{{1, 2, 3, 5, 10, 15}, {1, 2, 3, 5, 10, 20}, {1, 2, 3, 5, 15, 20}}));
    for (int n : {1, 2, 3, 5}) {
        EXPECT_EQ(a.ENr[std::size_t(n)], 3);
        EXPECT_EQ(a.aussehen[std::size_t(n)], Zahlaussehen::Bankzahl) << n;
    }
    for (int n : {10, 15, 20}) {
        EXPECT_EQ(a.ENr[std::size_t(n)], 2);
        EXPECT_EQ(a.aussehen[std::size_t(n)], Zahlaussehen::Wahlzahl) << n;
    }
    EXPECT_EQ(a.aussehen[4], Zahlaussehen::Normal);

    // Entry 141: rows (1,2,6,7,8) (2,3,4,5,9), a system without guarantee.
    const auto b = SystemAnwenden(141, Bereich(11, 19), {1});
    ASSERT_TRUE(b.gelungen());
    EXPECT_EQ(b.reihen, (std::vector<Reihe>{{1, 11, 12, 16, 17, 18}, {1, 12, 13, 14, 15, 19}}));
    for (int n = 1; n <= 19; ++n) {
        const bool inBeiden = n == 1 || n == 12;
        const bool inEiner = n >= 11 && !inBeiden;
        EXPECT_EQ(b.ENr[std::size_t(n)], inBeiden ? 2 : (inEiner ? 1 : 0)) << n;
        EXPECT_EQ(b.aussehen[std::size_t(n)], inBeiden  ? Zahlaussehen::Bankzahl
                                              : inEiner ? Zahlaussehen::Wahlzahl
                                                        : Zahlaussehen::Normal)
            << n;
    }
}

TEST(SystemAnwenden, EqualRowsEndUpNextToEachOther) {
    // Entry 11 lists its first row a second time as row 36.
    const auto a = SystemAnwenden(11, Bereich(21, 35), {1, 2, 3});
    ASSERT_TRUE(a.gelungen());
    ASSERT_EQ(a.reihen.size(), 36u);
    EXPECT_TRUE(std::is_sorted(a.reihen.begin(), a.reihen.end()));
    EXPECT_NE(std::adjacent_find(a.reihen.begin(), a.reihen.end()), a.reihen.end());
}

TEST(SystemAnwenden, DistributionAloneLeavesTheRowsOut) {
    const auto voll = SystemAnwenden(0, {5, 10, 15, 20}, {1, 2, 3});
    const auto nurVerteilung = SystemAnwenden(0, {5, 10, 15, 20}, {1, 2, 3}, false);
    ASSERT_TRUE(nurVerteilung.gelungen());
    EXPECT_TRUE(nurVerteilung.reihen.empty());
    EXPECT_EQ(nurVerteilung.ENr, voll.ENr);
    EXPECT_EQ(nurVerteilung.aussehen, voll.aussehen);
}

TEST(SystemAnwenden, RowOrderIsWhatTheGridSortGives) {
    std::mt19937 zufall(3);
    for (int index : {2, 37, 347, IndexVon(6, 12, 6)}) {
        const TSysteme& s = SystemKatalog()[std::size_t(index)];
        TZahlenMenge wahl = Bereich(1, s.WZ), bank = Bereich(46 - s.bankzahlen(), 45);
        const auto a = SystemAnwenden(index, wahl, bank);
        ASSERT_TRUE(a.gelungen()) << a.ablehnung;
        auto gemischt = a.reihen;
        std::shuffle(gemischt.begin(), gemischt.end(), zufall);
        Tabelle gitter{{"Reihe", "Z1", "Z2", "Z3", "Z4", "Z5", "Z6"}};
        for (std::size_t i = 0; i < gemischt.size(); ++i) {
            std::vector<std::string> zeile{std::to_string(i + 1)};
            for (auto z : gemischt[i]) zeile.push_back(std::to_string(z));
            gitter.push_back(zeile);
        }
        Sortierauftrag auftrag;
        auftrag.spalten = {1, 2, 3, 4, 5, 6};
        auftrag.typen.assign(6, Sortiertyp::Zahl);
        auftrag.letzteZeile = int(gemischt.size());
        ZeilenSortieren(gitter, auftrag);
        for (std::size_t i = 0; i < a.reihen.size(); ++i) {
            EXPECT_EQ(gitter[i + 1][0], std::to_string(i + 1));
            for (std::size_t p = 0; p < 6; ++p)
                ASSERT_EQ(gitter[i + 1][p + 1], std::to_string(a.reihen[i][p])) << index << " row " << i;
        }
    }
}

TEST(SystemAnwenden, EveryOfferedSystemGivesRowsOfSixWithAllBankers) {
    const auto& katalog = SystemKatalog();
    for (int index = 0; index < int(katalog.size()); ++index) {
        const TSysteme& s = katalog[std::size_t(index)];
        if (s.poolgroesse() > 45) continue;
        const TZahlenMenge bank = Bereich(1, s.bankzahlen()), wahl = Bereich(46 - s.WZ, 45);
        const auto a = SystemAnwenden(index, wahl, bank);
        ASSERT_TRUE(a.gelungen()) << index << ": " << a.ablehnung;
        ASSERT_EQ(a.reihen.size(), s.TR) << index;
        int summe = 0;
        for (int n = 1; n <= 45; ++n) summe += a.ENr[std::size_t(n)];
        EXPECT_EQ(summe, 6 * s.TR) << index;
        for (const auto& r : a.reihen) {
            TZahlenMenge m;
            for (auto z : r) m.hinzu(z);
            ASSERT_EQ(m.anzahl(), 6) << index;
            ASSERT_TRUE(std::is_sorted(r.begin(), r.end())) << index;
            ASSERT_EQ(m & bank, bank) << index;
            ASSERT_EQ(m - bank - wahl, TZahlenMenge{}) << index;
        }
    }
}
