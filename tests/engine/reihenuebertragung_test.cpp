// The transfer of the entry window's text into the tip grid: normalisation,
// the blank question, the checks and where the rows land.
#include <gtest/gtest.h>

#include <optional>

#include "core/spielregeln.h"
#include "entry/reihenuebertragung.h"
#include "entry/textfeld.h"

using namespace quintaro;

namespace {
const std::string A(Absatz);
const std::string kAbbruch = A + "Ich breche erst einmal ab.";
const std::string kNbsp = "\xC2\xA0";

std::string Zeilenfehler(int zeile) {
    return "In Zeile " + std::to_string(zeile) + " kann ich keine sechs Zahlen ausmachen." + A +
           "Bitte geben Sie Ihre Tippzahlen, 6 aus 45 zeilenweise, jeweils durch Kommata getrennt ein." + kAbbruch;
}

struct Fall {
    const char* name;
    std::string text;
    std::optional<Leerzeichenantwort> antwort;  // nullopt: the question must not come
    std::string normalisiert;                   // what the text field keeps
    std::vector<Tippreihe> reihen;              // in line order, as parsed
    std::string fehler;
    bool abgebrochen = false;
};

const Fall kFaelle[] = {
    {"FeldLabelsWithBlanksAskAndYesSeparates", "Feld 1: 3 7 12 22 38 41\r\nFeld 2: 1 2 3 4 5 6\r\n",
     Leerzeichenantwort::Ja, "3,7,12,22,38,41\n1,2,3,4,5,6\n", {{3, 7, 12, 22, 38, 41}, {1, 2, 3, 4, 5, 6}}, ""},
    {"FeldColonTabLabelsGoAndTabsBecomeCommas", "Feld 1:\t3\t7\t12\t22\t38\t41\nFeld 2:\t1\t2\t3\t4\t5\t6",
     std::nullopt, "3,7,12,22,38,41\n1,2,3,4,5,6\n", {{3, 7, 12, 22, 38, 41}, {1, 2, 3, 4, 5, 6}}, ""},
    {"FeldTabLabelWithoutColon", "Feld 1\t1\t2\t3\t4\t5\t6", std::nullopt, "1,2,3,4,5,6\n", {{1, 2, 3, 4, 5, 6}}, ""},
    {"FeldLabelWithoutTailAndUnlabelledLineInBetween",
     "Feld 1 1,2,3,4,5,6\n7,8,9,10,11,12\nFeld 2 13,14,15,16,17,18", std::nullopt,
     "1,2,3,4,5,6\n7,8,9,10,11,12\n13,14,15,16,17,18\n",
     {{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}, {13, 14, 15, 16, 17, 18}}, ""},
    {"LowerCaseFeldIsNoLabel", "feld 1: 1,2,3,4,5,6", Leerzeichenantwort::Ja, "feld,1:,1,2,3,4,5,6\n", {},
     Zeilenfehler(1)},
    {"SemicolonsAndBlanksAroundCommasWithoutQuestion", "41; 7 ;3,22,12,38", std::nullopt, "41,7,3,22,12,38\n",
     {{41, 7, 3, 22, 12, 38}}, ""},
    {"BlankRunsCollapseBeforeYes", "1    2   3 4 5 6", Leerzeichenantwort::Ja, "1,2,3,4,5,6\n", {{1, 2, 3, 4, 5, 6}},
     ""},
    {"NoRemovesTheBlanks", "1 2,3,4,5,6,7", Leerzeichenantwort::Nein, "12,3,4,5,6,7\n", {{12, 3, 4, 5, 6, 7}}, ""},
    {"CancelStopsWithTheTextSoFar", " 1 2;3,4,5,6,7\n", Leerzeichenantwort::Abbrechen, "1 2,3,4,5,6,7\n", {}, "",
     true},
    {"TrimmingAndEmptyLinesAcrossAllLineBreaks", "  \t1,2,3,4,5,6\t \r\n\r\n   \r7,8,9,10,11,12\n", std::nullopt,
     "1,2,3,4,5,6\n7,8,9,10,11,12\n", {{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}}, ""},
    {"NoBreakSpaceBesideCommasGoes", "1" + kNbsp + ",2," + kNbsp + "3,4,5,6", std::nullopt, "1,2,3,4,5,6\n",
     {{1, 2, 3, 4, 5, 6}}, ""},
    {"LineStartingWithNoBreakSpaceLosesAllOfThem", kNbsp + "1,2,3,4,5," + kNbsp + kNbsp + "6", std::nullopt,
     "1,2,3,4,5,6\n", {{1, 2, 3, 4, 5, 6}}, ""},
    {"NoBreakSpaceInsideANumberIsAConversionError", "1,2,3,4,5,4" + kNbsp + "5", std::nullopt,
     "1,2,3,4,5,4" + kNbsp + "5\n", {}, "'4" + kNbsp + "5' ist kein gültiger Integerwert"},
    {"OneTrailingCommaGoes", "1,2,3,4,5,6,", std::nullopt, "1,2,3,4,5,6\n", {{1, 2, 3, 4, 5, 6}}, ""},
    {"TwoTrailingCommasMergeAndGo", "1,2,3,4,5,6,,", std::nullopt, "1,2,3,4,5,6\n", {{1, 2, 3, 4, 5, 6}}, ""},
    {"ThreeTrailingCommasLeaveOneAndFailTheCount", "1,2,3,4,5,6,,,", std::nullopt, "1,2,3,4,5,6,\n", {},
     Zeilenfehler(1)},
    {"CountErrorNamesTheLine", "1,2,3,4,5,6\n1,2,3,4,5", std::nullopt, "1,2,3,4,5,6\n1,2,3,4,5\n", {},
     Zeilenfehler(2)},
    {"NumberAboveTheRange", "1,2,3,4,5,46", std::nullopt, "1,2,3,4,5,46\n", {},
     "In Zeile 1 ist die 6. Zahl, die 46, keine gültige Tippzahl." + A +
         "Die sechs Tippzahlen sind aus der Zahlenreihe 1 bis 45 zu wählen." + kAbbruch},
    {"NumberBelowTheRange", "1,2,3,4,5,6\n-3,2,3,4,5,6", std::nullopt, "1,2,3,4,5,6\n-3,2,3,4,5,6\n", {},
     "In Zeile 2 ist die 1. Zahl, die -3, keine gültige Tippzahl." + A +
         "Die sechs Tippzahlen sind aus der Zahlenreihe 1 bis 45 zu wählen." + kAbbruch},
    {"RepeatAfterTheRangeCheckPassed", "1,2,3,4,5,5", std::nullopt, "1,2,3,4,5,5\n", {},
     "In Zeile 1 ist die 5. und die 6. Zahl gleich." + A +
         "Bitte wählen Sie sechs verschiedene Tippzahlen aus der Zahlenreihe 1 bis 45." + kAbbruch},
    {"RangeOfALaterLineBeforeARepeatOfAnEarlier", "1,1,3,4,5,6\n1,2,3,4,5,99", std::nullopt,
     "1,1,3,4,5,6\n1,2,3,4,5,99\n", {},
     "In Zeile 2 ist die 6. Zahl, die 99, keine gültige Tippzahl." + A +
         "Die sechs Tippzahlen sind aus der Zahlenreihe 1 bis 45 zu wählen." + kAbbruch},
    {"ConversionOfALaterLineBeforeARangeOfAnEarlier", "1,2,3,4,5,46\n1,2,x,4,5,6", std::nullopt,
     "1,2,3,4,5,46\n1,2,x,4,5,6\n", {}, "'x' ist kein gültiger Integerwert"},
    {"EmptyFieldIsAConversionError", "1,,,2,3,4,5", std::nullopt, "1,,2,3,4,5\n", {},
     "'' ist kein gültiger Integerwert"},
    {"EmptyText", "", std::nullopt, "", {}, "Das Textfeld ist leer. Es gibt nichts zu übertragen." + kAbbruch},
    {"OnlyBlanksAndEmptyLinesCountAsEmpty", "  \n\t \r\n", std::nullopt, "", {},
     "Das Textfeld ist leer. Es gibt nichts zu übertragen." + kAbbruch},
};

class Uebertragungsfall : public ::testing::TestWithParam<Fall> {};
}  // namespace

TEST_P(Uebertragungsfall, NormalisesChecksAndReports) {
    const Fall& f = GetParam();
    int fragen = 0;
    const Uebertragung u = ReihenPruefen(f.text, [&](const std::string& frage, const std::string& zwischentext) {
        ++fragen;
        EXPECT_EQ(frage, LeerzeichenFrageText);
        EXPECT_NE(zwischentext.find(' '), std::string::npos) << "the text on screen while asking still has its blanks";
        return f.antwort.value_or(Leerzeichenantwort::Abbrechen);
    });
    EXPECT_EQ(fragen, f.antwort ? 1 : 0);
    EXPECT_EQ(u.text, f.normalisiert);
    EXPECT_EQ(u.fehler, f.fehler);
    EXPECT_EQ(u.abgebrochen, f.abgebrochen);
    EXPECT_EQ(u.reihen, f.reihen);
}

INSTANTIATE_TEST_SUITE_P(Text, Uebertragungsfall, ::testing::ValuesIn(kFaelle),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Uebertragung, TheQuestionTextReadsAsTheWindowShowsIt) {
    EXPECT_EQ(LeerzeichenFrageText,
              "Dienen die Leerzeichen der Trennung der Zahlen?" + A +
                  "Wenn Sie mit \"Nein\" antworten, sind sie überflüssig und werden gelöscht." + A +
                  "Wenn Sie mit \"Ja\" antworten, werden die Leerzeichen in Kommata umgewandelt.");
}

namespace {
// A grid with the given rows below the header; each row as label + six numbers, "" for an empty row.
TippTabelle Raster(const std::vector<std::string>& zeilen, std::size_t leerDahinter = 0) {
    TippTabelle t;
    ReihenKopf(t);
    for (std::size_t i = 0; i < zeilen.size(); ++i) {
        std::vector<std::string> z(TippSpalten);
        z[0] = std::to_string(i + 1);
        if (!zeilen[i].empty()) {
            int c = 1;
            for (const auto& teil : TextTrennen(",", zeilen[i], 0)) z[std::size_t(c++)] = teil;
        }
        t.push_back(z);
    }
    t.resize(t.size() + leerDahinter, std::vector<std::string>(TippSpalten));
    return t;
}

std::vector<std::string> Zeile(const TippTabelle& t, std::size_t r) { return t.at(r); }

const auto kNeu = [](const std::string&, const std::string&) { return Leerzeichenantwort::Ja; };
}  // namespace

TEST(Eintragen, OverwritePutsSortedRowsFromRowOneAndDropsTheRest) {
    TippTabelle t = Raster({"1,2,3,4,5,6", "7,8,9,10,11,12", "13,14,15,16,17,18"}, 40);
    const auto u = TextInTabelle("5,3,9,1,45,2\n", t, true, kNeu);
    ASSERT_TRUE(u.gelungen());
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(Zeile(t, 1), (std::vector<std::string>{"1", "1", "2", "3", "5", "9", "45"}));
}

TEST(Eintragen, AppendFollowsTheLastFilledRow) {
    struct {
        const char* wie;
        TippTabelle vorher;
        std::size_t start;  // first row the new ones take
    } faelle[] = {
        {"rows 1 to 3 filled, empties after them", Raster({"1,2,3,4,5,6", "1,2,3,4,5,7", "1,2,3,4,5,8"}, 47), 4},
        {"row 2 empty while row 3 is filled", Raster({"1,2,3,4,5,6", "", "1,2,3,4,5,8", "1,2,3,4,5,9"}), 2},
        {"every row filled", Raster({"1,2,3,4,5,6", "1,2,3,4,5,7"}), 3},
        {"the first row already empty", Raster({"", "1,2,3,4,5,7"}), 1},
        {"only the header", Raster({}), 1},
    };
    for (auto& f : faelle) {
        SCOPED_TRACE(f.wie);
        TippTabelle t = f.vorher;
        ASSERT_TRUE(TextInTabelle("10,20,30,40,45,1\n44,43,42,41,40,39", t, false, kNeu).gelungen());
        ASSERT_EQ(t.size(), f.start + 2);  // the two new rows end the grid
        for (std::size_t r = 1; r < f.start; ++r) EXPECT_EQ(t[r], f.vorher[r]);
        EXPECT_EQ(Zeile(t, f.start), (std::vector<std::string>{std::to_string(f.start), "1", "10", "20", "30", "40", "45"}));
        EXPECT_EQ(Zeile(t, f.start + 1),
                  (std::vector<std::string>{std::to_string(f.start + 1), "39", "40", "41", "42", "43", "44"}));
    }
}

TEST(Eintragen, ARefusedTextLeavesTheGridAsItWas) {
    const TippTabelle vorher = Raster({"1,2,3,4,5,6"}, 49);
    for (const char* text : {"1,2,3,4,5,6\n1,2,3,4,5,5", "", "1 2 3 4 5 6"}) {
        TippTabelle t = vorher;
        const auto u = TextInTabelle(text, t, true, [](const std::string&, const std::string&) {
            return Leerzeichenantwort::Abbrechen;
        });
        EXPECT_FALSE(u.gelungen()) << text;
        EXPECT_EQ(t, vorher) << text;
    }
}

TEST(Textfeld, SixClicksMakeOneLineThatArrivesSorted) {
    std::string text;
    for (int z : {5, 3, 9, 1, 45, 2}) text = ZahlAnhaengen(text, z);
    EXPECT_EQ(text, "5,3,9,1,45,2\n");
    EXPECT_EQ(ZeilenAnzahl(text), 1);
    text = ZahlAnhaengen(text, 7);
    EXPECT_EQ(text, "5,3,9,1,45,2\n7,");
    EXPECT_EQ(ZeilenAnzahl(text), 2);

    TippTabelle t = Raster({}, 49);
    ASSERT_TRUE(TextInTabelle("5,3,9,1,45,2\n", t, true, kNeu).gelungen());
    EXPECT_EQ(Zeile(t, 1), (std::vector<std::string>{"1", "1", "2", "3", "5", "9", "45"}));
}

TEST(Textfeld, AClickAfterATypedFullLineStartsANewLine) {
    EXPECT_EQ(ZahlAnhaengen("1,2,3,4,5,6", 7), "1,2,3,4,5,6\n7,");
    EXPECT_EQ(ZahlAnhaengen("1,2,3\r\n4,5", 6), "1,2,3\r\n4,5,6,");
}

TEST(Textfeld, LinesAreCountedAsTheFieldShowsThem) {
    EXPECT_EQ(ZeilenAnzahl(""), 0);
    EXPECT_EQ(ZeilenAnzahl("a"), 1);
    EXPECT_EQ(ZeilenAnzahl("a\r\nb\r\n"), 2);
    EXPECT_EQ(ZeilenAnzahl("a\n\nb"), 3);
    EXPECT_EQ(ZeilenAnzahl("a\rb"), 2);
}

TEST(Textfeld, FileTableRowsAreAppendedAsCommaLines) {
    TippTabelle g2 = Raster({"1,2,3,4,5,6", "", "7,8,9,10,11,12"});
    g2[3][2] = "a b";
    const auto u = TabelleInsTextfeld("3,4", g2, 6);
    EXPECT_EQ(u.fehler, "");
    EXPECT_EQ(u.text, "3,4\n1,2,3,4,5,6\n,,,,,\n7,\"a b\",9,10,11,12\n");

    // A wider spreadsheet brings all its columns, so that the transfer sees the extra field.
    g2[1].push_back("99");
    EXPECT_EQ(LetzteBelegteSpalte(g2), 7);
    EXPECT_EQ(TabelleInsTextfeld("", g2, 7).text, "1,2,3,4,5,6,99\n,,,,,,\n7,\"a b\",9,10,11,12,\n");

    const auto leer = TabelleInsTextfeld("3,4", Raster({"", "1,2,3,4,5,6"}), 6);
    EXPECT_EQ(leer.fehler, "Die Tabelle ist leer. Es gibt nichts zu übertragen." + kAbbruch);
    EXPECT_EQ(leer.text, "3,4");
}
