// The cell layout of the spreadsheet export and import, and the naming of cells.
#include <gtest/gtest.h>

#include "app/tabellenmappe.h"
#include "core/formatierung.h"

namespace quintaro {

TEST(Spaltennamen, FollowTheLetterRuleBothWays) {
    const std::pair<int, const char*> faelle[] = {{1, "A"},    {26, "Z"},    {27, "AA"},    {52, "AZ"},
                                                  {53, "BA"},  {702, "ZZ"},  {703, "AAA"},  {16384, "XFD"}};
    for (const auto& [spalte, name] : faelle) {
        SCOPED_TRACE(spalte);
        EXPECT_EQ(SpaltenName(spalte), name);
        const auto a = ZellnameLesen(std::string(name) + "7");
        ASSERT_TRUE(a);
        EXPECT_EQ(a->spalte, spalte);
        EXPECT_EQ(a->zeile, 7);
    }
    EXPECT_EQ(SpaltenName(0), "");
    EXPECT_EQ(SpaltenName(16385), "");
    EXPECT_EQ(ZellName(7, 4), "G4");
}

TEST(Spaltennamen, ReadOnlyCellsOfAWorksheet) {
    const auto klein = ZellnameLesen("bc12");
    ASSERT_TRUE(klein);
    EXPECT_EQ(klein->spalte, 55);
    EXPECT_EQ(ZellnameLesen("A1048576")->zeile, 1048576);
    for (const char* falsch : {"", "A", "12", "A0", "A01", "1A", "XFE1", "A1048577", "A1B", "AAAA1", "A-1"})
        EXPECT_FALSE(ZellnameLesen(falsch)) << falsch;
}

TEST(Blattaufbau, ExportsTheTipRowsWithoutHeaderAndLabels) {
    TippTabelle t;
    ReihenKopf(t);
    t.push_back({"1", "3", "11", "17", "28", "40", "45", "99"});  // a cell right of Z6 is not exported
    t.push_back({"2", "1", "2"});                                  // a short row gives empty cells
    t.push_back({"3"});                                            // an empty row stays a row
    const Tabellenblatt b = BlattAusTabelle(t, "Tippreihen");
    EXPECT_EQ(b.name, "Tippreihen");
    EXPECT_EQ(b.zellen, (std::vector<std::vector<std::string>>{{"3", "11", "17", "28", "40", "45"},
                                                                {"1", "2", "", "", "", ""},
                                                                {"", "", "", "", "", ""}}));
}

TEST(Blattaufbau, ImportLabelsTheRowsAndKeepsTheHeader) {
    TippTabelle t;
    ReihenKopf(t);
    t.push_back({"1", "alt"});
    const TippTabelle kopf{t[0]};
    TabelleAusBlatt({"x", {{"5", ""}, {"", "", "7"}}}, t);
    EXPECT_EQ(t, (TippTabelle{kopf[0], {"1", "5", "", ""}, {"2", "", "", "7"}}));

    TippTabelle leer;
    TabelleAusBlatt({"x", {{"1"}}}, leer);
    EXPECT_EQ(leer, (TippTabelle{{}, {"1", "1"}}));
}

TEST(Zellwerte, NumbersAreWholeDecimalsAndReadBackInTheRegionalFormat) {
    EXPECT_EQ(AlsZellzahl("45"), 45.0);
    EXPECT_EQ(AlsZellzahl("-12"), -12.0);
    EXPECT_EQ(AlsZellzahl("007"), 7.0);
    for (const char* text : {"", "-", "1,5", "1.5", " 3", "3 ", "x", "1234567890123456"})
        EXPECT_FALSE(AlsZellzahl(text)) << text;

    SetzeRegion(Regionaleinstellungen{});
    EXPECT_EQ(ZellzahlText(17), "17");
    EXPECT_EQ(ZellzahlText(-3), "-3");
    EXPECT_EQ(ZellzahlText(2.5), "2,5");
    EXPECT_EQ(ZellzahlText(1e20), "1E+20");
}

TEST(Zellwerte, ColumnsFitTheirLongestText) {
    const Tabellenblatt b{"x", {{"3", "45", "Ä"}, {"12345"}}};
    EXPECT_EQ(Spaltenbreiten(b), (std::vector<double>{6, 3, 2}));
}

TEST(Blattnamen, FollowTheWorksheetRules) {
    EXPECT_EQ(BlattnameMangel("Tippreihen aus System"), "");
    EXPECT_EQ(BlattnameMangel(std::string(31, 'x')), "");
    EXPECT_EQ(BlattnameMangel("Zählung äöü"), "");
    for (const std::string& falsch : {std::string(), std::string(32, 'x'), std::string("a/b"), std::string("[1]"),
                                     std::string("'x"), std::string("x'")})
        EXPECT_NE(BlattnameMangel(falsch), "") << falsch;
}

}  // namespace quintaro
