#include <gtest/gtest.h>

#include "system_testhilfen.h"
#include "systems/systemtestgitter.h"

using namespace quintaro;

namespace {
using Zeile = std::vector<std::string>;
}

TEST(Systemtestgitter, ShowsCountsPercentagesAndDashes) {
    const Tabelle g = Systemtestgitter(Systemtest(0));  // rows (1,2,3) (1,2,4) (1,3,4)
    EXPECT_EQ(g[0], (Zeile{"", "Kombinationen", "1 Richtige", "2 Richtige", "3 Richtige", "4 Richtige", "5 Richtige",
                           "6 Richtige"}));
    EXPECT_EQ(g[1], (Zeile{"2 Treffer", "6", "---", "6", "", "", "", ""}));
    EXPECT_EQ(g[2], (Zeile{"      in %", "", "---", "100,00", "", "", "", ""}));
    EXPECT_EQ(g[3], (Zeile{"3 Treffer", "4", "---", "1", "3", "", "", ""}));
    EXPECT_EQ(g[4], (Zeile{"      in %", "", "---", "25,00", "75,00", "", "", ""}));
    EXPECT_EQ(g[5], (Zeile{"4 Treffer", "", "", "", "", "", "", ""}));
    EXPECT_EQ(g[10], (Zeile{"      in %", "", "", "", "", "", "", ""}));

    EXPECT_EQ(SystemtestZellfarbe(g, 1, 3), Systemtestfarbe::Gruen);       // all six pairs
    EXPECT_EQ(SystemtestZellfarbe(g, 2, 3), Systemtestfarbe::Gruen);       // 100,00
    EXPECT_EQ(SystemtestZellfarbe(g, 1, 1), Systemtestfarbe::Weiss);       // the count itself
    EXPECT_EQ(SystemtestZellfarbe(g, 1, 2), Systemtestfarbe::Weiss);
    EXPECT_EQ(SystemtestZellfarbe(g, 4, 4), Systemtestfarbe::Hellorange);
    EXPECT_EQ(SystemtestZellfarbe(g, 5, 2), Systemtestfarbe::Weiss);       // empty cells keep their row colour
    EXPECT_EQ(SystemtestZellfarbe(g, 6, 2), Systemtestfarbe::Hellorange);
}

TEST(Systemtestgitter, FullSystemIsGreenOnTheDiagonal) {
    const Tabelle g = Systemtestgitter(Systemtest(testhilfen::IndexVon(6, 7, 6)));
    for (int t = 2; t <= 6; ++t) {
        EXPECT_EQ(SystemtestZellfarbe(g, 2 * t - 3, t + 1), Systemtestfarbe::Gruen) << t;
        EXPECT_EQ(g[std::size_t(2 * t - 2)][std::size_t(t + 1)], "100,00") << t;
        EXPECT_EQ(SystemtestZellfarbe(g, 2 * t - 3, t), Systemtestfarbe::Weiss) << t;
    }
}

TEST(Systemtestgitter, RowsBelowTheLowerBoundStayEmpty) {
    // RG 6 with 44 Wahlzahlen: one number outside the pool, so D = 5.
    const Tabelle g = Systemtestgitter(Systemtest(328));
    for (int zeile = 1; zeile <= 6; ++zeile)
        for (int spalte = 1; spalte < SystemtestSpalten; ++spalte) EXPECT_EQ(g[std::size_t(zeile)][std::size_t(spalte)], "");
    EXPECT_EQ(g[7][1], "1.086.008");
    EXPECT_EQ(g[9][1], "7.059.052");
}

TEST(Systemtestgitter, AStoppedTestShowsNoCounts) {
    Systemtestergebnis e = Systemtest(0);
    e.abgebrochen = true;
    EXPECT_EQ(Systemtestgitter(e), SystemtestgitterLeer());
}
