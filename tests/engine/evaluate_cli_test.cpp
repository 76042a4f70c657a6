#include <gtest/gtest.h>

#include <array>
#include <fstream>

#include "core/datei.h"
#include "core/datum.h"
#include "core/formatierung.h"
#include "core/scheindateien.h"
#include "core/ziehungsdatei.h"
#include "quotas/quotenliste.h"
#include "cli_lauf.h"
#include "temp_ordner.h"
#include "gemeinsam/testziehung.h"

using namespace quintaro;

namespace {
class EvaluateCli : public ::testing::Test {
protected:
    void SetUp() override {
        ZiehungenSpeichern(pfad("GZ.645"), {TestZiehung(DatumAus(2010, 9, 5), {1, 2, 3, 4, 5, 6}, 7),
                                            TestZiehung(DatumAus(2010, 9, 8), {1, 2, 3, 4, 5, 6}, 7),
                                            TestZiehung(DatumAus(2019, 5, 1), {10, 11, 12, 13, 14, 15}, 7)});
        std::ofstream(pfad("t.nqtr"), std::ios::binary) << "1,2,3,4,5,6\r\n7,8,9,10,11,12\r\n1,2,3,7,20,21\r\n";
        TQuoten q;
        q.datum = DatumAus(2019, 5, 1);
        q.q = StandardQuoten;
        q.q[6] = 200000;
        Bytes b(72);
        QuotenNach(q, b.data());
        SchreibeDateiAtomar(pfad("Quo.645"), b);
    }
    std::string pfad(const std::string& name) const { return (ordner.pfad() / name).string(); }
    std::vector<std::string> basis(std::vector<std::string> weitere = {}) const {
        std::vector<std::string> args = {"evaluate", "--draws", pfad("GZ.645"), "--ticket", pfad("t.nqtr")};
        args.insert(args.end(), weitere.begin(), weitere.end());
        return args;
    }
    TempOrdner ordner;
};
}  // namespace

TEST_F(EvaluateCli, PeriodPrintsTheGridTotalAndBestWin) {
    const CliLauf l = Cli(basis({"--quotas", pfad("Quo.645"), "--from", "2010-09-05", "--to", "2019-05-01"}));
    ASSERT_EQ(l.status, 0) << l.fehler;
    EXPECT_EQ(l.aus,
              "05.09.2010 (So)\t6\t1\t1414604.38\n"
              "\t3\t3\t4.47\n"
              "08.09.2010 (Mi)\t6\t1\t1748907.28\n"
              "\t0 + ZZ\t2\t1.20\n"
              "\t3 + ZZ\t3\t14.93\n"
              "01.05.2019 (Mi)\t3 + ZZ\t2\t20.00\n"
              "\t0 + ZZ\t3\t1.20\n"
              "total\t3163553.46\n"
              "best\t1748907.28\t08.09.2010\t3\n");
}

TEST_F(EvaluateCli, SingleDrawDefaultsToTheNewestAndFiltersByDay) {
    const CliLauf neueste = Cli(basis());
    ASSERT_EQ(neueste.status, 0) << neueste.fehler;
    EXPECT_EQ(neueste.aus, "01.05.2019 (Mi)\t3 + ZZ\t2\t14.93\n\t0 + ZZ\t3\t1.20\ntotal\t16.13\nbest\t14.93\t01.05.2019\t1\n");

    const CliLauf sonntag = Cli(basis({"--from", "2010-09-05", "--day", "sun"}));
    ASSERT_EQ(sonntag.status, 0) << sonntag.fehler;
    EXPECT_EQ(sonntag.aus, "05.09.2010 (So)\t6\t1\t1414604.38\n\t3\t3\t4.47\ntotal\t1414608.85\nbest\t1414604.38\t05.09.2010\t1\n");
}

TEST_F(EvaluateCli, RefusalsAndBadInputGoToStderrWithStatusOne) {
    const struct {
        std::vector<std::string> argumente;
        std::string meldung;
    } faelle[] = {
        {{"--to", "2010-09-06"}, "noch keine Gewinnzahlen gespeichert"},
        {{"--to", "2010-09-05", "--from", "2010-09-08"}, "Bitte kontrollieren Sie die Angaben"},
        {{"--to", "2010-09-05", "--day", "wed"},
         "An einem Sonntag gibt es keine Mittwochsziehung. ;-)\n\nIch breche erst einmal ab."},
        {{"--to", "5.9.2010"}, "JJJJ-MM-TT"},
        {{"--day", "fri"}, "--day"},
    };
    for (const auto& f : faelle) {
        const CliLauf l = Cli(basis(f.argumente));
        EXPECT_EQ(l.status, 1) << f.meldung;
        EXPECT_EQ(l.aus, "") << f.meldung;
        EXPECT_NE(l.fehler.find(f.meldung), std::string::npos) << l.fehler;
    }
    std::ofstream(pfad("x.nqtr")) << "1,2,3,4,5,x\n";
    const CliLauf buchstabe = Cli({"evaluate", "--draws", pfad("GZ.645"), "--ticket", pfad("x.nqtr")});
    EXPECT_EQ(buchstabe.status, 1);
    EXPECT_NE(buchstabe.fehler.find("'x' ist kein gültiger ganzzahliger Wert"), std::string::npos) << buchstabe.fehler;
}

TEST_F(EvaluateCli, SystemTicketIsExpandedBeforeTheEvaluation) {
    // "007" with 1..7: on 2010-09-08 row 1 (1..6) hits six, rows 2..7 five with the Zusatzzahl.
    SystemscheinSpeichern(SystemscheinBauen(1, {}, {1, 2, 3, 4, 5, 6, 7}), pfad("s.sqtr"));
    const CliLauf l = Cli({"evaluate", "--draws", pfad("GZ.645"), "--ticket", pfad("s.sqtr"), "--to", "2010-09-08"});
    ASSERT_EQ(l.status, 0) << l.fehler;
    std::string erwartet = "08.09.2010 (Mi)\t6\t1\t1748907.28\n";
    for (int r = 2; r <= 7; ++r) erwartet += "\t5 + ZZ\t" + std::to_string(r) + "\t40079.13\n";
    EXPECT_EQ(l.aus, erwartet + "total\t1989382.06\nbest\t1748907.28\t08.09.2010\t1\n");
}

TEST_F(EvaluateCli, QuotaPrintsTheAmountThatPricesAWin) {
    const struct {
        std::string klasse, datum, aus;
    } faelle[] = {
        {"6", "2019-05-01", "20.00\n"},
        {"6", "2019-05-05", "14.93\n"},
        {"5", "2009-05-03", "4.47\n"},
    };
    for (const auto& f : faelle) {
        const CliLauf l = Cli({"quota", pfad("Quo.645"), f.klasse, f.datum});
        EXPECT_EQ(l.status, 0) << l.fehler;
        EXPECT_EQ(l.aus, f.aus) << f.datum;
    }
    EXPECT_EQ(Cli({"quota", pfad("Quo.645"), "6", "2009-05-03"}).status, 1);
    // A quota file named on the command line must exist; a typo is not "no quotas".
    const CliLauf fehlt = Cli({"quota", pfad("Quo.fehlt"), "1", "2019-05-01"});
    EXPECT_EQ(fehlt.status, 1);
    EXPECT_NE(fehlt.fehler.find("Quo.fehlt"), std::string::npos);
    // The command leaves the regional settings of the program as they were.
    EXPECT_EQ(BetragText(12345600), "1.234,56");
}
