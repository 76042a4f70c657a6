#include <gtest/gtest.h>

#include <array>
#include <random>

#include "core/datum.h"
#include "core/fehler.h"
#include "core/formatierung.h"
#include "evaluation/gewinnauswertung.h"
#include "systems/katalog.h"
#include "gemeinsam/testziehung.h"

using namespace quintaro;

namespace {
TippTabelle Reihen(std::vector<std::array<std::string, 6>> zeilen) {
    TippTabelle t;
    ReihenKopf(t);
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        std::vector<std::string> r{std::to_string(i + 1)};
        r.insert(r.end(), zeilen[i].begin(), zeilen[i].end());
        t.push_back(std::move(r));
    }
    return t;
}

std::vector<std::string> Zeilentexte(const Auswertung& a) {
    std::vector<std::string> texte;
    for (const auto& z : a.zeilen)
        texte.push_back(ErgebnisZelle(z, 0) + "|" + ErgebnisZelle(z, 1) + "|" + ErgebnisZelle(z, 2) + "|" +
                        ErgebnisZelle(z, 3));
    return texte;
}

// So 2010-09-05, Mi 2010-09-08, So 2010-09-12, Mi 2019-05-01, Sa 2019-05-04.
const std::vector<TGewZahlen> kZiehungen = {
    TestZiehung(DatumAus(2010, 9, 5), {1, 2, 3, 4, 5, 6}, 7),     TestZiehung(DatumAus(2010, 9, 8), {1, 2, 3, 4, 5, 6}, 7),
    TestZiehung(DatumAus(2010, 9, 12), {40, 41, 42, 43, 44, 45}, 39), TestZiehung(DatumAus(2019, 5, 1), {10, 11, 12, 13, 14, 15}, 7),
    TestZiehung(DatumAus(2019, 5, 4), {20, 21, 22, 23, 24, 25}, 26),
};
}  // namespace

TEST(GewinnAuswertung, OneLinePerDrawWithoutWinAndOnePerWin) {
    // Rows 2 and 5 win on 2010-09-08 ("4" and "6"); row 5 also wins on 2010-09-05 in the old scheme.
    const TippTabelle t = Reihen({{"30", "31", "32", "33", "34", "35"},
                                  {"1", "2", "3", "4", "20", "21"},
                                  {"30", "31", "32", "33", "34", "36"},
                                  {"30", "31", "32", "33", "34", "37"},
                                  {"1", "2", "3", "4", "5", "6"}});
    const Auswertung a = GewinnAuswertung(t, kZiehungen, {}, 2, 0, true, Ziehungstage::Alle);
    ASSERT_FALSE(a.abgelehnt());
    EXPECT_EQ(Zeilentexte(a), (std::vector<std::string>{
                                  "05.09.2010 (So)|4|2|47,97",
                                  "|6|5|1.414.604,38",
                                  "08.09.2010 (Mi)|4|2|41,05",
                                  "|6|5|1.748.907,28",
                                  "12.09.2010 (So)|---|---|---",
                              }));
    EXPECT_EQ(a.gesamt, 479700 + 14146043800 + 410500 + 17489072800);
    EXPECT_EQ(a.hoechstgewinn, 17489072800);
    EXPECT_EQ(a.hoechstgewinnZeile, 4);
    EXPECT_EQ(a.hoechstgewinnDatum, DatumAus(2010, 9, 8));
}

TEST(GewinnAuswertung, EqualWinsKeepTheEarlierAsHighest) {
    // Rows 1 and 2 both hit "3" on both Sundays of September 2010 (old scheme there: "3" = 4,47 €).
    const std::vector<TGewZahlen> ziehungen = {TestZiehung(DatumAus(2010, 8, 29), {1, 2, 3, 4, 5, 6}, 7),
                                               TestZiehung(DatumAus(2010, 9, 5), {1, 2, 3, 4, 5, 6}, 7)};
    const TippTabelle t = Reihen({{"1", "2", "3", "30", "31", "32"}, {"4", "5", "6", "33", "34", "35"}});
    const Auswertung a = GewinnAuswertung(t, ziehungen, {}, 1, 0, true, Ziehungstage::Alle);
    EXPECT_EQ(a.zeilen.size(), 4u);
    EXPECT_EQ(a.hoechstgewinn, 44700);
    EXPECT_EQ(a.hoechstgewinnZeile, 1);
    EXPECT_EQ(a.hoechstgewinnDatum, DatumAus(2010, 8, 29));
}

TEST(GewinnAuswertung, ClassEightOnlyUnderTheNewSchemeAndRealQuotasPriceWins) {
    const std::vector<TGewZahlen> ziehungen = {TestZiehung(DatumAus(2010, 9, 5), {1, 2, 3, 4, 5, 6}, 7),
                                               TestZiehung(DatumAus(2019, 5, 1), {1, 2, 3, 4, 5, 6}, 7)};
    const TippTabelle t = Reihen({{"7", "20", "21", "22", "23", "24"}});
    const Auswertung ohne = GewinnAuswertung(t, ziehungen, {}, 1, 0, true, Ziehungstage::Alle);
    EXPECT_EQ(Zeilentexte(ohne), (std::vector<std::string>{"05.09.2010 (So)|---|---|---", "01.05.2019 (Mi)|0 + ZZ|1|1,20"}));
    TQuoten real;
    real.datum = DatumAus(2019, 5, 1);
    real.q[8] = 25000;
    const std::vector<TQuoten> quoten = {real};
    EXPECT_EQ(GewinnAuswertung(t, ziehungen, quoten, 1, 0, true, Ziehungstage::Alle).gesamt, 25000);
    // A single draw without a period uses only the end index.
    const Auswertung einzeln = GewinnAuswertung(t, ziehungen, {}, 0, 1, false, Ziehungstage::Alle);
    EXPECT_EQ(Zeilentexte(einzeln), (std::vector<std::string>{"05.09.2010 (So)|---|---|---"}));
    EXPECT_EQ(einzeln.hoechstgewinnZeile, 0);
}

TEST(GewinnAuswertung, DayFilterSelectsAndDateLabelsCarryTheWeekday) {
    const TippTabelle t = Reihen({{"1", "2", "3", "4", "5", "6"}});
    // From the Sunday to the following Wednesday, Sundays only: one draw.
    const Auswertung so = GewinnAuswertung(t, kZiehungen, {}, 1, 0, true, Ziehungstage::Sonntag);
    ASSERT_EQ(so.zeilen.size(), 1u);
    EXPECT_EQ(so.zeilen[0].datum, DatumAus(2010, 9, 5));
    // A Saturday draw counts as a Sunday draw and its label has no weekday suffix.
    const Auswertung sa = GewinnAuswertung(t, kZiehungen, {}, 4, 3, true, Ziehungstage::Sonntag);
    EXPECT_EQ(Zeilentexte(sa), (std::vector<std::string>{"04.05.2019|---|---|---"}));
    EXPECT_EQ(GewinnAuswertung(t, kZiehungen, {}, 4, 0, true, Ziehungstage::Mittwoch).zeilen.size(), 2u);
}

TEST(GewinnAuswertung, RefusalsExplainWhatIsWrong) {
    const TippTabelle t = Reihen({{"1", "2", "3", "4", "5", "6"}});
    const struct {
        int bis, von;
        bool zeitraum;
        Ziehungstage tage;
        std::string text;
    } faelle[] = {
        {0, 1, true, Ziehungstage::Alle,
         "Bitte kontrollieren Sie die Angaben für den Zeitraum der Gewinnauswertung\r\rIch breche erst einmal ab."},
        {0, 0, false, Ziehungstage::Mittwoch,
         "An einem Sonntag gibt es keine Mittwochsziehung. ;-)\r\rIch breche erst einmal ab."},
        {1, 1, false, Ziehungstage::Sonntag,
         "An einem Mittwoch gibt es keine Sonntagsziehung. ;-)\r\rIch breche erst einmal ab."},
        {4, 4, true, Ziehungstage::Mittwoch,
         "In dem für die Gewinnauswertung gewählten Zeitraum gibt es keine Mittwochsziehung.\r\rIch breche erst "
         "einmal ab."},
        {2, 2, true, Ziehungstage::Alle,
         ""},  // a period of one draw is fine
    };
    for (const auto& f : faelle) {
        const Auswertung a = GewinnAuswertung(t, kZiehungen, {}, f.bis, f.von, f.zeitraum, f.tage);
        EXPECT_EQ(a.ablehnung, f.text);
        if (a.abgelehnt()) {
            EXPECT_TRUE(a.zeilen.empty());
        }
    }
}

TEST(GewinnAuswertung, ADrawThatIsNotStoredIsRefused) {
    const TippTabelle t = Reihen({{"1", "2", "3", "4", "5", "6"}});
    // The main window's proposed date is the item after the last stored draw.
    for (const auto& [bis, von, zeitraum] : {std::tuple{5, 5, false}, std::tuple{5, 2, true}, std::tuple{-1, -1, false}}) {
        const Auswertung a = GewinnAuswertung(t, kZiehungen, {}, bis, von, zeitraum, Ziehungstage::Alle);
        EXPECT_NE(a.ablehnung.find("noch keine Gewinnzahlen gespeichert"), std::string::npos) << bis;
    }
    EXPECT_TRUE(GewinnAuswertung(t, {}, {}, -1, -1, false, Ziehungstage::Alle).abgelehnt());
}

TEST(GewinnAuswertung, CellsMustBeWholeNumbersAndBigNumbersNeverHit) {
    const TippTabelle buchstabe = Reihen({{"1", "2", "3", "4", "5", "6"}, {"1", "2", "x", "4", "5", "6"}});
    try {
        GewinnAuswertung(buchstabe, kZiehungen, {}, 0, 0, false, Ziehungstage::Alle);
        ADD_FAILURE() << "a letter was accepted";
    } catch (const KonvertierungsFehler& e) {
        EXPECT_NE(std::string(e.what()).find("'x'"), std::string::npos) << e.what();
        EXPECT_NE(std::string(e.what()).find("Reihe 2"), std::string::npos) << e.what();
    }
    TippTabelle kurz = Reihen({});
    kurz.push_back({"1", "1", "2", "3"});
    EXPECT_THROW(GewinnAuswertung(kurz, kZiehungen, {}, 0, 0, false, Ziehungstage::Alle), KonvertierungsFehler);
    // The refusal comes before the cells are read.
    EXPECT_TRUE(GewinnAuswertung(buchstabe, kZiehungen, {}, 0, 1, true, Ziehungstage::Alle).abgelehnt());

    // 300 and -6 are left out of the row: five hits on 2010-09-08 ("5"), never six.
    const TippTabelle gross = Reihen({{"1", "2", "3", "4", "5", "300"}, {"1", "2", "3", "4", "5", "-6"}});
    const Auswertung a = GewinnAuswertung(gross, kZiehungen, {}, 1, 1, false, Ziehungstage::Alle);
    EXPECT_EQ(Zeilentexte(a), (std::vector<std::string>{"08.09.2010 (Mi)|5|1|1.150,60", "|5|2|1.150,60"}));
    // Blanks before a number and a plus sign read like the number.
    EXPECT_EQ(ZelleAlsGanzzahl(" +12"), 12);
    EXPECT_THROW(ZelleAlsGanzzahl("12 "), KonvertierungsFehler);
    EXPECT_THROW(ZelleAlsGanzzahl("99999999999"), KonvertierungsFehler);
}

TEST(GewinnAuswertung, AnEmptyTicketWinsNothing) {
    const Auswertung a = GewinnAuswertung(Reihen({}), kZiehungen, {}, 1, 0, true, Ziehungstage::Alle);
    EXPECT_EQ(Zeilentexte(a), (std::vector<std::string>{"05.09.2010 (So)|---|---|---", "08.09.2010 (Mi)|---|---|---"}));
    EXPECT_EQ(a.gesamt, 0);
}

TEST(SystemscheinAufloesen, ExpandsIntoTheRowsOfTheSystem) {
    std::vector<TZahlenMenge> bankMengen;
    TippTabelle t;
    // "007": seven rows, each leaving out one number; row 1 the six smallest.
    const TSystemscheinSatz s007 = SystemscheinBauen(1, {}, {3, 11, 17, 28, 40, 45, 2});
    EXPECT_EQ(SystemscheinAufloesen(s007, t, bankMengen), 0);
    ASSERT_EQ(t.size(), 8u);
    EXPECT_EQ(t[0][0], "Reihe");
    EXPECT_EQ(t[1], (std::vector<std::string>{"1", "2", "3", "11", "17", "28", "40"}));
    EXPECT_EQ(t[7], (std::vector<std::string>{"7", "3", "11", "17", "28", "40", "45"}));

    // "540": the five bankers with each Wahlzahl in stored order.
    TZahlenMenge wahl;
    for (int z = 6; z <= 45; ++z) wahl.hinzu(z);
    EXPECT_EQ(SystemscheinAufloesen(SystemscheinBauen(48, {1, 2, 3, 4, 5}, wahl), t, bankMengen), 1);
    ASSERT_EQ(t.size(), 41u);
    EXPECT_EQ(t[40], (std::vector<std::string>{"40", "1", "2", "3", "4", "5", "45"}));
    EXPECT_EQ(bankMengen[1], (TZahlenMenge{1, 2, 3, 4, 5}));

    // "206": 15 rows, every one holding both bankers; the banker set is remembered.
    EXPECT_EQ(SystemscheinAufloesen(SystemscheinBauen(12, {44, 9}, {1, 2, 3, 4, 5, 6}), t, bankMengen), 2);
    ASSERT_EQ(t.size(), 16u);
    EXPECT_EQ(t[1], (std::vector<std::string>{"1", "1", "2", "3", "4", "9", "44"}));
    EXPECT_EQ(t[15], (std::vector<std::string>{"15", "3", "4", "5", "6", "9", "44"}));
    EXPECT_EQ(bankMengen.size(), 3u);
    EXPECT_EQ(bankMengen[2], (TZahlenMenge{9, 44}));
}

TEST(SystemscheinAufloesen, EveryTicketSystemGivesItsRowCountOfDistinctRows) {
    std::vector<TZahlenMenge> bankMengen;
    for (int s = 1; s <= 48; ++s) {
        const auto& system = ScheinSystemTabelle()[std::size_t(s)];
        TZahlenMenge bank, wahl;
        for (int z = 1; z <= system.BZ; ++z) bank.hinzu(z);
        for (int z = system.BZ + 1; z <= system.BZ + system.WZ; ++z) wahl.hinzu(z);
        TippTabelle t;
        SystemscheinAufloesen(SystemscheinBauen(s, bank, wahl), t, bankMengen);
        ASSERT_EQ(std::int64_t(t.size()) - 1, system.TR) << system.Code;
        const auto mengen = ReihenMengen(t);
        for (std::size_t r = 0; r < mengen.size(); ++r) {
            EXPECT_EQ(mengen[r].anzahl(), 6) << system.Code << " row " << r + 1;
            EXPECT_EQ(mengen[r] & bank, bank) << system.Code << " row " << r + 1;
            if (r > 0) {
                EXPECT_LT(mengen[r - 1].zahlen(), mengen[r].zahlen()) << system.Code;
            }
        }
    }
}

TEST(GewinnAuswertung, ClassesAgreeWithTheGameRulesForOddRowsAndDraws) {
    // Rows with repeated numbers, 0, 255 and numbers beyond 255; draws whose
    // Zusatzzahl repeats a winning number or is 0, on both sides of the class change.
    std::mt19937 zufall(11);
    std::uniform_int_distribution<int> zahl(0, 60);
    const int sonder[] = {0, 255, 256, 999};
    TippTabelle t;
    ReihenKopf(t);
    for (int r = 1; r <= 400; ++r) {
        std::vector<std::string> zeile{std::to_string(r)};
        for (int s = 0; s < 6; ++s) {
            const int z = zahl(zufall);
            zeile.push_back(std::to_string(z > 56 ? sonder[z - 57] : z % 12 + (r % 3 == 0 ? 0 : 1)));
        }
        t.push_back(zeile);
    }
    const auto mengen = ReihenMengen(t);
    for (int d = 0; d < 60; ++d) {
        std::array<int, 6> gz{};
        for (auto& z : gz) z = zahl(zufall) % 13;
        const int zz = d % 5 == 0 ? gz[0] : zahl(zufall) % 13;
        const std::vector<TGewZahlen> ziehung = {TestZiehung(NeueKlassenAb - 30 + d, gz, zz)};
        const Auswertung a = GewinnAuswertung(t, ziehung, {}, 0, 0, false, Ziehungstage::Alle);
        std::vector<int> klassen(mengen.size(), 0);
        for (const auto& zeile : a.zeilen)
            if (zeile.klasse != 0) klassen[std::size_t(zeile.reihe - 1)] = zeile.klasse;
        for (std::size_t j = 0; j < mengen.size(); ++j)
            ASSERT_EQ(klassen[j], GewinnKlasse(mengen[j], ziehung[0].menge(), zz, ziehung[0].datum))
                << "draw " << d << " row " << j + 1;
    }
}
