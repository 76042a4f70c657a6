// quintaro-cli random: the rows one per line, refusals on stderr with status 1.
#include <gtest/gtest.h>

#include <set>
#include <sstream>

#include "cli_lauf.h"

namespace {

std::vector<int> Zahlen(const std::string& zeile) {
    std::vector<int> z;
    std::istringstream in(zeile);
    for (std::string teil; std::getline(in, teil, ',');) z.push_back(std::stoi(teil));
    return z;
}

TEST(RandomCli, PrintsDistinctAscendingRowsUnderTheRoles) {
    const CliLauf l = Cli({"random", "--count", "300", "--bank", "7,21", "--killer", "1,2", "--fav", "13", "--seed", "42"});
    ASSERT_EQ(l.status, 0) << l.fehler;
    const auto zeilen = Zeilen(l.aus);
    ASSERT_EQ(zeilen.size(), 300u);
    std::set<std::string> verschieden(zeilen.begin(), zeilen.end());
    EXPECT_EQ(verschieden.size(), 300u);
    for (const auto& zeile : zeilen) {
        const auto z = Zahlen(zeile);
        ASSERT_EQ(z.size(), 6u) << zeile;
        EXPECT_TRUE(std::is_sorted(z.begin(), z.end()) && std::adjacent_find(z.begin(), z.end()) == z.end()) << zeile;
        for (int b : {7, 21}) EXPECT_NE(std::find(z.begin(), z.end(), b), z.end()) << zeile;
        for (int k : {1, 2}) EXPECT_EQ(std::find(z.begin(), z.end(), k), z.end()) << zeile;
    }
    // The same state gives the same rows; another state others.
    EXPECT_EQ(Cli({"random", "--count", "300", "--bank", "7,21", "--killer", "1,2", "--fav", "13", "--seed", "42"}).aus, l.aus);
    EXPECT_NE(Cli({"random", "--count", "300", "--bank", "7,21", "--killer", "1,2", "--fav", "13", "--seed", "43"}).aus, l.aus);
}

TEST(RandomCli, RefusesWithTheWindowsMessages) {
    const struct {
        std::vector<std::string> args;
        std::string fehler;
    } faelle[] = {
        {{"random", "--count", "41", "--bank", "1,2,3,4,5"},
         "Ihre \"Manipulationen\" lassen dem Zufall keine Chance, 41 Tippreihen zu bilden.\n\nich muss abbrechen.\n"},
        {{"random", "--count", "0"}, "Bitte geben Sie mindestens eine Tippreihe an.\n\nIch breche erst einmal ab.\n"},
        {{"random", "--count", "zwölf"}, "'zwölf' ist kein gültiger Integerwert\n"},
        {{"random", "--count", "5", "--bank", "1,2,3,4,5,6"}, "Mehr als fünf Bankzahlen lässt dem Zufall keinen Raum.\n"},
        {{"random", "--count", "5", "--bank", "1,2,3", "--killer",
          "4,5,6,7,8,9,10,11,12,13,14,15,16,17,18,19,20,21,22,23,24,25,26,27,28,29,30,31,32,33,34,35,36,37,38,39,40,"
          "41,42,43,44,45"},
         "Noch einen Quotenkiller mehr und der Zufall hat gar keine Chance mehr.\n\nIch breche ab.\n"},
        {{"random", "--count", "5", "--bank", "7", "--fav", "7"}, "Die Zahl 7 ist schon als Bankzahl gewählt.\n"},
        {{"random", "--count", "5", "--killer", "46"}, "Die Zahl 46 liegt nicht zwischen 1 und 45.\n"},
        {{"random", "--count", "5", "--fav", "9,9"}, "Die Zahl 9 ist doppelt angegeben.\n"},
        {{"random", "--count", "5", "--seed", "-1"}, "\"-1\" ist kein Zustand des Zufallsgenerators (0 bis 4294967295).\n"},
        {{"random"}, "Die Option --count fehlt.\n"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.fehler);
        const CliLauf l = Cli(f.args);
        EXPECT_EQ(l.status, 1);
        EXPECT_EQ(l.fehler, f.fehler);
        EXPECT_EQ(l.aus, "");
    }
}

TEST(RandomCli, AllFortyRowsOfFiveBankers) {
    const CliLauf l = Cli({"random", "--count", "40", "--bank", "1,2,3,4,5"});
    ASSERT_EQ(l.status, 0) << l.fehler;
    std::set<int> sechste;
    for (const auto& zeile : Zeilen(l.aus)) {
        const auto z = Zahlen(zeile);
        ASSERT_EQ(z.size(), 6u);
        EXPECT_EQ(std::vector<int>(z.begin(), z.begin() + 5), (std::vector<int>{1, 2, 3, 4, 5}));
        sechste.insert(z[5]);
    }
    EXPECT_EQ(sechste.size(), 40u);
}

}  // namespace
