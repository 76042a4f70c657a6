#include <gtest/gtest.h>

#include <fstream>

#include "cli_lauf.h"
#include "temp_ordner.h"

namespace {
class CliQuotas : public testing::Test {
protected:
    std::string Datei(const std::string& inhalt) {
        const auto pfad = ordner.pfad() / ("quoten" + std::to_string(++nummer) + ".txt");
        std::ofstream(pfad, std::ios::binary) << inhalt;
        return pfad.string();
    }
    TempOrdner ordner;
    int nummer = 0;
};
}  // namespace

TEST_F(CliQuotas, FreeTextWithoutAColumnTabModeWithOne) {
    // Four short lines: free text anyway, the money lines picked from the bottom, three lines apart.
    const std::string text = "6 Richtige 1 1.748.907,28 €\nx\nx\n5 + ZZ 2 40.079,10 €\n";
    const auto frei = Cli({"quotas", "parse", Datei(text)});
    EXPECT_EQ(frei.status, 0) << frei.fehler;
    EXPECT_EQ(frei.aus, "\n\n\n\n\n\n1748907,28\n40079,10\n");

    const auto tab = Cli({"quotas", "parse", Datei("a\t1\t5,00 €\nb\t2\t6,00\n"), "--column", "3"});
    EXPECT_EQ(tab.status, 0) << tab.fehler;
    EXPECT_EQ(tab.aus, "5,00\n6,00\n\n\n\n\n\n\n");
}

TEST_F(CliQuotas, RefusalsExitWithOne) {
    const auto kurz = Cli({"quotas", "parse", Datei("a\t5,00\nb\n"), "--column", "2"});
    EXPECT_EQ(kurz.status, 1);
    EXPECT_EQ(kurz.aus, "5,00\n\n\n\n\n\n\n\n");  // the first edit was filled before the stop
    EXPECT_EQ(kurz.fehler, "Die Zeile 2 des Textes hat keine Spalte 2; sie besteht aus 1 Spalte.\n\nIch breche erst einmal ab.\n");

    const std::vector<std::vector<std::string>> falsch = {
        {"quotas", "parse", Datei("")},
        {"quotas", "parse", Datei("1,00"), "--column", "11"},
        {"quotas", "parse", (ordner.pfad() / "fehlt.txt").string()},
        {"quotas", "lies", Datei("1,00")},
    };
    for (const auto& args : falsch) {
        const auto lauf = Cli(args);
        EXPECT_EQ(lauf.status, 1) << args[2];
        EXPECT_FALSE(lauf.fehler.empty()) << args[2];
    }
}
