#include <gtest/gtest.h>

#include <limits>

#include "core/kombinatorik.h"
#include "systems/katalog.h"

using namespace quintaro;

TEST(Kombinatorik, BinomialEdgeCases) {
    const std::tuple<int, int, std::int64_t> faelle[] = {
        {45, 6, 8145060}, {12, 6, 924}, {7, 7, 1}, {5, 7, 0}, {42, 2, 861}, {45, 22, 4116715363800}, {1, 1, 1}, {40, 1, 40}};
    for (const auto& [n, k, erwartet] : faelle) EXPECT_EQ(Binomial(n, k), erwartet) << n << " " << k;
}

// The cancel-then-multiply route wrapped past 2^63 from n = 52 on although
// every result up to n = 66 fits; checked against Pascal's triangle.
TEST(Kombinatorik, BinomialIsExactWhereverItFitsAndSaysWhenItDoesNot) {
    std::vector<std::vector<unsigned __int128>> pascal(101);
    for (int n = 0; n <= 100; ++n) {
        pascal[std::size_t(n)].assign(std::size_t(n) + 1, 1);
        for (int k = 1; k < n; ++k)
            pascal[std::size_t(n)][std::size_t(k)] = pascal[std::size_t(n - 1)][std::size_t(k - 1)] + pascal[std::size_t(n - 1)][std::size_t(k)];
    }
    const auto grenze = static_cast<unsigned __int128>(std::numeric_limits<std::int64_t>::max());
    for (int n = 0; n <= 100; ++n)
        for (int k = 1; k <= n; ++k) {
            const auto soll = pascal[std::size_t(n)][std::size_t(k)];
            const auto ist = BinomialPruefen(n, k);
            if (soll <= grenze) {
                ASSERT_TRUE(ist.has_value()) << n << " " << k;
                EXPECT_EQ(static_cast<unsigned __int128>(*ist), soll) << n << " " << k;
                EXPECT_EQ(Binomial(n, k), *ist);
            } else {
                EXPECT_FALSE(ist.has_value()) << n << " " << k;
                EXPECT_EQ(Binomial(n, k), std::numeric_limits<std::int64_t>::max()) << n << " " << k;
            }
        }
    EXPECT_EQ(BinomialPruefen(66, 33), std::int64_t(7219428434016265740));
    EXPECT_EQ(BinomialPruefen(5, 7), 0);
}

TEST(Kombinatorik, SubsetsComeInLexicographicOrderStoredOrStreamed) {
    const auto liste = KombinationenBilden(5, 3);
    ASSERT_EQ(liste.size(), 10u);
    EXPECT_EQ(liste.front(), (TZahlenMenge{1, 2, 3}));
    EXPECT_EQ(liste[1], (TZahlenMenge{1, 2, 4}));
    EXPECT_EQ(liste.back(), (TZahlenMenge{3, 4, 5}));
    std::size_t i = 0;
    FuerAlleKombinationen(5, 3, [&](const std::vector<int>& a) {
        TZahlenMenge m;
        for (int z : a) m.hinzu(z);
        EXPECT_EQ(m, liste[i++]);
        return true;
    });
    EXPECT_EQ(i, 10u);
    int besucht = 0;
    EXPECT_FALSE(FuerAlleKombinationen(45, 6, [&](const std::vector<int>&) { return ++besucht < 3; }));
    EXPECT_EQ(besucht, 3);
}

TEST(Kombinatorik, SetHelpers) {
    EXPECT_EQ(MengeZuFeld({3, 17, 40}, 5, 45), (std::vector<std::uint8_t>{3, 17, 40, 0, 0}));
    EXPECT_EQ(MengeZuFeld({3, 17, 40, 50}, 5, 45), (std::vector<std::uint8_t>{3, 17, 40, 0, 0}));
    EXPECT_EQ(MengeZuFeld({3, 17, 40}, 2, 45), (std::vector<std::uint8_t>{3, 17}));
    EXPECT_EQ(MengeAlsText({3, 17, 25}, 45, ","), "3,17,25");
    EXPECT_EQ(MengeAlsText({}, 45, ","), "");
    const TZahlenMenge m{0, 63, 64, 200, 255};
    EXPECT_EQ(m.anzahl(), 5);
    EXPECT_EQ(m.zahlen(), (std::vector<int>{0, 63, 64, 200, 255}));
    EXPECT_EQ(Treffer(m, TZahlenMenge{63, 200, 7}), 2);
    EXPECT_FALSE(m.enthaelt(256));
}

TEST(Katalog, BuiltInEntriesThenTheGeneratedFullSystems) {
    const auto& k = SystemKatalog();
    ASSERT_EQ(k.size(), 425u);
    long long zeilen = 0, bytes = 0;
    for (int i = 0; i < AnzahlEingebauteSysteme; ++i) {
        zeilen += k[std::size_t(i)].TR;
        bytes += k[std::size_t(i)].TR * k[std::size_t(i)].RG;
    }
    EXPECT_EQ(zeilen, 28683);
    EXPECT_EQ(bytes, 136011);
    EXPECT_EQ(k[347], (TSysteme{6, 24, 4, 784}));
    EXPECT_EQ(k[348], (TSysteme{1, 40, 1, 40}));
    EXPECT_EQ(k[183], (TSysteme{5, 12, 0, 4}));
    EXPECT_EQ(k[184], (TSysteme{5, 14, 0, 6}));
    const auto hat = [&](int rg, int wz) {
        return std::any_of(k.begin() + 348, k.end(), [&](const TSysteme& s) { return s.RG == rg && s.WZ == wz; });
    };
    EXPECT_TRUE(hat(6, 12));
    EXPECT_FALSE(hat(6, 13));
    EXPECT_TRUE(hat(2, 41));
    EXPECT_FALSE(hat(2, 42));
    EXPECT_TRUE(hat(5, 12));
    EXPECT_TRUE(hat(5, 6));
    EXPECT_TRUE(hat(3, 18));
    EXPECT_TRUE(hat(4, 13));
    EXPECT_EQ(KatalogBauen(924).size() - 348, 77u);
}

TEST(Katalog, OfficialTicketsAndTheirTwins) {
    const auto& t = ScheinSystemTabelle();
    EXPECT_EQ(t[0].BZ, 100);
    EXPECT_EQ(t[0].Code, "");
    const std::tuple<int, std::string_view, int> faelle[] = {{1, "007", 7}, {8, "108", 56}, {19, "213", 715},
                                                              {33, "318", 816}, {47, "418", 153}, {48, "540", 40}, {6, "012", 924}};
    for (const auto& [nr, code, tr] : faelle) {
        EXPECT_EQ(t[std::size_t(nr)].Code, code);
        EXPECT_EQ(t[std::size_t(nr)].TR, tr) << code;
    }
    const auto& k = SystemKatalog();
    int zwillinge = 0;
    for (int i = 0; i < int(k.size()); ++i) {
        if (i < AnzahlEingebauteSysteme) { EXPECT_FALSE(IstScheinSystem(i)) << i; }
        zwillinge += IstScheinSystem(i);
    }
    EXPECT_EQ(zwillinge, 48);
    EXPECT_TRUE(IstScheinSystem(348));  // RG 1, WZ 40 is "540"
    for (int i = 348; i < int(k.size()); ++i)
        if (k[std::size_t(i)].RG == 5 && k[std::size_t(i)].WZ == 12) { EXPECT_FALSE(IstScheinSystem(i)); }
}
