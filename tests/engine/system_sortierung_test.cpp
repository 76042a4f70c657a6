#include <gtest/gtest.h>

#include <stdexcept>

#include "core/fehler.h"
#include "core/formatierung.h"
#include "systems/zeilensortierung.h"

using namespace quintaro;

namespace {
// A grid with a header row and the numbering in the fixed column 0.
Tabelle Gitter(const std::vector<std::vector<std::string>>& zeilen) {
    Tabelle t{{"Reihe", "A", "B"}};
    int nr = 1;
    for (const auto& z : zeilen) {
        std::vector<std::string> zeile{std::to_string(nr++)};
        zeile.insert(zeile.end(), z.begin(), z.end());
        t.push_back(zeile);
    }
    return t;
}

Sortierauftrag Auftrag(std::vector<int> spalten, std::vector<Sortiertyp> typen, int letzte) {
    Sortierauftrag a;
    a.spalten = std::move(spalten);
    a.typen = std::move(typen);
    a.letzteZeile = letzte;
    return a;
}

std::vector<std::string> Spalte(const Tabelle& t, std::size_t s) {
    std::vector<std::string> r;
    for (std::size_t i = 1; i < t.size(); ++i) r.push_back(t[i][s]);
    return r;
}
}  // namespace

TEST(ZeilenSortieren, SortsByKeyColumnsAndKeepsTheFixedColumn) {
    Tabelle t = Gitter({{"2", "b"}, {"1.000", "a"}, {"2", "a"}, {"10", "z"}, {"-1,5", "q"}});
    ZeilenSortieren(t, Auftrag({1, 2}, {Sortiertyp::Zahl, Sortiertyp::Text}, 5));
    EXPECT_EQ(Spalte(t, 1), (std::vector<std::string>{"-1,5", "2", "2", "10", "1.000"}));
    EXPECT_EQ(Spalte(t, 2), (std::vector<std::string>{"q", "a", "b", "z", "a"}));
    EXPECT_EQ(Spalte(t, 0), (std::vector<std::string>{"1", "2", "3", "4", "5"}));
    EXPECT_EQ(t[0], (std::vector<std::string>{"Reihe", "A", "B"}));

    auto absteigend = Auftrag({1, 2}, {Sortiertyp::Zahl, Sortiertyp::Text}, 5);
    absteigend.aufsteigend = false;
    absteigend.festeSpaltenMitbewegen = true;
    ZeilenSortieren(t, absteigend);
    EXPECT_EQ(Spalte(t, 1), (std::vector<std::string>{"1.000", "10", "2", "2", "-1,5"}));
    EXPECT_EQ(Spalte(t, 2), (std::vector<std::string>{"a", "z", "b", "a", "q"}));
    EXPECT_EQ(Spalte(t, 0), (std::vector<std::string>{"5", "4", "3", "2", "1"}));
}

TEST(ZeilenSortieren, SortsDatesAndTextsAsTheGermanUserExpects) {
    Tabelle t = Gitter({{"01.02.2020 10:00", "Zebra"}, {"1.2.2020", "äpfel"}, {"31.12.2019", "Apfel"},
                        {"01.02.2020 09:30", "Birne"}});
    ZeilenSortieren(t, Auftrag({1}, {Sortiertyp::DatumZeit}, 4));
    EXPECT_EQ(Spalte(t, 1), (std::vector<std::string>{"31.12.2019", "1.2.2020", "01.02.2020 09:30", "01.02.2020 10:00"}));
    ZeilenSortieren(t, Auftrag({2}, {Sortiertyp::Text}, 4));
    EXPECT_EQ(Spalte(t, 2), (std::vector<std::string>{"Apfel", "äpfel", "Birne", "Zebra"}));
}

TEST(ZeilenSortieren, PlacesEmptyCellsByThePolicy) {
    const struct {
        bool aufsteigend;
        LeereZellen leere;
        bool extrem;
        std::vector<std::string> erwartet;
    } faelle[] = {
        {true, LeereZellen::Zuerst, true, {"", "-5", "0", "3"}},
        {true, LeereZellen::Zuletzt, true, {"-5", "0", "3", ""}},
        {false, LeereZellen::Zuerst, true, {"", "3", "0", "-5"}},
        {false, LeereZellen::Zuletzt, true, {"3", "0", "-5", ""}},
    };
    for (const auto& f : faelle) {
        Tabelle t = Gitter({{"3", ""}, {"", ""}, {"-5", ""}, {"0", ""}});
        auto a = Auftrag({1}, {Sortiertyp::Zahl}, 4);
        a.aufsteigend = f.aufsteigend;
        a.leere = f.leere;
        a.leereZahlExtrem = f.extrem;
        ZeilenSortieren(t, a);
        EXPECT_EQ(Spalte(t, 1), f.erwartet) << f.aufsteigend << int(f.leere);
    }
    // Without the extreme value an empty number counts as 0: it stays between -5 and 3.
    Tabelle t = Gitter({{"3", ""}, {"", ""}, {"-5", ""}});
    auto a = Auftrag({1}, {Sortiertyp::Zahl}, 3);
    a.leereZahlExtrem = false;
    ZeilenSortieren(t, a);
    EXPECT_EQ(Spalte(t, 1), (std::vector<std::string>{"-5", "", "3"}));

    for (const auto typ : {Sortiertyp::DatumZeit, Sortiertyp::Text}) {
        Tabelle u = Gitter({{"", "01.01.2000"}, {"", ""}});
        ZeilenSortieren(u, Auftrag({2}, {typ}, 2));
        EXPECT_EQ(u[1][2], "");
    }
}

TEST(ZeilenSortieren, RefusesWrongArgumentsWithTheirMessages) {
    const Tabelle original = Gitter({{"2", "x"}, {"1", "y"}});
    const struct {
        Sortierauftrag auftrag;
        const char* meldung;
    } faelle[] = {
        {Auftrag({1}, {Sortiertyp::Zahl}, 3), "Falsche Zeilenangabe"},
        {[] { auto a = Auftrag({1}, {Sortiertyp::Zahl}, 2); a.ersteZeile = 3; return a; }(), "Falsche Zeilenangabe"},
        {[] { auto a = Auftrag({1}, {Sortiertyp::Zahl}, 2); a.ersteZeile = -1; return a; }(), "Falsche Zeilenangabe"},
        {Auftrag({1, 2}, {Sortiertyp::Zahl}, 2), "Falsche Anzahl bei Sortiertyp"},
        {Auftrag({0}, {Sortiertyp::Zahl}, 2), "Falsche Spaltenangabe"},
        {Auftrag({3}, {Sortiertyp::Zahl}, 2), "Falsche Spaltenangabe"},
    };
    for (const auto& f : faelle) {
        Tabelle t = original;
        try {
            ZeilenSortieren(t, f.auftrag);
            ADD_FAILURE() << "no error for " << f.meldung;
        } catch (const std::invalid_argument& e) {
            EXPECT_STREQ(e.what(), f.meldung);
        }
        EXPECT_EQ(t, original);
    }
}

TEST(ZeilenSortieren, ClampsKeyColumnsWhenAsked) {
    Tabelle t = Gitter({{"2", "b"}, {"1", "a"}});
    auto a = Auftrag({7}, {Sortiertyp::Text}, 2);
    a.spaltenBegrenzen = true;
    ZeilenSortieren(t, a);  // column 7 becomes the last column, 2
    EXPECT_EQ(Spalte(t, 2), (std::vector<std::string>{"a", "b"}));
}

TEST(ZeilenSortieren, ABadCellLeavesTheGridUntouched) {
    const struct {
        Sortiertyp typ;
        const char* zelle;
        const char* meldung;
    } faelle[] = {
        {Sortiertyp::Zahl, "12a", "Werte entsprechen nicht dem Typ Zahl"},
        {Sortiertyp::DatumZeit, "30.02.2020", "Werte entsprechen nicht dem Typ Datum/Zeit"},
    };
    for (const auto& f : faelle) {
        // The bad cell is last, so a sort that moved rows while reading would show it.
        const Tabelle original = Gitter({{"9", "01.01.2020"}, {"1", "01.01.2019"}, {f.zelle, f.zelle}});
        Tabelle t = original;
        const int spalte = f.typ == Sortiertyp::Zahl ? 1 : 2;
        try {
            ZeilenSortieren(t, Auftrag({spalte}, {f.typ}, 3));
            ADD_FAILURE() << "no error for " << f.zelle;
        } catch (const KonvertierungsFehler& e) {
            EXPECT_STREQ(e.what(), f.meldung);
        }
        EXPECT_EQ(t, original);
    }
}

TEST(ZeilenSortieren, SortsARangeStartingAtRowZero) {
    // Gaps taken from the last row index alone would be 0 here and sort nothing.
    Tabelle t{{"x", "2"}, {"y", "1"}, {"z", "0"}};
    auto a = Auftrag({1}, {Sortiertyp::Zahl}, 1);
    a.ersteZeile = 0;
    ZeilenSortieren(t, a);
    EXPECT_EQ(t, (Tabelle{{"x", "1"}, {"y", "2"}, {"z", "0"}}));
}

TEST(ZeilenSortieren, ReadsNumbersWithTheRegionsSeparators) {
    Regionaleinstellungen englisch;
    englisch.dezimalzeichen = ".";
    englisch.tausenderzeichen = ",";
    SetzeRegion(englisch);
    Tabelle t = Gitter({{"1,000.5", ""}, {"-2.25", ""}, {"30", ""}});
    ZeilenSortieren(t, Auftrag({1}, {Sortiertyp::Zahl}, 3));
    SetzeRegion(Regionaleinstellungen{});
    EXPECT_EQ(Spalte(t, 1), (std::vector<std::string>{"-2.25", "30", "1,000.5"}));
}
