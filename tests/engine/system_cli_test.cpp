#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <sstream>
#include <sys/wait.h>

#include "cli_lauf.h"

namespace {
std::vector<std::string> Woerter(const std::string& befehl) {
    std::vector<std::string> w;
    std::istringstream in(befehl);
    for (std::string wort; in >> wort;) w.push_back(wort);
    return w;
}
}  // namespace

TEST(SystemsCli, ListsTheCatalogueWithTicketCodes) {
    const CliLauf l = Cli({"systems", "list"});
    ASSERT_EQ(l.status, 0) << l.fehler;
    const auto z = Zeilen(l.aus);
    ASSERT_EQ(z.size(), 425u);
    EXPECT_EQ(z[0], "0\t3\t4\t2\t3\t-");
    EXPECT_EQ(z[347], "347\t6\t24\t4\t784\t-");
    EXPECT_EQ(z[348], "348\t1\t40\t1\t40\t540");
    EXPECT_EQ(z[424], "424\t6\t12\t6\t924\t012");
    EXPECT_EQ(std::count_if(z.begin(), z.end(), [](const std::string& s) { return s.back() != '-'; }), 48);
}

TEST(SystemsCli, ShowsRowTablesAndExpansions) {
    const struct {
        std::string argumente;
        std::string aus;
    } faelle[] = {
        {"systems rows 0", "1,2,3\n1,2,4\n1,3,4\n"},
        {"systems rows 141", "1,2,6,7,8\n2,3,4,5,9\n"},
        {"systems expand 0 --wahl 20,5,15,10 --bank 3,1,2", "1,2,3,5,10,15\n1,2,3,5,10,20\n1,2,3,5,15,20\n"},
        {"systems expand 419 --wahl 3,9,14,20,28,33,41",
         "3,9,14,20,28,33\n3,9,14,20,28,41\n3,9,14,20,33,41\n3,9,14,28,33,41\n3,9,20,28,33,41\n3,14,20,28,33,41\n"
         "9,14,20,28,33,41\n"},
        {"systems test 0", "2\t6\t0\t6\n3\t4\t0\t1\t3\n"},
        {"systems test 348", ""},  // five bankers: nothing to test
    };
    for (const auto& f : faelle) {
        const CliLauf l = Cli(Woerter(f.argumente));
        EXPECT_EQ(l.status, 0) << f.argumente << ": " << l.fehler;
        EXPECT_EQ(l.aus, f.aus) << f.argumente;
    }
}

TEST(SystemsCli, RefusesWithAGermanMessage) {
    const struct {
        std::string argumente;
        std::string fehler;
    } faelle[] = {
        {"systems expand 222 --wahl 1,2,3,4,5,6,7 --bank 9",
         "Bitte wählen Sie oben 7 Tippahlen und 2 Bankzahlen.\n\nIch breche erst einmal ab.\n"},
        {"systems expand 419 --wahl 1,2,3,4,5,6,7,7", "Die Zahl 7 steht doppelt in --wahl.\n"},
        {"systems expand 419 --wahl 1,2,3,4,5,6,46", "Die Zahl 46 (--wahl) liegt nicht zwischen 1 und 45.\n"},
        {"systems expand 419", "Die Option --wahl fehlt.\n"},
        {"systems rows 425", "Ein System mit dem Index 425 gibt es nicht (0 bis 424).\n"},
        {"systems rows 419",
         "Das System 419 ist ein Vollsystem; seine Reihen sind alle Teilmengen und stehen in keiner Tabelle.\n"},
        {"systems test x", "\"x\" ist keine ganze Zahl (INDEX).\n"},
    };
    for (const auto& f : faelle) {
        const CliLauf l = Cli(Woerter(f.argumente));
        EXPECT_EQ(l.status, 1) << f.argumente;
        EXPECT_EQ(l.aus, "") << f.argumente;
        EXPECT_EQ(l.fehler, f.fehler) << f.argumente;
    }
}

TEST(SystemsCli, VerifyListsEveryBuiltInTableAndNamesTheFailures) {
    const CliLauf l = Cli({"systems", "verify"});
    const auto z = Zeilen(l.aus);
    ASSERT_EQ(z.size(), 348u);
    EXPECT_EQ(z[0], "0\t3\t4\t2\t3\t0");
    EXPECT_EQ(z[141], "141\t5\t9\t0\t2\t0");
    if (l.status == 0) {
        EXPECT_EQ(l.fehler, "");
    } else {
        EXPECT_EQ(l.status, 1);
        EXPECT_EQ(l.fehler.rfind("Fehlerhafte Reihentabellen: ", 0), 0u) << l.fehler;
        // Every line with uncovered subsets outside 31, 106 and 305 is named.
        for (const auto& zeile : z) {
            const std::string index = zeile.substr(0, zeile.find('\t'));
            const bool luecke = zeile.substr(zeile.rfind('\t') + 1) != "0";
            if (luecke && index != "31" && index != "106" && index != "305") {
                EXPECT_NE(l.fehler.find(" " + index + " ("), std::string::npos) << index;
            }
        }
    }
}

TEST(SystemsCli, TheProgramExitsWithTheStatusAndWritesRefusalsToStderr) {
    const std::string fehlerDatei = ::testing::TempDir() + "systems_cli_stderr.txt";
    const auto lauf = [&](const std::string& argumente, std::string& aus, std::string& fehler) {
        FILE* p = popen((std::string(QUINTARO_CLI) + " " + argumente + " 2>" + fehlerDatei).c_str(), "r");
        char puffer[4096];
        aus.clear();
        while (std::size_t n = std::fread(puffer, 1, sizeof puffer, p)) aus.append(puffer, n);
        const int status = WEXITSTATUS(pclose(p));
        std::ifstream f(fehlerDatei);
        fehler.assign(std::istreambuf_iterator<char>(f), {});
        return status;
    };
    std::string aus, fehler;
    EXPECT_EQ(lauf("systems expand 0 --wahl 5,10,15,20 --bank 1,2,3", aus, fehler), 0);
    EXPECT_EQ(aus, "1,2,3,5,10,15\n1,2,3,5,10,20\n1,2,3,5,15,20\n");
    EXPECT_EQ(fehler, "");
    EXPECT_EQ(lauf("systems expand 0 --wahl 5,10,15,20 --bank 1", aus, fehler), 1);
    EXPECT_EQ(aus, "");
    EXPECT_EQ(fehler, "Bitte wählen Sie oben 4 Tippahlen und 3 Bankzahlen.\n\nIch breche erst einmal ab.\n");
}
