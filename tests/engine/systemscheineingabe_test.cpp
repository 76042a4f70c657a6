#include <gtest/gtest.h>

#include <vector>

#include "systems/katalog.h"
#include "systems/scheingeometrie.h"
#include "systems/systemscheineingabe.h"

using namespace quintaro;

namespace {
constexpr int kSystem108 = 8;
constexpr int kSystem540 = 48;
}  // namespace

TEST(Scheingeometrie, ClicksHitTheBoxUnderThemAndNothingElse) {
    const struct {
        int a, b;
        std::optional<Kreuzstelle> stelle;
    } faelle[] = {
        {8, 9, Kreuzstelle{Kreuzart::Bank, 1}},          // top left corner of BANK 1
        {23, 24, Kreuzstelle{Kreuzart::Bank, 1}},        // its bottom right pixel
        {24, 9, std::nullopt},                           // the gap to BANK 2
        {8, 152, Kreuzstelle{Kreuzart::Bank, 43}},       // row 8 holds 43..45
        {48, 152, Kreuzstelle{Kreuzart::Bank, 45}},
        {108, 152, std::nullopt},                        // no 48
        {8, 173, Kreuzstelle{Kreuzart::Wahl, 1}},
        {28, 173 + 143, Kreuzstelle{Kreuzart::Wahl, 44}},
        {8, 170, std::nullopt},                          // between the fields
        {188, 50, Kreuzstelle{Kreuzart::System, 1}},     // "007"
        {190, 50 + 225, Kreuzstelle{Kreuzart::System, 12}},
        {328, 52, Kreuzstelle{Kreuzart::System, 13}},    // column 2 starts with "207"
        {608, 50 + 225, Kreuzstelle{Kreuzart::System, 48}},  // "540"
        {625, 60, std::nullopt},                         // beyond the fourth column
        {150, 60, std::nullopt},                         // system field, left of the boxes
    };
    for (const auto& f : faelle) EXPECT_EQ(KaestchenBei(f.a, f.b), f.stelle) << f.a << "," << f.b;
    // Every box is found at its own position, so painting and hit tests agree.
    for (int n = 1; n <= 45; ++n) {
        EXPECT_EQ(KaestchenBei(BankKaestchen(n).x + 3, BankKaestchen(n).y + 3), (Kreuzstelle{Kreuzart::Bank, n}));
        EXPECT_EQ(KaestchenBei(WahlKaestchen(n).x + 15, WahlKaestchen(n).y + 15), (Kreuzstelle{Kreuzart::Wahl, n}));
    }
    for (int s = 1; s <= 48; ++s)
        EXPECT_EQ(KaestchenBei(SystemKaestchen(s).x + 8, SystemKaestchen(s).y + 8), (Kreuzstelle{Kreuzart::System, s}));
    EXPECT_EQ(FormGruppe(1), 1);
    EXPECT_EQ(FormGruppe(12), 1);
    EXPECT_EQ(FormGruppe(13), 2);
    EXPECT_EQ(FormGruppe(48), 4);
}

TEST(SystemscheinEingabe, NumbersNeedASystemFirst) {
    SystemscheinEingabe e;
    EXPECT_EQ(e.TrefferVerwerten(5, Kreuzart::Bank), "Bitte wählen Sie zuächst das System aus.");
    EXPECT_EQ(e.TrefferVerwerten(5, Kreuzart::Wahl), "Bitte wählen Sie zuächst das System aus.");
    EXPECT_TRUE(e.BZGewaehlt().leer());
    EXPECT_TRUE(e.WZGewaehlt().leer());
    EXPECT_EQ(e.BZMuss(), 100);
}

TEST(SystemscheinEingabe, System108FillsUpAndRefusesMoreSilently) {
    SystemscheinEingabe e;
    e.TrefferVerwerten(kSystem108, Kreuzart::System);
    EXPECT_EQ(e.BZMuss(), 1);
    EXPECT_EQ(e.WZMuss(), 8);
    e.TrefferVerwerten(7, Kreuzart::Bank);
    for (int z : {1, 2, 3, 4, 5, 6, 8}) e.TrefferVerwerten(z, Kreuzart::Wahl);
    EXPECT_EQ(e.WahlStand(), SystemscheinEingabe::Stand::Offen);
    EXPECT_FALSE(e.Vollstaendig());
    e.TrefferVerwerten(9, Kreuzart::Wahl);
    EXPECT_EQ(e.BankStand(), SystemscheinEingabe::Stand::Passend);
    EXPECT_EQ(e.WahlStand(), SystemscheinEingabe::Stand::Passend);
    EXPECT_TRUE(e.Vollstaendig());
    EXPECT_EQ(e.TrefferVerwerten(10, Kreuzart::Wahl), "");
    EXPECT_EQ(e.WZAnz(), 8);
    EXPECT_FALSE(e.WZGewaehlt().enthaelt(10));
    const TSystemscheinSatz satz = e.Satz();
    EXPECT_EQ(satz.system, 8);
    EXPECT_EQ(satz.bank[0], 7);
    EXPECT_EQ(satz.wahl[7], 9);
}

TEST(SystemscheinEingabe, ACrossedWahlzahlMovesToTheBankerField) {
    SystemscheinEingabe e;
    e.TrefferVerwerten(kSystem108, Kreuzart::System);
    e.TrefferVerwerten(12, Kreuzart::Wahl);
    e.TrefferVerwerten(12, Kreuzart::Bank);
    EXPECT_EQ(e.BZGewaehlt(), TZahlenMenge{12});
    EXPECT_TRUE(e.WZGewaehlt().leer());
    // With the banker field full the click is ignored and the number stays a Wahlzahl.
    e.TrefferVerwerten(13, Kreuzart::Wahl);
    e.TrefferVerwerten(13, Kreuzart::Bank);
    EXPECT_EQ(e.WZGewaehlt(), TZahlenMenge{13});
    // Clicking a crossed number again removes it.
    e.TrefferVerwerten(12, Kreuzart::Bank);
    EXPECT_TRUE(e.BZGewaehlt().leer());
}

TEST(SystemscheinEingabe, RemovingOrChangingTheSystemKeepsTheNumbers) {
    SystemscheinEingabe e;
    e.TrefferVerwerten(kSystem108, Kreuzart::System);
    e.TrefferVerwerten(7, Kreuzart::Bank);
    for (int z = 1; z <= 6; ++z) e.TrefferVerwerten(z, Kreuzart::Wahl);
    e.TrefferVerwerten(1, Kreuzart::System);  // "007": no bankers, 7 Wahlzahlen
    EXPECT_EQ(e.SysGewaehlt(), 1);
    EXPECT_EQ(e.BankStand(), SystemscheinEingabe::Stand::Zuviel);
    EXPECT_EQ(e.WahlStand(), SystemscheinEingabe::Stand::Offen);
    e.TrefferVerwerten(1, Kreuzart::System);  // the crossed system again: removed
    EXPECT_EQ(e.SysGewaehlt(), 0);
    EXPECT_EQ(e.BZMuss(), 100);
    EXPECT_EQ(e.WZAnz(), 6);
    EXPECT_FALSE(e.Vollstaendig());
    // Deleting everything really deletes, system or not.
    e.NeuerSchein();
    EXPECT_TRUE(e.BZGewaehlt().leer());
    EXPECT_TRUE(e.WZGewaehlt().leer());
}

TEST(SystemscheinEingabe, FiveBankersStartTheAutomaticWahlzahlen) {
    SystemscheinEingabe e;
    e.TrefferVerwerten(kSystem540, Kreuzart::System);
    for (int z : {2, 4, 6, 8}) e.TrefferVerwerten(z, Kreuzart::Bank);
    EXPECT_FALSE(e.automatikLaeuft());
    e.TrefferVerwerten(10, Kreuzart::Bank);
    ASSERT_TRUE(e.automatikLaeuft());
    e.TrefferVerwerten(45, Kreuzart::Wahl);  // a click while the crosses appear is kept
    int schritte = 0;
    while (e.AutomatikSchritt()) ++schritte;
    EXPECT_EQ(schritte, 39);
    EXPECT_FALSE(e.automatikLaeuft());
    EXPECT_EQ(e.WZAnz(), 40);
    EXPECT_TRUE(e.WZGewaehlt().enthaelt(45));
    EXPECT_TRUE((e.WZGewaehlt() & e.BZGewaehlt()).leer());
    EXPECT_TRUE(e.Vollstaendig());
}

TEST(SystemscheinEingabe, LoadingRebuildsTheTicketWithoutAutomatik) {
    SystemscheinEingabe quelle;
    quelle.TrefferVerwerten(kSystem540, Kreuzart::System);
    for (int z = 41; z <= 45; ++z) quelle.TrefferVerwerten(z, Kreuzart::Bank);
    while (quelle.AutomatikSchritt()) {
    }
    SystemscheinEingabe e;
    e.TrefferVerwerten(3, Kreuzart::System);
    e.Laden(quelle.Satz());
    EXPECT_FALSE(e.automatikLaeuft());
    EXPECT_EQ(e.SysGewaehlt(), kSystem540);
    EXPECT_EQ(e.BZGewaehlt(), (TZahlenMenge{41, 42, 43, 44, 45}));
    EXPECT_EQ(e.WZAnz(), 40);
    EXPECT_EQ(e.Satz(), quelle.Satz());
}
