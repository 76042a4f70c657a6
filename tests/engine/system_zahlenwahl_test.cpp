#include <gtest/gtest.h>

#include "systems/zahlenwahl.h"

using namespace quintaro;

namespace {
TZahlenwahl Wahl(int wahlMuss, int bankMuss) {
    TZahlenwahl w;
    w.setzeWahlMuss(wahlMuss);
    w.setzeBankMuss(bankMuss);
    return w;
}

void Klicke(TZahlenwahl& w, std::initializer_list<int> zahlen) {
    for (int z : zahlen) EXPECT_FALSE(w.Klick(z).vorhanden()) << "click " << z;
}
}  // namespace

TEST(Zahlenwahl, WithoutSystemEveryActionAsksForOne) {
    TZahlenwahl w;
    std::mt19937_64 zufall(1);
    for (const Meldung& m : {w.Klick(5), w.Zufall(false, {}, zufall)}) {
        EXPECT_EQ(m.art, Meldung::Art::Information);
        EXPECT_EQ(m.text, "Bitte wählen Sie links zunächst ein System aus.");
    }
    EXPECT_TRUE(w.WahlSet().leer());
}

TEST(Zahlenwahl, FirstClicksAreWahlzahlenThenBankers) {
    auto w = Wahl(7, 1);
    Klicke(w, {1, 2, 3, 4, 5, 6, 7, 8});
    EXPECT_EQ(w.WahlSet(), (TZahlenMenge{1, 2, 3, 4, 5, 6, 7}));
    EXPECT_EQ(w.BankSet(), (TZahlenMenge{8}));
    EXPECT_EQ(w.Aussehen(8), Zahlaussehen::Bankzahl);
    EXPECT_EQ(w.Aussehen(1), Zahlaussehen::Wahlzahl);
    EXPECT_EQ(w.Aussehen(9), Zahlaussehen::Normal);
    EXPECT_EQ(w.WahlFarbe(), Zaehlerfarbe::Gruen);
    EXPECT_EQ(w.BankFarbe(), Zaehlerfarbe::Gruen);

    const Meldung m = w.Klick(9);
    EXPECT_EQ(m.art, Meldung::Art::Fehler);
    EXPECT_EQ(m.text, "Sie haben bereits 1 Bankzahlen gewählt.");
    EXPECT_FALSE(w.BankSet().enthaelt(9));
    EXPECT_EQ(w.BankAnz(), 1);
}

TEST(Zahlenwahl, WithoutBankersAnExtraNumberIsRefused) {
    auto w = Wahl(7, 0);
    Klicke(w, {1, 2, 3, 4, 5, 6, 7});
    const Meldung m = w.Klick(8);
    EXPECT_EQ(m.art, Meldung::Art::Fehler);
    EXPECT_EQ(m.text, "Sie haben bereits 7 Zahlen gewählt.");
    EXPECT_EQ(w.WahlAnz(), 7);
    EXPECT_EQ(w.BankAnz(), 0);
}

TEST(Zahlenwahl, ClickingAChosenNumberFreesItAndTheModeFollows) {
    auto w = Wahl(3, 2);
    Klicke(w, {1, 2, 3, 10, 11});
    // Freeing a banker: the next free ball is a banker again.
    Klicke(w, {10, 12});
    EXPECT_EQ(w.BankSet(), (TZahlenMenge{11, 12}));
    EXPECT_EQ(w.BankAnz(), 2);
    // Freeing a Wahlzahl while bankers are chosen: the next free ball is a Wahlzahl.
    Klicke(w, {2, 20});
    EXPECT_EQ(w.WahlSet(), (TZahlenMenge{1, 3, 20}));
    EXPECT_EQ(w.BankSet(), (TZahlenMenge{11, 12}));
    EXPECT_EQ(w.WahlAnz(), 3);
    // After a banker click the mode stays on bankers while the Wahlzahlen are complete.
    Klicke(w, {11, 11});
    EXPECT_TRUE(w.BankModus());
    EXPECT_EQ(w.Klick(30).text, "Sie haben bereits 2 Bankzahlen gewählt.");
}

TEST(Zahlenwahl, CountersShowTooManyInLightRedOnlyAfterSelection) {
    auto w = Wahl(8, 1);
    Klicke(w, {1, 2, 3, 4, 5, 6, 7, 8, 9});
    w.setzeWahlMuss(7);  // another system is selected; the numbers stay
    w.setzeBankMuss(0);
    EXPECT_EQ(w.WahlAnz(), 8);
    EXPECT_EQ(w.WahlFarbe(true), Zaehlerfarbe::Hellrot);
    EXPECT_EQ(w.BankFarbe(true), Zaehlerfarbe::Hellrot);
    EXPECT_EQ(w.WahlFarbe(), Zaehlerfarbe::Knopfflaeche);
    w.setzeWahlMuss(10);
    EXPECT_EQ(w.WahlFarbe(true), Zaehlerfarbe::Knopfflaeche);
}

TEST(Zahlenwahl, ClearEmptiesEverything) {
    auto w = Wahl(3, 1);
    Klicke(w, {1, 2, 3, 4});
    w.Loeschen();
    EXPECT_TRUE(w.WahlSet().leer());
    EXPECT_TRUE(w.BankSet().leer());
    EXPECT_EQ(w.WahlAnz() + w.BankAnz(), 0);
    EXPECT_FALSE(w.BankModus());
    for (int z = 1; z <= 45; ++z) EXPECT_EQ(w.Aussehen(z), Zahlaussehen::Normal);
}

TEST(Zahlenwahl, RandomChoiceFillsBothSetsAndAvoidsTheKillers) {
    TZahlenMenge killer;
    for (int z = 1; z <= 30; ++z) killer.hinzu(z);
    for (std::uint64_t saat = 0; saat < 50; ++saat) {
        auto w = Wahl(12, 2);
        Klicke(w, {40});  // cleared by the random choice
        std::mt19937_64 zufall(saat);
        EXPECT_FALSE(w.Zufall(true, killer, zufall).vorhanden());
        EXPECT_EQ(w.WahlAnz(), 12);
        EXPECT_EQ(w.BankAnz(), 2);
        EXPECT_EQ(w.WahlSet().anzahl(), 12);
        EXPECT_EQ(w.BankSet().anzahl(), 2);
        EXPECT_TRUE((w.WahlSet() & killer).leer());
        EXPECT_TRUE((w.BankSet() & killer).leer());
        EXPECT_TRUE((w.WahlSet() & w.BankSet()).leer());
    }
    // Same seed, same choice; the killers are only avoided when asked.
    auto a = Wahl(12, 2), b = Wahl(12, 2);
    std::mt19937_64 z1(7), z2(7), z3(7);
    a.Zufall(false, killer, z1);
    b.Zufall(false, killer, z2);
    EXPECT_EQ(a.WahlSet(), b.WahlSet());
    EXPECT_EQ(a.BankSet(), b.BankSet());
    EXPECT_FALSE((a.WahlSet() & killer).leer());
    b.Zufall(true, killer, z3);
    EXPECT_NE(a.WahlSet(), b.WahlSet());
}

TEST(Zahlenwahl, RandomChoiceRefusesTooManyKillers) {
    TZahlenMenge killer;
    for (int z = 1; z <= 40; ++z) killer.hinzu(z);
    auto w = Wahl(6, 0);
    Klicke(w, {41});
    std::mt19937_64 zufall(3);
    const Meldung m = w.Zufall(true, killer, zufall);
    EXPECT_EQ(m.art, Meldung::Art::Information);
    EXPECT_EQ(m.text, "Die Anzahl der Quotenkiller ist zu hoch.\r\rIch breche erst einmal ab.");
    EXPECT_EQ(w.WahlSet(), (TZahlenMenge{41}));  // nothing changed
    // 39 killers leave exactly six numbers.
    killer.entferne(40);
    EXPECT_FALSE(w.Zufall(true, killer, zufall).vorhanden());
    EXPECT_EQ(w.WahlSet(), (TZahlenMenge{40, 41, 42, 43, 44, 45}));
}

TEST(Zahlenwahl, RandomChoiceWithAFilterMaximumAboveThePoolTakesWhatThereIs) {
    // 44 Wahlzahlen and a banker maximum of 5 left from filtering: 49 numbers
    // would be needed; all 45 are taken and the last one becomes a banker.
    auto w = Wahl(44, 5);
    std::mt19937_64 zufall(11);
    EXPECT_FALSE(w.Zufall(false, {}, zufall).vorhanden());
    EXPECT_EQ(w.WahlAnz(), 44);
    EXPECT_EQ(w.BankAnz(), 1);
}
