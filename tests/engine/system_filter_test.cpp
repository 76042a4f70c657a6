// The filter and the list of the system selection, without a screen.
#include <gtest/gtest.h>

#include "core/datei.h"
#include "core/einstellungen.h"
#include "systems/katalog.h"
#include "systems/systembeschreibung.h"
#include "systems/systemwahl.h"
#include "systems/tabellenpruefung.h"
#include "system_testhilfen.h"
#include "temp_ordner.h"

using namespace quintaro;
using testhilfen::IndexVon;

namespace {
// The settings defaults: pool 12, guarantee 2 "mindestens", 24 rows, 0 bankers "maximal".
void Vorgaben(TSystemfilter& f, int pool = 12, int garantie = 2, int reihen = 24, int bank = 0) {
    f.Slider1Change(pool);
    f.Slider3Change(garantie);
    f.Radio3Click(0);
    f.Slider4Change(reihen);
    f.Slider5Change(bank);
    f.Radio5Click(0);
}
}  // namespace

TEST(Systemfilter, Pool13WithAtMostOneBankerListsTwoSystems) {
    TSystemwahl w;
    Vorgaben(w.filter, 13, 2, 24, 1);
    const Systemliste l = w.BFilternClick();
    EXPECT_EQ(l.indizes, (std::vector<int>{282, 56}));
    EXPECT_EQ(l.zeilen, (std::vector<std::string>{"13 Wahlzahlen ohne BZ in 21 Reihen mit 3er Garantie",
                                                  "12 Wahlzahlen plus eine BZ in 29 Reihen mit 3er Garantie"}));
    EXPECT_EQ(l.LSysAnz, "2 Systeme gefunden");
    EXPECT_EQ(w.zahlen.BankMuss(), 1);
}

TEST(Systemfilter, NothingFoundKeepsTheIndexOfTheLastListButSelectsNothing) {
    TSystemwahl w;
    EXPECT_EQ(w.l1ListBoxClick(0).meldung,
              "Es ist noch kein System gelistet. Bitte prüfen Sie gegebenenfalls Ihre Filtereinstellungen.\r\r"
              "Ich breche erst einmal ab.");
    Vorgaben(w.filter, 13, 2, 24, 1);
    w.BFilternClick();
    Vorgaben(w.filter);
    const Systemliste l = w.BFilternClick();
    EXPECT_TRUE(l.zeilen.empty());
    EXPECT_EQ(l.LSysAnz, "Keine Systeme gefunden");
    EXPECT_EQ(w.ListenIndex(), (std::vector<int>{282, 56}));
    EXPECT_EQ(w.l1ListBoxClick(-1).folge, Systemauswahl::Folge::Nichts);
    EXPECT_EQ(w.AktSystem(), -1);
}

TEST(Systemfilter, AllEgalListsTheWholeCatalogueByBankerCountThenIndex) {
    TSystemwahl w;
    w.filter.BFilternExClick();
    const Systemliste alle = w.BFilternClick();
    ASSERT_EQ(alle.zeilen.size(), 391u);
    EXPECT_EQ(alle.indizes.front(), 252);
    EXPECT_EQ(alle.zeilen.front(), "7 Wahlzahlen ohne BZ in 3 Reihen mit 2er Garantie");
    EXPECT_EQ(alle.zeilen.back(), "* 40 Wahlzahlen plus 5 BZ in 40 Reihen mit 1er Garantie");
    EXPECT_EQ(alle.LSysAnz, "391 Systeme gefunden");
    int vorher = 0;
    for (int i : alle.indizes) {
        const int b = SystemKatalog()[std::size_t(i)].bankzahlen();
        EXPECT_GE(b, vorher);
        vorher = b;
    }

    w.filter.cbNurClick(true);
    const Systemliste schein = w.BFilternClick();
    EXPECT_EQ(schein.zeilen.size(), 48u);
    for (const auto& zeile : schein.zeilen) EXPECT_EQ(zeile.substr(0, 2), "* ");
}

TEST(Systemfilter, BankersEgalLowerTheGuaranteeSoOnlyThe540Passes) {
    TSystemwahl w;
    Vorgaben(w.filter, 45, 2, 40);
    w.filter.cb5Click(true);
    Systemliste l = w.BFilternClick();
    EXPECT_EQ(w.filter.stand().Slider3, 1);
    EXPECT_EQ(w.filter.stand().Radio3, 1);
    EXPECT_EQ(l.indizes, (std::vector<int>{IndexVon(1, 40, 1)}));
    EXPECT_EQ(l.LSysAnz, "Ein System gefunden");
    EXPECT_EQ(l.BankMuss, 5);

    w.filter.Slider4Change(200);
    w.filter.cb5Click(true);
    EXPECT_TRUE(w.BFilternClick().zeilen.empty());
}

TEST(Systemfilter, FullGuaranteeWithExactBankersFixesTheRowCount) {
    TSystemfilter f;
    f.Slider1Change(12);
    f.Slider5Change(1);
    f.Radio5Click(1);
    f.Slider3Change(5);
    f.Slider4Change(5);
    EXPECT_TRUE(f.Zwang());
    EXPECT_TRUE(f.BInfo4Sichtbar());
    EXPECT_FALSE(f.Slider4Sichtbar());
    EXPECT_EQ(f.LSlider4(), "462");
    EXPECT_TRUE(f.ReihenAnzahlPasst(462, 5));
    const Systemliste l = f.Filtern();
    EXPECT_EQ(l.indizes, (std::vector<int>{IndexVon(5, 11, 5)}));

    f.cb3Click(true);  // the guarantee no longer asks for a full system
    EXPECT_FALSE(f.Zwang());
    EXPECT_EQ(f.LSlider4(), "5");
    EXPECT_FALSE(f.ReihenAnzahlPasst(462, 5));
}

TEST(Systemfilter, BankersLimitTheGuaranteeScale) {
    TSystemfilter f;
    EXPECT_FALSE(f.BInfo3Sichtbar());
    f.Slider3Change(6);
    f.cb3Click(true);
    f.Slider5Change(3);  // the guarantee slider moves down and counts as moved
    EXPECT_EQ(f.stand().Slider3Max, 3);
    EXPECT_EQ(f.stand().Slider3, 3);
    EXPECT_FALSE(f.stand().cb3);
    EXPECT_TRUE(f.BInfo3Sichtbar());
    f.cb5Click(false);
    EXPECT_EQ(f.stand().Slider3Max, 6);
    EXPECT_EQ(f.LSlider5(), "3");
    f.cb5Click(true);
    EXPECT_EQ(f.LSlider5(), "X");
    EXPECT_EQ(f.stand().Slider3Max, 3);
}

TEST(Systemfilter, RowCountBandsAndTolerance) {
    struct Fall {
        int ziel, von, bis;
    };
    for (const Fall& f : {Fall{5, 1, 12}, Fall{24, 18, 30}, Fall{100, 75, 125}, Fall{200, 150, 250}, Fall{500, 375, 625}}) {
        EXPECT_TRUE(ReihenAnzahlImBereich(f.von, f.ziel)) << f.ziel;
        EXPECT_TRUE(ReihenAnzahlImBereich(f.bis, f.ziel)) << f.ziel;
        EXPECT_FALSE(ReihenAnzahlImBereich(f.bis + 1, f.ziel)) << f.ziel;
        if (f.von > 1) {
            EXPECT_FALSE(ReihenAnzahlImBereich(f.von - 1, f.ziel)) << f.ziel;
        }
    }
    TSystemfilter f;
    EXPECT_FALSE(f.ReihenAnzahlPasst(924, 24));
    f.cb4Click(true);
    EXPECT_TRUE(f.ReihenAnzahlPasst(924, 24));
}

TEST(Systemfilter, SettingsAreAppliedInOrderSoStoredBoxesWin) {
    TempOrdner ordner;
    const auto datei = ordner.pfad() / "Einstellungen.ini";
    SchreibeDateiAtomar(datei, std::string_view("[Filter]\r\nZP=20\r\nGA=5\r\nBZ=3\r\nBZRadio=1\r\nZPegal=1\r\n"
                                                "TRegal=1\r\n[Zufall]\r\nQKraus=1\r\n"));
    TSystemfilter f;
    f.cb1Click(true);
    f.cb3Click(true);
    f.Lesen(Einstellungen(datei));
    const Filterstand& s = f.stand();
    EXPECT_EQ(s.Slider1, 20);
    EXPECT_TRUE(s.cb1);              // unchecked by the slider, then stored
    EXPECT_FALSE(s.cb3);             // unchecked by the slider, stored false
    EXPECT_EQ(s.Slider3, 3);         // 5 lowered by the three banker numbers read after it
    EXPECT_EQ(s.Slider4, 24);
    EXPECT_TRUE(s.cb4);
    EXPECT_EQ(s.Radio3, 0);
    EXPECT_EQ(s.Radio5, 1);
    EXPECT_TRUE(f.Zwang());

    Einstellungen schreiben(datei);
    f.Schreiben(schreiben);
    TSystemfilter wieder;
    wieder.Lesen(Einstellungen(datei));
    EXPECT_EQ(wieder.stand().Slider3, 3);
    EXPECT_TRUE(wieder.stand().cb4);
    EXPECT_TRUE(Einstellungen(datei).leseSchalter("Zufall", "QKraus", false));  // not the filter's key
}

TEST(Systemfilter, SelectingSetsTheNumbersTheSystemNeeds) {
    TSystemwahl w;
    Vorgaben(w.filter, 13, 2, 24, 1);
    w.BFilternClick();
    EXPECT_EQ(w.l1ListBoxClick(1).folge, Systemauswahl::Folge::Gewaehlt);
    EXPECT_EQ(w.AktSystem(), 56);
    EXPECT_EQ(w.zahlen.WahlMuss(), 12);
    EXPECT_EQ(w.zahlen.BankMuss(), 1);
    EXPECT_EQ(w.l1ListBoxClick(2).folge, Systemauswahl::Folge::Img1Verbergen);
    EXPECT_EQ(w.AktSystem(), 56);

    // Filtering again sets the banker limit to the filter's maximum until a system is selected.
    w.filter.BFilternExClick();
    w.BFilternClick();
    EXPECT_EQ(w.zahlen.BankMuss(), 5);
}

TEST(Systemtexte, LinesAndDescriptions) {
    EXPECT_EQ(SystemText(IndexVon(6, 10, 6)), "10 Wahlzahlen ohne BZ in 210 Reihen mit 6er Garantie");
    EXPECT_EQ(SystemText(141), "9 Wahlzahlen plus eine BZ in 2 Reihen ohne Garantie");
    EXPECT_EQ(SystemBeschreibung(IndexVon(5, 8, 5)),
              "Gewählt wurde ein System für 8 Wahlzahlen plus eine Bankzahl in 56 Tippreihen mit 5er Garantie.\r"
              "Ein \"Vollsystem\" auf einer Bankzahl.");
    EXPECT_EQ(SystemBeschreibung(IndexVon(6, 7, 6)),
              "Gewählt wurde ein System für 7 Wahlzahlen ohne Bankzahl in 7 Tippreihen mit 6er Garantie.\r"
              "Ein klassisches Vollsystem.");
    EXPECT_EQ(SystemBeschreibung(IndexVon(4, 10, 4)),
              "Gewählt wurde ein System für 10 Wahlzahlen plus 2 Bankzahlen in 210 Tippreihen mit 4er Garantie.\r"
              "Ein \"Vollsystem\" auf 2 Bankzahlen.");
    EXPECT_EQ(SystemBeschreibung(0),
              "Gewählt wurde ein System für 4 Wahlzahlen plus 3 Bankzahlen in 3 Tippreihen mit 2er Garantie.");
}

TEST(Systemtexte, ATableThatMissesItsGuaranteeSaysSo) {
    // Entry 31 (pairs of 35 numbers by triples in 196 rows) cannot cover all pairs.
    const std::int64_t luecken = Garantieluecken(31);
    ASSERT_GT(luecken, 0);
    EXPECT_EQ(SystemText(31), "35 Wahlzahlen plus 3 BZ in 196 Reihen mit lückenhafter 2er Garantie");
    EXPECT_EQ(SystemBeschreibung(31),
              "Gewählt wurde ein System für 35 Wahlzahlen plus 3 Bankzahlen in 196 Tippreihen ohne volle 2er "
              "Garantie.\rVon den 595 2er-Kombinationen der Wahlzahlen stehen " +
                  std::to_string(luecken) + " in keiner Tippreihe; für diese gilt die Garantie nicht.");
    EXPECT_EQ(Garantieluecken(0), 0);
    EXPECT_EQ(Garantieluecken(IndexVon(6, 12, 6)), 0);  // a generated full system
    EXPECT_EQ(Garantieluecken(141), 0);                 // no guarantee
}

TEST(Systemwahl, FiveBankerSystemByBankerNumbersHit) {
    const auto a = FuenfBankAusgang(IndexVon(1, 40, 1));
    ASSERT_EQ(a.size(), 6u);
    EXPECT_EQ(a[0].bankTreffer, 5);
    EXPECT_EQ(a[0].reihenHoeher, 1);     // one row with six hits
    EXPECT_EQ(a[0].reihenNiedriger, 39); // the others with five
    EXPECT_EQ(a[3].bankTreffer, 2);
    EXPECT_EQ(a[3].reihenHoeher, 4);
    EXPECT_EQ(a[5].bankTreffer, 0);
    EXPECT_EQ(a[5].reihenHoeher, 6);
    EXPECT_EQ(a[5].reihenNiedriger, 34);
}
