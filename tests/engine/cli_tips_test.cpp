// quintaro-cli tips: the transfer of a text file as the entry window does it.
#include <gtest/gtest.h>

#include <fstream>

#include "cli_lauf.h"
#include "temp_ordner.h"

namespace {
class CliTips : public ::testing::Test {
protected:
    std::string Datei(const std::string& inhalt) {
        const auto pfad = ordner.pfad() / "text.txt";
        std::ofstream(pfad, std::ios::binary) << inhalt;
        return pfad.string();
    }
    TempOrdner ordner;
};
}  // namespace

TEST_F(CliTips, PrintsTheRowsSortedAsTheTableGetsThem) {
    const auto lauf = Cli({"tips", Datei("41; 7 ;3,22,12,38\r\n5,3,9,1,45,2,\r\n")});
    EXPECT_EQ(lauf.status, 0) << lauf.fehler;
    EXPECT_EQ(lauf.aus, "3,7,12,22,38,41\n1,2,3,5,9,45\n");
}

TEST_F(CliTips, BlanksNeedAnAnswer) {
    const std::string text = Datei("Feld 1: 3 7 12 22 38 41\r\nFeld 2: 1 2 3 4 5 6\r\n");
    const auto ohne = Cli({"tips", text});
    EXPECT_EQ(ohne.status, 1);
    EXPECT_EQ(ohne.aus, "");
    EXPECT_EQ(ohne.fehler.rfind("Dienen die Leerzeichen der Trennung der Zahlen?\n\n", 0), 0u) << ohne.fehler;

    const auto getrennt = Cli({"tips", text, "--blanks", "separate"});
    EXPECT_EQ(getrennt.status, 0) << getrennt.fehler;
    EXPECT_EQ(getrennt.aus, "3,7,12,22,38,41\n1,2,3,4,5,6\n");

    const auto entfernt = Cli({"tips", Datei("1 2,3,4,5,6,7"), "--blanks", "remove"});
    EXPECT_EQ(entfernt.status, 0) << entfernt.fehler;
    EXPECT_EQ(entfernt.aus, "3,4,5,6,7,12\n");

    EXPECT_EQ(Cli({"tips", text, "--blanks", "ja"}).status, 1);
}

TEST_F(CliTips, RefusalsPrintTheWindowsMessage) {
    const auto lauf = Cli({"tips", Datei("1,2,3,4,5,6\n1,2,3,4,5,46\n")});
    EXPECT_EQ(lauf.status, 1);
    EXPECT_EQ(lauf.aus, "");
    EXPECT_EQ(lauf.fehler,
              "In Zeile 2 ist die 6. Zahl, die 46, keine gültige Tippzahl.\n\n"
              "Die sechs Tippzahlen sind aus der Zahlenreihe 1 bis 45 zu wählen.\n\nIch breche erst einmal ab.\n");
    const auto fehlt = Cli({"tips", (ordner.pfad() / "fehlt.txt").string()});
    EXPECT_EQ(fehlt.status, 1);
    EXPECT_NE(fehlt.fehler.find("fehlt.txt"), std::string::npos) << fehlt.fehler;
}
