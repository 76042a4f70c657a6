// Picking quotas out of pasted text.
#include <gtest/gtest.h>

#include "quotas/quotenuebertragung.h"

using namespace quintaro;

namespace {
using Felder = std::array<std::optional<std::string>, 9>;

Felder Erwartet(std::initializer_list<std::pair<int, std::string>> werte) {
    Felder f;
    for (const auto& [k, text] : werte) f[std::size_t(k)] = text;
    return f;
}

// A quota table as a browser copies it without column separators: class, winners, quota.
std::string Freitext() {
    const char* klassen[] = {"6 Richtige", "5 + ZZ", "5 Richtige", "4 + ZZ", "4 Richtige", "3 + ZZ", "3 Richtige", "0 + ZZ"};
    const char* quoten[] = {"1.748.907,28 €", "40.079,10 €", "1.150,60 €", "161,00 €", "41,10 €", "14,90 €", "4,50 €", "1,20 €"};
    std::string text = "Quoten der Ziehung\n\n";
    for (int k = 0; k < 8; ++k) text += std::string(klassen[k]) + "\n" + std::to_string(k * 7 + 3) + "\n" + quoten[k] + "\n";
    return text;
}
}  // namespace

TEST(GeldTextBereinigen, CleansAmountsAndRefusesTheRest) {
    const struct {
        const char* text;
        const char* ergebnis;
    } faelle[] = {
        {"1.748.907,28 €", "1748907,28"},
        {"Euro 4.56", "4,56"},
        {"12 345", "12345"},
        {"ab 3,50", ""},
        {"  \t 161,08 EUR\r", "161,08"},
        {"eur 1,20", "1,20"},
        {"1,20\xC2\xA0\xE2\x82\xAC", "1,20"},  // non-breaking blank before the euro sign
        {"25.000.000,00 €", "25000000,00"},     // a jackpot beyond 32 bits
        {"-5", "-5"},
        {"...+...0", ""},  // a sign after the point: found by fuzzing
        {"1,-5", ""},
        {"", ""},
        {"€", ""},
        {"1,2,3", "1,2,3"},  // only digits once the commas are gone; saving refuses it later
        {"12345678901234567890", ""},
    };
    for (const auto& f : faelle) EXPECT_EQ(GeldTextBereinigen(f.text), f.ergebnis) << f.text;
}

TEST(QuotenUebertragen, FreeTextFillsTheEditsFromTheBottomUp) {
    const auto u = QuotenUebertragen(Freitext(), 4);
    EXPECT_TRUE(u.freitext);
    EXPECT_TRUE(u.fehler.empty());
    EXPECT_EQ(u.felder, Erwartet({{1, "1748907,28"}, {2, "40079,10"}, {3, "1150,60"}, {4, "161,00"},
                                  {5, "41,10"}, {6, "14,90"}, {7, "4,50"}, {8, "1,20"}}));
    // Empty lines are gone from the text.
    EXPECT_EQ(u.text.find("\n\n"), std::string::npos);
    EXPECT_EQ(u.text.substr(0, 29), "Quoten der Ziehung\n6 Richtige");
}

TEST(QuotenUebertragen, FreeTextSkipsAMoneyLineRightAboveTheAcceptedOne) {
    std::string text;
    for (int i = 0; i < 10; ++i) text += "Zeile " + std::to_string(i) + " ohne Betrag\n";
    text += "100 €\n200 €\nZwischen\n  3.000,50    €\n1,20 €\n";
    const auto u = QuotenUebertragen(text, 4);
    ASSERT_TRUE(u.freitext);
    // 1,20 fills edit 8; 3.000,50 lies directly above it and is skipped; 200, three lines up, fills
    // edit 7, and 100 right above that is skipped again.
    EXPECT_EQ(u.felder, Erwartet({{7, "200"}, {8, "1,20"}}));
    EXPECT_NE(u.text.find("\n 3.000,50 €\n"), std::string::npos);  // runs of blanks made single
}

TEST(QuotenUebertragen, TabModeTakesTheChosenColumn) {
    std::string text;
    const char* quoten[] = {"1.748.907,28", "40.079,10", "1.150,60", "161,00", "41,10", "14,90", "4,50", "1,20"};
    for (int k = 0; k < 8; ++k) text += "Klasse " + std::to_string(k + 1) + "\t" + std::to_string(k * 11) + "\t" + quoten[k] + " €\r\n";
    const auto u = QuotenUebertragen(text, 3);
    EXPECT_FALSE(u.freitext);
    EXPECT_TRUE(u.fehler.empty());
    EXPECT_EQ(u.felder, Erwartet({{1, "1748907,28"}, {2, "40079,10"}, {3, "1150,60"}, {4, "161,00"},
                                  {5, "41,10"}, {6, "14,90"}, {7, "4,50"}, {8, "1,20"}}));
    // Column 2 holds the winners.
    EXPECT_EQ(QuotenUebertragen(text, 2).felder[3], "22");
}

TEST(QuotenUebertragen, TwelveLinesWithoutTabsAreTabModeWithOneFieldEach) {
    std::string text;
    for (int i = 1; i <= 12; ++i) text += std::to_string(i) + ",00 €\n";
    const auto eins = QuotenUebertragen(text, 1);
    EXPECT_FALSE(eins.freitext);
    EXPECT_TRUE(eins.fehler.empty());
    EXPECT_EQ(eins.felder[1], "1,00");
    EXPECT_EQ(eins.felder[8], "8,00");

    const auto vier = QuotenUebertragen(text, 4);
    EXPECT_EQ(vier.fehler, "Die Zeile 1 des Textes hat keine Spalte 4; sie besteht aus 1 Spalte.\r\rIch breche erst einmal ab.");
    EXPECT_EQ(vier.felder, Felder{});
}

TEST(QuotenUebertragen, AShortLineStopsButKeepsTheEditsFilledBefore) {
    const auto u = QuotenUebertragen("a\tb\t5,00\na\tb\t6,00\nkurz\tzeile\na\tb\t7,00\n", 3);
    EXPECT_EQ(u.felder, Erwartet({{1, "5,00"}, {2, "6,00"}}));
    EXPECT_EQ(u.fehler, "Die Zeile 3 des Textes hat keine Spalte 3; sie besteht aus 2 Spalten.\r\rIch breche erst einmal ab.");
}

TEST(QuotenUebertragen, EmptyTextIsRefused) {
    for (const char* text : {"", "\n\n", "   \r\n  "}) {
        const auto u = QuotenUebertragen(text, 4);
        EXPECT_EQ(u.fehler, "Das Textfeld ist leer. Es gibt nichts zu übertragen.\r\rIch breche erst einmal ab.") << text;
        EXPECT_EQ(u.felder, Felder{});
    }
}

TEST(QuotenUebertragen, FreeTextCanBeForced) {
    // Eight lines only, but forced free text: the accepted lines lie three apart.
    const auto u = QuotenUebertragen("5 Richtige\n3\n1.150,60 €\n4 Richtige\n9\n41,10 €\n", 4, Uebertragungsart::Freitext);
    EXPECT_TRUE(u.freitext);
    EXPECT_EQ(u.felder, Erwartet({{7, "1150,60"}, {8, "41,10"}}));
}
