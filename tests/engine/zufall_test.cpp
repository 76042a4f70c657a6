// Random tips: the generator, the roles with their limits, the check of the
// requested count and the generated rows.
#include <gtest/gtest.h>

#include <algorithm>
#include <set>

#include "core/datei.h"
#include "core/kombinatorik.h"
#include "random/quotenkiller.h"
#include "random/zufallsreihen.h"
#include "temp_ordner.h"

namespace quintaro {
namespace {

using Art = TRollenwechsel::Art;

TEST(Zufallsgenerator, FollowsTheCongruenceAndTakesTheUpperBitsOfTheProduct) {
    TZufallsgenerator g(0);
    std::vector<std::uint32_t> werte;
    for (int i = 0; i < 5; ++i) werte.push_back(g.random(100));
    EXPECT_EQ(werte, (std::vector<std::uint32_t>{0, 3, 86, 20, 27}));

    TZufallsgenerator h(123456789);
    for (std::uint32_t erwartet : {24u, 17u, 17u, 1u}) EXPECT_EQ(h.random(45), erwartet);
    EXPECT_EQ(h.Zustand(), 145889505u);

    // Reseeding mixes both halves of the counter with a value of the old state.
    TZufallsgenerator k(7);
    k.Neusaat(0x0000000500000003ull);
    EXPECT_EQ(k.Zustand(), 471715351u);
}

class Rollen : public testing::Test {
protected:
    void Setzen(Rolle a, std::initializer_list<int> zahlen) {
        for (int n : zahlen) ASSERT_EQ(r.Umschalten(a, n).art, Art::Gesetzt) << n;
    }
    TZufallsrollen r;
};

TEST_F(Rollen, SixthBankerIsRefusedAndChangesNothing) {
    Setzen(Rolle::Bank, {1, 2, 3, 4, 5});
    const TRollenwechsel u = r.BLotAuswerten(106);
    EXPECT_EQ(u.art, Art::Abgelehnt);
    EXPECT_EQ(u.meldung, "Mehr als fünf Bankzahlen lässt dem Zufall keinen Raum.");
    EXPECT_EQ(r.ZufBankAnzahl(), 5);
    EXPECT_FALSE(r.RolleVon(6).has_value());
    // Removing one makes room again.
    EXPECT_EQ(r.BLotAuswerten(103).art, Art::Entfernt);
    EXPECT_EQ(r.BLotAuswerten(106).art, Art::Gesetzt);
}

TEST_F(Rollen, QuotaKillersStopWhenOneFreeNumberIsLeft) {
    Setzen(Rolle::Bank, {1, 2, 3});
    for (int n = 4; n <= 44; ++n) ASSERT_EQ(r.BLotAuswerten(200 + n).art, Art::Gesetzt) << n;  // 3 + 41 = 44
    const TRollenwechsel u = r.BLotAuswerten(245);
    EXPECT_EQ(u.art, Art::Abgelehnt);
    EXPECT_EQ(u.meldung, "Noch einen Quotenkiller mehr und der Zufall hat gar keine Chance mehr.\r\rIch breche ab.");
    EXPECT_EQ(KillerAnzahl(), 41);
    EXPECT_FALSE(KillerMenge().enthaelt(45));
    // The program-wide set is what the roles hold.
    EXPECT_EQ(r.Menge(Rolle::Killer), KillerMenge());
    EXPECT_EQ(r.AlsText(Rolle::Bank), "1,2,3");
}

TEST_F(Rollen, ANumberTakesOneRoleAndClearingRemovesARoleOnly) {
    Setzen(Rolle::Bank, {7});
    Setzen(Rolle::Killer, {8, 9});
    Setzen(Rolle::Favorit, {10, 11, 12});
    for (Rolle a : {Rolle::Killer, Rolle::Favorit}) {
        const TRollenwechsel u = r.Umschalten(a, 7);
        EXPECT_EQ(u.art, Art::Unzulaessig);
        EXPECT_EQ(u.meldung, "Die Zahl 7 ist schon als Bankzahl gewählt.");
    }
    EXPECT_EQ(r.BLotAuswerten(146).art, Art::Unzulaessig);
    EXPECT_EQ(r.BLotAuswerten(100).art, Art::Unzulaessig);
    r.Leeren(Rolle::Killer);
    EXPECT_TRUE(KillerMenge().leer());
    EXPECT_EQ(r.ZufBankAnzahl(), 1);
    EXPECT_EQ(r.ZufFavAnzahl(), 3);
    EXPECT_EQ(r.RolleVon(10), Rolle::Favorit);

    // A new set of roles starts empty, the program-wide killers included.
    Setzen(Rolle::Killer, {20});
    TZufallsrollen neu;
    EXPECT_TRUE(KillerMenge().leer());
    EXPECT_EQ(neu.Anzahl(Rolle::Bank), 0);
}

TEST_F(Rollen, StoredListsPassTheLimitsAndSkipWhatDoesNotFit) {
    const struct {
        Rolle rolle;
        const char* liste;
        const char* ergebnis;
    } faelle[] = {
        {Rolle::Bank, "7,21,33", "7,21,33"},
        {Rolle::Bank, "1,2,3,4,5,6,7", "1,2,3,4,5"},
        {Rolle::Favorit, "x,0,46,9,,9, 8,8 ,12,-3,+4", "9,12"},
        {Rolle::Killer, "", ""},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.liste);
        TZufallsrollen neu;
        neu.Einlesen(f.rolle, f.liste);
        EXPECT_EQ(neu.AlsText(f.rolle), f.ergebnis);
    }
    // In the order banker, killer, favourite: a later list cannot take an earlier number.
    r.Einlesen(Rolle::Bank, "7,21");
    r.Einlesen(Rolle::Killer, "21,22");
    r.Einlesen(Rolle::Favorit, "7,22,23");
    EXPECT_EQ(r.AlsText(Rolle::Bank), "7,21");
    EXPECT_EQ(r.AlsText(Rolle::Killer), "22");
    EXPECT_EQ(r.AlsText(Rolle::Favorit), "23");
}

TRollenstand Stand(TZahlenMenge bank, TZahlenMenge killer = {}, TZahlenMenge favoriten = {}) {
    return {bank, killer, favoriten};
}

TZahlenMenge Bereich(int von, int bis) {
    TZahlenMenge m;
    for (int n = von; n <= bis; ++n) m.hinzu(n);
    return m;
}

TEST(Zufallsanforderung, RefusesWhatIsNoCountOrMoreThanTheRolesAllow) {
    const std::string keineChance41 =
        "Ihre \"Manipulationen\" lassen dem Zufall keine Chance, 41 Tippreihen zu bilden.\r\rich muss abbrechen.";
    const std::string mindestensEine = "Bitte geben Sie mindestens eine Tippreihe an.\r\rIch breche erst einmal ab.";
    const struct {
        const char* text;
        TRollenstand stand;
        int anzahl;
        std::string fehler;
    } faelle[] = {
        {"12", Stand({}), 12, ""},
        {" 12 ", Stand({}), 12, ""},
        {"+7", Stand({}), 7, ""},
        {"8145060", Stand({}), 8145060, ""},
        {"8145061", Stand({}), 0,
         "Ihre \"Manipulationen\" lassen dem Zufall keine Chance, 8145061 Tippreihen zu bilden.\r\rich muss abbrechen."},
        {"40", Stand({1, 2, 3, 4, 5}), 40, ""},
        {"41", Stand({1, 2, 3, 4, 5}), 0, keineChance41},
        {"1", Stand({}, Bereich(1, 44)), 0,
         "Ihre \"Manipulationen\" lassen dem Zufall keine Chance, 1 Tippreihen zu bilden.\r\rich muss abbrechen."},
        {"0", Stand({}), 0, mindestensEine},
        {"-3", Stand({}), 0, mindestensEine},
        {"abc", Stand({}), 0, "'abc' ist kein gültiger Integerwert"},
        {"", Stand({}), 0, "'' ist kein gültiger Integerwert"},
        {"1,5", Stand({}), 0, "'1,5' ist kein gültiger Integerwert"},
        {"12x", Stand({}), 0, "'12x' ist kein gültiger Integerwert"},
        {"+-3", Stand({}), 0, "'+-3' ist kein gültiger Integerwert"},
        {"99999999999", Stand({}), 0, "'99999999999' ist kein gültiger Integerwert"},
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.text);
        const TAnforderung a = AnzahlPruefen(f.text, f.stand);
        EXPECT_EQ(a.fehler, f.fehler);
        EXPECT_EQ(a.anzahl, f.anzahl);
    }
}

TEST(Zufallsreihen, PoolLeavesOutFixedAndExcludedNumbersAndDoublesFavourites) {
    const auto topf = Topf(Stand({2}, {3, 45}, {1, 44}));
    EXPECT_EQ(topf.size(), 45u - 1 - 2 + 2);
    EXPECT_EQ(std::vector<std::uint8_t>(topf.begin(), topf.begin() + 4), (std::vector<std::uint8_t>{1, 1, 4, 5}));
    EXPECT_EQ(topf.back(), 44);
    EXPECT_EQ(topf[topf.size() - 2], 44);
}

TEST(Zufallsreihen, RankNumbersEveryRowOnce) {
    std::vector<bool> gesehen(std::size_t(Binomial(45, 6)));
    bool allesNeu = true;
    FuerAlleKombinationen(45, 6, [&](const std::vector<int>& a) {
        TZufallsreihe r;
        for (std::size_t i = 0; i < 6; ++i) r[i] = std::uint8_t(a[i]);
        const std::uint32_t rang = TReihenmenge::Rang(r);
        if (rang >= gesehen.size() || gesehen[rang]) allesNeu = false;
        if (rang < gesehen.size()) gesehen[rang] = true;
        return allesNeu;
    });
    EXPECT_TRUE(allesNeu);
    EXPECT_EQ(TReihenmenge::Rang({1, 2, 3, 4, 5, 6}), 0u);
    EXPECT_EQ(TReihenmenge::Rang({40, 41, 42, 43, 44, 45}), 8145059u);

    TReihenmenge menge;
    EXPECT_TRUE(menge.ReiheNeu({3, 11, 17, 28, 40, 45}));
    menge.Aufnehmen({3, 11, 17, 28, 40, 45});
    EXPECT_FALSE(menge.ReiheNeu({3, 11, 17, 28, 40, 45}));
    EXPECT_TRUE(menge.ReiheNeu({3, 11, 17, 28, 40, 44}));
}

// Checks what every run must hold and returns the rows as sets.
std::set<std::uint64_t> PruefeLauf(const TZufallsergebnis& e, const TRollenstand& stand) {
    std::set<std::uint64_t> mengen;
    std::array<int, MaxZahl + 1> zaehler{};
    for (const TZufallsreihe& r : e.Zufreihen) {
        EXPECT_TRUE(std::is_sorted(r.begin(), r.end()) && std::adjacent_find(r.begin(), r.end()) == r.end());
        TZahlenMenge m;
        for (std::uint8_t z : r) {
            EXPECT_TRUE(z >= 1 && z <= 45);
            EXPECT_FALSE(stand.killer.enthaelt(z)) << int(z);
            m.hinzu(z);
            ++zaehler[z];
        }
        EXPECT_EQ((m & stand.bank), stand.bank);
        EXPECT_TRUE(mengen.insert(m.wort(0)).second) << "row repeated";
    }
    EXPECT_EQ(zaehler, e.NrCount);
    for (int b : stand.bank.zahlen()) EXPECT_EQ(e.NrCount[std::size_t(b)], int(e.Zufreihen.size()));
    return mengen;
}

TEST(Zufallsreihen, RowsHoldTheBankersAvoidTheKillersAndNeverRepeat) {
    const struct {
        TRollenstand stand;
        int anzahl;
        bool alle;  // every row the roles leave
    } faelle[] = {
        {Stand({}), 500, false},
        {Stand({7, 21}, {1, 2, 3}, {13, 14, 15, 16, 17, 18, 19, 20, 22, 23}), 5000, false},
        {Stand({1, 2, 3, 4, 5}), 40, true},           // every free number once
        {Stand({1, 2, 3}, Bereich(10, 45)), 20, true},  // the C(6, 3) rows of 4..9
        {Stand({}, Bereich(1, 39)), 1, true},         // the one row 40..45
    };
    for (const auto& f : faelle) {
        SCOPED_TRACE(f.anzahl);
        TZufallsgenerator g;
        const TZufallsergebnis e = ZufallszahlenErmitteln(f.stand, f.anzahl, g, 4711u);
        ASSERT_EQ(e.Zufreihen.size(), std::size_t(f.anzahl));
        EXPECT_FALSE(e.abgebrochen());
        EXPECT_EQ(PruefeLauf(e, f.stand).size(), std::size_t(f.anzahl));
        EXPECT_EQ(std::int64_t(f.anzahl) == MoeglicheReihen(f.stand), f.alle);
    }
}

TEST(Zufallsreihen, FixedStateRepeatsARunAndReseedingVariesIt) {
    const TRollenstand stand = Stand({7});
    TZufallsgenerator a, b;
    const auto erste = ZufallszahlenErmitteln(stand, 200, a, 99u).Zufreihen;
    EXPECT_EQ(ZufallszahlenErmitteln(stand, 200, b, 99u).Zufreihen, erste);
    EXPECT_NE(ZufallszahlenErmitteln(stand, 200, b, 100u).Zufreihen, erste);
    // Without a fixed state the run reseeds from the clock and the previous state.
    TZufallsgenerator c(99u);
    EXPECT_NE(ZufallszahlenErmitteln(stand, 200, c).Zufreihen, erste);
}

TEST(Zufallsreihen, FavouritesAreDrawnMoreOften) {
    const TZahlenMenge favoriten = Bereich(1, 10);
    TZufallsgenerator g;
    const TZufallsergebnis e = ZufallszahlenErmitteln(Stand({}, {}, favoriten), 20000, g, 1u);
    double fav = 0, andere = 0;
    for (int n = 1; n <= 45; ++n) (favoriten.enthaelt(n) ? fav : andere) += e.NrCount[std::size_t(n)];
    // Double weight per draw: well above the others, below twice (a number is drawn once per row).
    const double verhaeltnis = (fav / 10) / (andere / 35);
    EXPECT_GT(verhaeltnis, 1.6);
    EXPECT_LT(verhaeltnis, 2.0);
}

TEST(Zufallsreihen, StopEndsTheRunWithTheRowsAcceptedSoFar) {
    std::atomic<bool> stopp{false};
    std::vector<int> berichte;
    TZufallsgenerator g;
    const TZufallsergebnis e = ZufallszahlenErmitteln(Stand({}), 100000, g, 5u, &stopp, [&](int angenommen) {
        berichte.push_back(angenommen);
        if (angenommen >= 8192) stopp = true;
    });
    EXPECT_TRUE(e.abgebrochen());
    EXPECT_EQ(e.ZufReihenAnz, 100000);
    EXPECT_EQ(e.Zufreihen.size(), 8192u);
    EXPECT_EQ(berichte, (std::vector<int>{4096, 8192, 8192}));
    PruefeLauf(e, Stand({}));

    stopp = true;
    EXPECT_TRUE(ZufallszahlenErmitteln(Stand({}), 10, g, std::nullopt, &stopp).Zufreihen.empty());
}

TEST(Zufallsreihen, DistributionOrderIsAscendingByCountWithTiesByNumber) {
    std::array<int, MaxZahl + 1> zaehler{};
    for (int n = 1; n <= 45; ++n) zaehler[std::size_t(n)] = 10;
    zaehler[30] = 1;
    zaehler[5] = 1;
    zaehler[2] = 50;
    const auto folge = Verteilungsfolge(zaehler, true);
    EXPECT_EQ(folge[0], 5);
    EXPECT_EQ(folge[1], 30);
    EXPECT_EQ(folge[2], 1);
    EXPECT_EQ(folge[3], 3);
    EXPECT_EQ(folge[44], 2);
    const auto natuerlich = Verteilungsfolge(zaehler, false);
    for (int k = 0; k < 45; ++k) EXPECT_EQ(natuerlich[std::size_t(k)], k + 1);
}

TEST(Zufallsreihen, SavedFileIsTheTicketWritersTextAcrossBlocks) {
    TempOrdner ordner;
    TZufallsgenerator g;
    const auto reihen = ZufallszahlenErmitteln(Stand({}), 70000, g, 3u).Zufreihen;  // more than one block
    const auto datei = ordner.pfad() / "z.nqtr", vergleich = ordner.pfad() / "v.nqtr";
    ZufallsreihenSpeichern(reihen, datei);
    ReihenSpeichern(AlsTippTabelle(reihen), vergleich);
    const Bytes inhalt = LiesDatei(datei);
    EXPECT_EQ(inhalt, LiesDatei(vergleich));
    const std::string text(inhalt.begin(), inhalt.end());
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 70000);
    EXPECT_TRUE(text.starts_with(ReiheAlsText(reihen[0]) + "\r\n"));
    EXPECT_TRUE(text.ends_with(ReiheAlsText(reihen.back()) + "\r\n"));

    const TippTabelle t = AlsTippTabelle({{3, 11, 17, 28, 40, 45}});
    ASSERT_EQ(t.size(), 2u);
    EXPECT_EQ(t[0][0], "Reihe");
    EXPECT_EQ(t[1], (std::vector<std::string>{"1", "3", "11", "17", "28", "40", "45"}));
}

}  // namespace
}  // namespace quintaro
