#include "systems/reihentabellen.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <numeric>
#include <set>
#include <vector>

#include "systems/katalog.h"

using namespace quintaro;

namespace {
using Zeile = std::vector<int>;

std::vector<Zeile> Zeilen(int index) {
    const auto& s = EingebauteSysteme()[std::size_t(index)];
    std::vector<Zeile> zeilen;
    for (int r = 1; r <= s.TR; ++r) {
        Zeile z;
        for (int p = 1; p <= s.RG; ++p) z.push_back(SystemElement(index, s.RG, r, p));
        zeilen.push_back(z);
    }
    return zeilen;
}

// Tables that are not complete coverings, with the uncovered GA-subsets of the
// committed tables as an upper bound. Entries 31 and 106 cannot be complete with
// their row counts (31 is at its optimum: 196 triples cover at most 588 of the
// 595 pairs); the others are the generator's best so far.
const std::map<int, std::int64_t> Unvollstaendig = {
    {31, 7}, {49, 2}, {65, 21}, {66, 34}, {90, 1}, {91, 2}, {94, 3}, {106, 5}, {110, 6}, {112, 2},
    {121, 3}, {289, 11}, {304, 5}, {306, 73}, {319, 5}, {324, 5}, {329, 7}, {330, 13},
    {347, 568}};
}  // namespace

TEST(Reihentabellen, HaveTheSizesOfTheCatalogue) {
    std::size_t bytes = 0, zeilen = 0;
    for (int i = 0; i < AnzahlEingebauteSysteme; ++i) {
        const auto& s = EingebauteSysteme()[std::size_t(i)];
        EXPECT_EQ(Reihentabelle(i).size(), std::size_t(s.TR) * s.RG) << "entry " << i;
        bytes += Reihentabelle(i).size();
        zeilen += s.TR;
    }
    EXPECT_EQ(bytes, 136011u);
    EXPECT_EQ(zeilen, 28683u);
    // The tables lie back to back.
    EXPECT_EQ(Reihentabelle(1).data(), Reihentabelle(0).data() + Reihentabelle(0).size());
    EXPECT_THROW(Reihentabelle(AnzahlEingebauteSysteme), std::out_of_range);
    EXPECT_THROW(Reihentabelle(-1), std::out_of_range);
}

TEST(SystemElement, ReadsInsideTheTableOnly) {
    // Entry 0: RG 3, 3 rows (1,2,3) (1,2,4) (1,3,4).
    EXPECT_EQ(SystemElement(0, 3, 1, 1), 1);
    EXPECT_EQ(SystemElement(0, 3, 2, 3), 4);
    EXPECT_EQ(SystemElement(0, 3, 3, 2), 3);
    struct Fall {
        int index, RG, reihe, pos;
    };
    const Fall daneben[] = {{0, 3, 0, 1}, {0, 3, 4, 1}, {0, 3, 1, 0}, {0, 3, 1, 4}, {0, 2, 1, 1}, {348, 3, 1, 1}};
    for (const auto& f : daneben)
        EXPECT_THROW(SystemElement(f.index, f.RG, f.reihe, f.pos), std::out_of_range)
            << f.index << " " << f.RG << " " << f.reihe << " " << f.pos;
}

TEST(Reihentabellen, RowsAreAscendingWithinTheWahlzahlenAndUseEveryValue) {
    for (int i = 0; i < AnzahlEingebauteSysteme; ++i) {
        const auto& s = EingebauteSysteme()[std::size_t(i)];
        std::vector<int> vorkommen(std::size_t(s.WZ) + 1, 0);
        std::set<Zeile> verschieden;
        for (const auto& z : Zeilen(i)) {
            EXPECT_TRUE(std::is_sorted(z.begin(), z.end()) && std::adjacent_find(z.begin(), z.end()) == z.end())
                << "entry " << i;
            EXPECT_GE(z.front(), 1) << "entry " << i;
            EXPECT_LE(z.back(), s.WZ) << "entry " << i;
            for (int w : z)
                if (w >= 1 && w <= s.WZ) ++vorkommen[std::size_t(w)];
            verschieden.insert(z);
        }
        EXPECT_EQ(std::count(vorkommen.begin() + 1, vorkommen.end(), 0), 0) << "entry " << i;
        // Only entry 11 repeats a row (its first one, as the last row).
        EXPECT_EQ(verschieden.size() + (i == 11 ? 1 : 0), std::size_t(s.TR)) << "entry " << i;
    }
}

TEST(Reihentabellen, KeepThePrescribedRows) {
    struct Fall {
        int index;
        std::vector<Zeile> zeilen;
    };
    const Fall faelle[] = {
        {0, {{1, 2, 3}, {1, 2, 4}, {1, 3, 4}}},
        {1, {{1, 2, 3}, {1, 4, 5}, {2, 3, 4}, {2, 3, 5}}},
        {2, {{2, 3, 5}, {3, 4, 6}, {1, 4, 5}, {2, 5, 6}, {1, 3, 6}, {1, 2, 4}}},
        {141, {{1, 2, 6, 7, 8}, {2, 3, 4, 5, 9}}},
        {252, {{1, 2, 3, 4, 5, 6}, {1, 2, 3, 4, 5, 7}, {1, 2, 3, 4, 6, 7}}},
        {308,
         {{1, 2, 3, 4, 5, 6},
          {1, 2, 3, 4, 5, 7},
          {1, 2, 3, 4, 6, 7},
          {1, 2, 3, 5, 6, 7},
          {1, 2, 4, 5, 6, 7},
          {1, 3, 4, 5, 6, 7}}},
    };
    for (const auto& f : faelle) EXPECT_EQ(Zeilen(f.index), f.zeilen) << "entry " << f.index;
}

TEST(Reihentabellen, Entry11IsASteinerTripleSystemPlusItsFirstRowAgain) {
    const auto z = Zeilen(11);
    ASSERT_EQ(z.size(), 36u);
    EXPECT_EQ(z[0], (Zeile{1, 2, 3}));
    EXPECT_EQ(z[1], (Zeile{1, 4, 5}));
    EXPECT_EQ(z[2], (Zeile{1, 6, 7}));
    EXPECT_EQ(z[34], (Zeile{7, 11, 12}));
    EXPECT_EQ(z[35], (Zeile{1, 2, 3}));
    // Every pair of 1..15 in exactly one of the first 35 triples.
    std::vector<int> paare(16 * 16, 0);
    for (std::size_t r = 0; r < 35; ++r)
        for (int a = 0; a < 3; ++a)
            for (int b = a + 1; b < 3; ++b) ++paare[std::size_t(z[r][std::size_t(a)] * 16 + z[r][std::size_t(b)])];
    for (int a = 1; a <= 15; ++a)
        for (int b = a + 1; b <= 15; ++b) EXPECT_EQ(paare[std::size_t(a * 16 + b)], 1) << a << "," << b;
}

TEST(Reihentabellen, CoverEveryGuaranteedSubset) {
    for (int i = 0; i < AnzahlEingebauteSysteme; ++i) {
        const auto& s = EingebauteSysteme()[std::size_t(i)];
        if (s.GA == 0) {
            EXPECT_EQ(UnbedeckteTeilmengen(i), 0);
            continue;
        }
        if (const auto bekannt = Unvollstaendig.find(i); bekannt != Unvollstaendig.end()) {
            EXPECT_LE(UnbedeckteTeilmengen(i), bekannt->second) << "entry " << i;
            continue;
        }
        EXPECT_EQ(UnbedeckteTeilmengen(i), 0)
            << "entry " << i << " RG " << int(s.RG) << " WZ " << int(s.WZ) << " GA " << int(s.GA) << " TR " << s.TR;
    }
}

TEST(UnbedeckteTeilmengen, CountsTheSubsetsNoRowHolds) {
    struct Fall {
        std::vector<std::uint8_t> zeilen;
        int RG, WZ, GA;
        std::int64_t unbedeckt;
    };
    const Fall faelle[] = {
        {{1, 2, 3, 1, 4, 5}, 3, 5, 2, 4},   // pairs 24 25 34 35 missing
        {{1, 2, 3, 1, 2, 3}, 3, 5, 2, 7},   // a repeated row adds nothing
        {{1, 1, 2, 3, 4, 5}, 3, 5, 2, 6},   // a row with a repeated value covers only its distinct values
        {{1, 2, 9, 3, 4, 5}, 3, 5, 2, 6},   // a value beyond WZ is ignored: 12 34 35 45 covered
        {{2, 1, 3}, 3, 3, 3, 0},            // unsorted rows still count
        {{1, 2, 3, 4, 5, 6}, 6, 7, 4, 20},  // C(7,4) - C(6,4)
        {{}, 3, 10, 2, 45},
    };
    for (const auto& f : faelle) EXPECT_EQ(UnbedeckteTeilmengen(f.zeilen, f.RG, f.WZ, f.GA), f.unbedeckt);
}
