#include <gtest/gtest.h>

#include "cli_lauf.h"
#include "core/datei.h"
#include "core/ziehungsdatei.h"
#include "temp_ordner.h"

namespace {
struct Fall {
    std::vector<std::string> args;
    int status;
    std::string aus;
};
}  // namespace

TEST(CliGrundbefehle, BinomialAndClassify) {
    const Fall faelle[] = {
        {{"binomial", "45", "6"}, 0, "8145060\n"},
        {{"binomial", "5", "7"}, 0, "0\n"},
        {{"binomial", "52", "26"}, 0, "495918532948104\n"},
        {{"binomial", "66", "33"}, 0, "7219428434016265740\n"},
        {{"binomial", "67", "33"}, 1, ""},
        {{"binomial", "99", "49"}, 1, ""},
        {{"binomial", "x", "7"}, 1, ""},
        {{"classify", "--row", "1,2,3,4,5,6", "--draw", "1,2,3,4,5,6", "--zz", "7", "--date", "2010-09-08"}, 0, "1\t6\n"},
        {{"classify", "--row", "7,8,9,10,11,12", "--draw", "1,2,3,4,5,6", "--zz", "7", "--date", "2010-09-08"}, 0, "8\t0 + ZZ\n"},
        {{"classify", "--row", "7,8,9,10,11,12", "--draw", "1,2,3,4,5,6", "--zz", "7", "--date", "2010-09-05"}, 0, "0\t---\n"},
        {{"classify", "--row", "1,2,3,4,7,8", "--draw", "1,2,3,4,5,6", "--zz", "7", "--date", "2009-05-03"}, 0, "4\t4\n"},
        {{"classify", "--row", "1,2,3,4,8,9", "--draw", "1,2,3,4,5,6", "--zz", "7", "--date", "2019-05-05"}, 0, "5\t4\n"},
        {{"classify", "--row", "1,1,3,4,8,9", "--draw", "1,2,3,4,5,6", "--zz", "7", "--date", "2019-05-05"}, 1, ""},
        {{"classify", "--row", "1,2,3,4,8,9", "--draw", "1,2,3,4,5,6", "--zz", "6", "--date", "2019-05-05"}, 1, ""},
        {{"classify", "--row", "1,2,3,4,8,9", "--draw", "1,2,3,4,5,6", "--zz", "7", "--date", "05.05.2019"}, 1, ""},
        {{"nichts"}, 1, ""},
    };
    for (const auto& f : faelle) {
        const auto lauf = Cli(f.args);
        EXPECT_EQ(lauf.status, f.status) << f.args[0] << " " << lauf.fehler;
        EXPECT_EQ(lauf.aus, f.aus);
        if (f.status != 0) { EXPECT_FALSE(lauf.fehler.empty()); }
    }
    EXPECT_NE(Cli({"binomial", "67", "33"}).fehler.find("zu groß für eine 64-Bit-Zahl"), std::string::npos);
}

TEST(CliGrundbefehle, HelpAfterACommandShowsThatCommandsUsage) {
    const std::pair<std::vector<std::string>, std::string> faelle[] = {
        {{"draws", "--help"}, "quintaro-cli draws list DATEI"},
        {{"stats", "freq", "-h"}, "quintaro-cli stats freq|absence"},
        {{"binomial", "45", "--help"}, "quintaro-cli binomial N K"},
        {{"systems", "test", "--help"}, "quintaro-cli systems list|rows"},
    };
    for (const auto& [args, anfang] : faelle) {
        const auto lauf = Cli(args);
        EXPECT_EQ(lauf.status, 0) << args[0];
        EXPECT_EQ(lauf.aus.rfind(anfang, 0), 0u) << lauf.aus;
        EXPECT_EQ(lauf.aus.find("Befehle:"), std::string::npos) << lauf.aus;  // not the whole overview
        EXPECT_TRUE(lauf.fehler.empty()) << lauf.fehler;
    }
}

TEST(CliGrundbefehle, DrawsImportListAndExportRoundTrip) {
    TempOrdner ordner;
    const auto csv = ordner.pfad() / "ein.csv", gz = ordner.pfad() / "GZ.645", aus = ordner.pfad() / "aus.csv";
    quintaro::SchreibeDateiAtomar(csv, std::string_view("Datum;Z1;Z2;Z3;Z4;Z5;Z6;ZZ\r\n"
                                                        "2010-09-08;6;5;4;3;2;1;7\r\n\r\n"
                                                        "05.09.2010\t45\t3\t2\t1\t9\t8\t7\r\n"));
    ASSERT_EQ(Cli({"draws", "import", csv.string(), gz.string()}).status, 0);
    EXPECT_EQ(quintaro::DateiGroesse(gz), 32);
    EXPECT_EQ(Cli({"draws", "list", gz.string()}).aus, "2010-09-05\t1,2,3,8,9,45\t7\n2010-09-08\t1,2,3,4,5,6\t7\n");
    EXPECT_EQ(Cli({"draws", "list", gz.string(), "--view", "sun"}).aus, "2010-09-05\t1,2,3,8,9,45\t7\n");
    EXPECT_EQ(Cli({"draws", "list", gz.string(), "--view", "wed"}).aus, "2010-09-08\t1,2,3,4,5,6\t7\n");
    ASSERT_EQ(Cli({"draws", "export", gz.string(), aus.string()}).status, 0);
    const auto text = quintaro::LiesDatei(aus);
    EXPECT_EQ(std::string(text.begin(), text.end()), "2010-09-05,1,2,3,8,9,45,7\n2010-09-08,1,2,3,4,5,6,7\n");
}

TEST(CliGrundbefehle, ImportRefusesABadLineAndWritesNothing) {
    TempOrdner ordner;
    const auto csv = ordner.pfad() / "ein.csv", gz = ordner.pfad() / "GZ.645";
    const std::pair<std::string, std::string> faelle[] = {
        {"2010-09-08,1,2,3,4,5,6,7\n2010-09-12,1,2,3,4,5,46,7\n", "Zeile 2"},
        {"2010-09-08,1,2,3,4,5,6,7\n2010-09-12,1,2,3,4,5,6,6\n", "Zeile 2"},
        {"2010-09-08,1,2,3,4,5,6,7\n2010-09-12,1,2,3,4,5,6\n", "Zeile 2"},
        {"2010-09-08,1,2,3,4,5,6,7\n2010-13-12,1,2,3,4,5,6,8\n", "Zeile 2"},
        {"2010-09-08,1,2,3,4,5,6,7\n2010-09-08,1,2,3,4,5,8,9\n", "Zeile 2"},
    };
    for (const auto& [inhalt, zeile] : faelle) {
        quintaro::SchreibeDateiAtomar(csv, std::string_view(inhalt));
        const auto lauf = Cli({"draws", "import", csv.string(), gz.string()});
        EXPECT_EQ(lauf.status, 1) << inhalt;
        EXPECT_NE(lauf.fehler.find(zeile), std::string::npos) << lauf.fehler;
        EXPECT_FALSE(std::filesystem::exists(gz));
    }
}

// Lone carriage returns, an empty file, a header alone and a bad first line
// used to replace the history with nothing or drop a line, with status 0.
TEST(CliGrundbefehle, ImportReadsEveryLineEndAndNeverLosesTheHistory) {
    TempOrdner ordner;
    const auto csv = ordner.pfad() / "ein.csv", gz = ordner.pfad() / "GZ.645";
    const std::pair<std::string, int> lesbar[] = {
        {"Datum\r2019-01-02,1,2,3,4,5,6,7\r2019-01-06,1,2,3,4,5,8,7\r", 2},
        {"Datum,Z1,Z2,Z3,Z4,Z5,Z6,ZZ\r\n2019-01-02,1,2,3,4,5,6,7\r\n", 1},
        {"2019-01-02,1,2,3,4,5,6,7\n2019-01-06,1,2,3,4,5,8,7", 2},
        {"\xEF\xBB\xBF" "2019-01-02,1,2,3,4,5,6,7\n", 1},
    };
    for (const auto& [inhalt, anzahl] : lesbar) {
        quintaro::SchreibeDateiAtomar(csv, std::string_view(inhalt));
        const auto lauf = Cli({"draws", "import", csv.string(), gz.string()});
        EXPECT_EQ(lauf.status, 0) << lauf.fehler;
        EXPECT_EQ(quintaro::DateiGroesse(gz), 16 * anzahl) << inhalt;
    }
    const quintaro::Bytes geschichte = quintaro::LiesDatei(gz);
    const std::pair<std::string, std::string> abgelehnt[] = {
        {"", "keine einzige Ziehung"},
        {"\r\n\n", "keine einzige Ziehung"},
        {"Datum;Z1;Z2;Z3;Z4;Z5;Z6;ZZ\r\n", "keine einzige Ziehung"},
        {"2019-02-30,1,2,3,4,5,6,7\n2019-01-02,1,2,3,4,5,6,7\n", "Zeile 1: \"2019-02-30\" ist kein Datum."},
        {"Ziehung 1\n2019-01-02,1,2,3,4,5,6,7\n", "Zeile 1"},
    };
    for (const auto& [inhalt, meldung] : abgelehnt) {
        quintaro::SchreibeDateiAtomar(csv, std::string_view(inhalt));
        const auto lauf = Cli({"draws", "import", csv.string(), gz.string()});
        EXPECT_EQ(lauf.status, 1) << inhalt;
        EXPECT_NE(lauf.fehler.find(meldung), std::string::npos) << lauf.fehler;
        EXPECT_NE(lauf.fehler.find("\"ein.csv\""), std::string::npos) << lauf.fehler;
        EXPECT_NE(lauf.fehler.find("\"GZ.645\" bleibt unverändert"), std::string::npos) << lauf.fehler;
        EXPECT_EQ(quintaro::LiesDatei(gz), geschichte) << inhalt;
    }
}
