#include <gtest/gtest.h>

#include <sstream>

#include "cli_lauf.h"
#include "core/ziehungsdatei.h"
#include "statistik_referenz.h"
#include "temp_ordner.h"

namespace {

using quintaro::DatumAus;

using quintaro::referenz::Ziehung;

struct CliStats : testing::Test {
    TempOrdner ordner;
    std::string gz = (ordner.pfad() / "GZ.645").string();

    void SetUp() override {
        quintaro::ZiehungenSpeichern(gz, {
                                             Ziehung(DatumAus(2020, 3, 1), {1, 2, 3, 4, 5, 6}),
                                             Ziehung(DatumAus(2020, 3, 4), {3, 5, 12, 19, 27, 44}),
                                             Ziehung(DatumAus(2020, 3, 8), {1, 5, 12, 20, 30, 40}),
                                             Ziehung(DatumAus(2020, 3, 11), {2, 3, 4, 5, 6, 7}),
                                         });
    }

    std::vector<std::string> Zeilen(std::vector<std::string> args) {
        args.insert(args.begin(), "stats");
        const auto lauf = Cli(args);
        EXPECT_EQ(lauf.status, 0) << lauf.fehler;
        std::vector<std::string> zeilen;
        std::istringstream text(lauf.aus);
        for (std::string zeile; std::getline(text, zeile);) zeilen.push_back(zeile);
        return zeilen;
    }
};

TEST_F(CliStats, FrequenciesOfViewsAndPeriods) {
    const auto alle = Zeilen({"freq", "--draws", gz});
    ASSERT_EQ(alle.size(), 45u);
    EXPECT_EQ(alle[0], "1\t2");
    EXPECT_EQ(alle[4], "5\t4");
    EXPECT_EQ(alle[44], "45\t0");  // the Zusatzzahl is not counted
    EXPECT_EQ(Zeilen({"freq", "--draws", gz, "--view", "wed"})[4], "5\t2");
    EXPECT_EQ(Zeilen({"freq", "--draws", gz, "--view", "sun"})[1], "2\t1");
    EXPECT_EQ(Zeilen({"freq", "--draws", gz, "--from", "1", "--to", "2"})[11], "12\t2");
    EXPECT_EQ(Zeilen({"freq", "--draws", gz, "--from", "2", "--to", "1"})[4], "5\t0");
}

TEST_F(CliStats, AbsencesRankingsAndSearch) {
    const auto ausbleiben = Zeilen({"absence", "--draws", gz});
    ASSERT_EQ(ausbleiben.size(), 45u);
    EXPECT_EQ(ausbleiben[0], "8\t4");
    EXPECT_EQ(ausbleiben[44], "7\t0");

    const auto paare = Zeilen({"pairs", "--draws", gz});
    ASSERT_FALSE(paare.empty());
    EXPECT_EQ(paare[0], "frequent\t1\t3,5\t3");
    EXPECT_EQ(paare[1], "frequent\t2\t1,5\t2");
    const auto selten = std::find(paare.begin(), paare.end(), "rare\t1\t1,7\t0");
    ASSERT_NE(selten, paare.end());
    EXPECT_GT(paare.end() - selten, 100);

    const auto vierer = Zeilen({"quads", "--draws", gz, "--view", "sun"});
    EXPECT_EQ(vierer[0], "frequent\t1\t1,2,3,4\t1");

    EXPECT_EQ(Zeilen({"search", "--draws", gz, "--numbers", "12,5"}),
              (std::vector<std::string>{"1\t2020-03-04\t3,19,27,44", "2\t2020-03-08\t1,20,30,40"}));
    EXPECT_EQ(Zeilen({"search", "--draws", gz, "--numbers", "5,12", "--from", "2", "--to", "3"}),
              (std::vector<std::string>{"1\t2020-03-08\t1,20,30,40"}));
    EXPECT_TRUE(Zeilen({"search", "--draws", gz, "--numbers", "5,12", "--view", "sun", "--from", "0", "--to", "0"}).empty());
}

TEST_F(CliStats, RefusesWhatItCannotAnswer) {
    const std::vector<std::vector<std::string>> faelle = {
        {"stats", "freq"},                                          // no file
        {"stats", "freq", "--draws", gz + ".fehlt"},                // missing file
        {"stats", "median", "--draws", gz},                         // unknown kind
        {"stats", "freq", "--draws", gz, "--to", "4"},              // past the newest draw
        {"stats", "freq", "--draws", gz, "--view", "sun", "--from", "2"},
        {"stats", "freq", "--draws", gz, "--view", "mon"},
        {"stats", "search", "--draws", gz},                         // no numbers
        {"stats", "search", "--draws", gz, "--numbers", "5"},       // one number is no combination
        {"stats", "search", "--draws", gz, "--numbers", "5,5"},
        {"stats", "search", "--draws", gz, "--numbers", "5,46"},
        {"stats", "search", "--draws", gz, "--numbers", "1,2,3,4,5,6,7"},
    };
    for (const auto& args : faelle) {
        const auto lauf = Cli(args);
        EXPECT_EQ(lauf.status, 1) << args[1] << " " << args.back();
        EXPECT_TRUE(lauf.aus.empty());
        EXPECT_FALSE(lauf.fehler.empty());
    }
}

}  // namespace
