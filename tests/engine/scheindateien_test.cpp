#include <gtest/gtest.h>

#include <fstream>

#include "core/datei.h"
#include "core/fehler.h"
#include "core/scheindateien.h"
#include "temp_ordner.h"

using namespace quintaro;

namespace {
TippTabelle Tabelle(std::vector<std::vector<std::string>> reihen) {
    TippTabelle t;
    ReihenKopf(t);
    for (auto& r : reihen) t.push_back(std::move(r));
    return t;
}

void Schreibe(const std::filesystem::path& datei, const std::string& inhalt) {
    std::ofstream(datei, std::ios::binary) << inhalt;
}

std::string Inhalt(const std::filesystem::path& datei) {
    const Bytes b = LiesDatei(datei);
    return std::string(b.begin(), b.end());
}
}  // namespace

TEST(Tippraster, WritesEachRowAsOneCommaLineWithoutItsLabel) {
    TempOrdner ordner;
    const auto datei = ordner.pfad() / "a.nqtr";
    ReihenSpeichern(Tabelle({{"1", "3", "11", "17", "28", "40", "45"}, {"2", "1", "2", "3", "4", "5", "6"}}), datei);
    EXPECT_EQ(Inhalt(datei), "3,11,17,28,40,45\r\n1,2,3,4,5,6\r\n");
}

TEST(Tippraster, ColumnCountFollowsTheFirstEmptyCellOfRowOne) {
    // Row 1 ends after three cells: every row is cut to three, empty rows stay as lines of commas.
    EXPECT_EQ(ReihenAlsText(Tabelle({{"1", "4", "5", "6", "", "9", "9"}, {"2", "7", "8", "9", "10", "11", "12"},
                                     {"3", "", "", "", "", "", ""}})),
              "4,5,6\r\n7,8,9\r\n,,\r\n");
    // With one column an empty cell is written as a pair of quotes.
    EXPECT_EQ(ReihenAlsText(Tabelle({{"1", "4", ""}, {"2", "", "7"}})), "4\r\n\"\"\r\n");
    // A header without rows writes nothing.
    EXPECT_EQ(ReihenAlsText(Tabelle({})), "");
}

TEST(Tippraster, CommaTextQuotesOnlyCellsThatNeedIt) {
    const struct {
        std::vector<std::string> zellen;
        std::string text;
    } faelle[] = {
        {{"12", "45"}, "12,45"},
        {{"a b", "c"}, "\"a b\",c"},
        {{"x,y"}, "\"x,y\""},
        {{"sag \"hi\""}, "\"sag \"\"hi\"\"\""},
        {{"a\tb"}, "\"a\tb\""},
        {{"1", "", "3"}, "1,,3"},
        {{""}, "\"\""},
        {{"", ""}, ","},
        {{"Zähler"}, "Zähler"},
    };
    for (const auto& f : faelle) EXPECT_EQ(KommaText(f.zellen), f.text) << f.text;
}

TEST(Tippraster, TextTrennenCutsAtEverySeparator) {
    using V = std::vector<std::string>;
    const struct {
        std::string trenner, text;
        int grenze;
        V teile;
    } faelle[] = {
        {",", "3,11,17", 0, {"3", "11", "17"}},
        {",", ",5", 0, {"", "5"}},
        {",", "1,,2", 0, {"1", "", "2"}},
        {",", "1,2,", 0, {"1", "2"}},
        {",", "a,b,c", 2, {"a", "b,c"}},
        {",", "a,b,", 2, {"a", "b,"}},
        {",", "", 0, {}},
        {",", "a,b", -1, {}},
        {"", "a,b", 0, {"a,b"}},
        {"; ", "1; 2; 3", 0, {"1", "2", "3"}},
        {",", "\"a,b\"", 0, {"\"a", "b\""}},  // no unquoting
    };
    for (const auto& f : faelle) EXPECT_EQ(TextTrennen(f.trenner, f.text, f.grenze), f.teile) << f.text;
}

TEST(Tippraster, ReadingSkipsEmptyLinesAndKeepsExtraCells) {
    TippTabelle t = Tabelle({{"1", "9", "9", "9", "9", "9", "9"}, {"2", "9", "9", "9", "9", "9", "9"}});
    const int n = ReihenAusText(t, "3,11,17,28,40,45\r\n\r\n\"\"\r\n1,2,3,4,5,6,7\n8,9\r\n");
    ASSERT_EQ(n, 3);
    ASSERT_EQ(t.size(), 4u);
    EXPECT_EQ(t[0][0], "Reihe");
    EXPECT_EQ(t[1], (std::vector<std::string>{"1", "3", "11", "17", "28", "40", "45"}));
    EXPECT_EQ(t[2], (std::vector<std::string>{"2", "1", "2", "3", "4", "5", "6", "7"}));
    // A short line leaves the remaining cells of the row empty.
    EXPECT_EQ(t[3], (std::vector<std::string>{"3", "8", "9", "", "", "", ""}));
}

TEST(Tippraster, FileRoundTripAndMissingFile) {
    TempOrdner ordner;
    const auto datei = ordner.pfad() / "rund.nqtr";
    const TippTabelle t = Tabelle({{"1", "3", "11", "17", "28", "40", "45"}, {"2", "1", "2", "3", "4", "5", "6"}});
    ReihenSpeichern(t, datei);
    TippTabelle gelesen;
    EXPECT_EQ(ReihenLesen(gelesen, datei), 2);
    EXPECT_EQ(gelesen, t);
    EXPECT_THROW(ReihenLesen(gelesen, ordner.pfad() / "fehlt.nqtr"), DateiFehler);
}

TEST(Scheinart, ExtensionFirstThenSizeThenNormalExtension) {
    TempOrdner ordner;
    const struct {
        std::string name;
        int groesse;  // -1: no file
        ScheinArt art;
    } faelle[] = {
        {"a.sqtr", 46, ScheinArt::System},  {"b.SQTR", 10, ScheinArt::System}, {"c.sqtr", 47, ScheinArt::System},
        {"d.txt", 46, ScheinArt::System},   {"e.nqtr", 46, ScheinArt::System}, {"f.NQtr", 20, ScheinArt::Normal},
        {"g.csv", 20, ScheinArt::Unbekannt}, {"h.nqtr", -1, ScheinArt::Normal}, {"i", 47, ScheinArt::Unbekannt},
    };
    for (const auto& f : faelle) {
        const auto datei = ordner.pfad() / f.name;
        if (f.groesse >= 0) Schreibe(datei, std::string(std::size_t(f.groesse), '1'));
        EXPECT_EQ(ScheinArtVon(datei), f.art) << f.name;
    }
}

TEST(Systemschein, SavedRecordHoldsSystemBankersAndWahlzahlenAscending) {
    TempOrdner ordner;
    const auto datei = ordner.pfad() / "s.sqtr";
    SystemscheinSpeichern(SystemscheinBauen(8, {7}, {9, 1, 2, 3, 4, 5, 6, 8}), datei);
    Bytes erwartet(46, 0);
    const std::uint8_t kopf[] = {8, 7, 0, 0, 0, 0, 1, 2, 3, 4, 5, 6, 8, 9};
    std::copy(std::begin(kopf), std::end(kopf), erwartet.begin());
    EXPECT_EQ(LiesDatei(datei), erwartet);

    // "007": no bankers, bytes 1..5 zero, the seven numbers from byte 6.
    SystemscheinSpeichern(SystemscheinBauen(1, {}, {45, 3, 11, 17, 28, 40, 2}), datei);
    const Bytes b = LiesDatei(datei);
    EXPECT_EQ(Bytes(b.begin(), b.begin() + 13), (Bytes{1, 0, 0, 0, 0, 0, 2, 3, 11, 17, 28, 40, 45}));
    const TSystemscheinSatz satz = SystemscheinLesen(datei);
    EXPECT_EQ(satz.system, 1);
    EXPECT_EQ(Wahlzahlen(satz), (TZahlenMenge{2, 3, 11, 17, 28, 40, 45}));
    EXPECT_TRUE(Bankzahlen(satz).leer());
}

TEST(Systemschein, ReadsTheLastWholeRecordAndIgnoresTrailingBytes) {
    TempOrdner ordner;
    Bytes zwei(46 * 2 + 1, 0);
    SystemscheinNach(SystemscheinBauen(1, {}, {1, 2, 3, 4, 5, 6, 7}), zwei.data());
    SystemscheinNach(SystemscheinBauen(8, {7}, {1, 2, 3, 4, 5, 6, 8, 9}), zwei.data() + 46);
    zwei.back() = 99;
    const auto datei = ordner.pfad() / "zwei.sqtr";
    SchreibeDateiAtomar(datei, zwei);
    const TSystemscheinSatz satz = SystemscheinLesen(datei);
    EXPECT_EQ(satz.system, 8);
    EXPECT_EQ(Bankzahlen(satz), TZahlenMenge{7});
}

TEST(Systemschein, RefusesRecordsThatGiveNoValidTicket) {
    TempOrdner ordner;
    const auto satzMit = [](int system, std::vector<std::uint8_t> bank, std::vector<std::uint8_t> wahl) {
        Bytes b(46, 0);
        b[0] = std::uint8_t(system);
        std::copy(bank.begin(), bank.end(), b.begin() + 1);
        std::copy(wahl.begin(), wahl.end(), b.begin() + 6);
        return b;
    };
    const struct {
        std::string name;
        Bytes inhalt;
        std::string grund;
    } faelle[] = {
        {"leer.sqtr", {}, "keinen vollständigen Datensatz"},
        {"kurz.sqtr", Bytes(45, 1), "keinen vollständigen Datensatz"},
        {"null.sqtr", satzMit(0, {}, {1, 2, 3, 4, 5, 6, 7}), "Systemnummer 0"},
        {"gross.sqtr", satzMit(49, {}, {1, 2, 3, 4, 5, 6, 7}), "Systemnummer 49"},
        {"luecke.sqtr", satzMit(1, {}, {1, 2, 3, 4, 5, 6}), "Zahl 0"},
        {"doppelt.sqtr", satzMit(8, {7}, {1, 2, 3, 4, 5, 6, 7, 9}), "Zahl 7 ist doppelt"},
        {"hoch.sqtr", satzMit(1, {}, {1, 2, 3, 4, 5, 6, 46}), "Zahl 46"},
    };
    for (const auto& f : faelle) {
        const auto datei = ordner.pfad() / f.name;
        SchreibeDateiAtomar(datei, f.inhalt);
        try {
            SystemscheinLesen(datei);
            ADD_FAILURE() << f.name << " was accepted";
        } catch (const DateiFehler& e) {
            const std::string text = e.what();
            EXPECT_NE(text.find(f.name), std::string::npos) << text;
            EXPECT_NE(text.find(f.grund), std::string::npos) << text;
        }
    }
}
