#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "bahnenfaelle.h"
#include "gruppendesign.h"
#include "suche.h"

using namespace systemgen;

namespace {

Reihen Zufallsreihen(int v, int k, int zeilen, std::uint64_t saat) {
    std::mt19937_64 zufall(saat);
    std::vector<int> werte(static_cast<std::size_t>(v));
    for (int i = 0; i < v; ++i) werte[std::size_t(i)] = i + 1;
    Reihen reihen;
    for (int z = 0; z < zeilen; ++z) {
        std::shuffle(werte.begin(), werte.end(), zufall);
        Reihe r(werte.begin(), werte.begin() + k);
        std::sort(r.begin(), r.end());
        reihen.push_back(r);
    }
    return reihen;
}

struct Suchfall {
    const char* name;
    int v, k, t, zeilen;
    std::vector<std::vector<int>> gruppe;  // empty: rows without orbit
};

}  // namespace

// Designs that exist, searched from random rows: the tabu search with and without weights must find
// them, and its own count of uncovered subsets must agree with a count of the rows it hands back
// (weights only steer the search, they must never leak into that count).
TEST(Ueberdeckungssuche, TabusucheMitUndOhneGewichteFindetDesigns) {
    const Suchfall faelle[] = {
        {"STS(13)", 13, 3, 2, 26, {}},
        {"S(2,4,13)", 13, 4, 2, 13, {}},
        {"SQS(10)", 10, 4, 3, 30, {}},
        {"S(2,5,21) aus einer Bahn unter Z21", 21, 5, 2, 1, Elemente(Zyklisch(21))},
        {"STS(15) aus fuenf Bahnen unter Z7 mit Fixpunkt", 15, 3, 2, 5, Elemente(Zyklisch(7, 2, 1))},
    };
    for (const auto& f : faelle)
        for (const bool gewichte : {false, true})
            for (const std::uint64_t saat : {1u, 2u, 3u}) {
                const std::string wie = std::string(f.name) + (gewichte ? " mit Gewichten" : " ohne") +
                                        ", Saat " + std::to_string(saat);
                Ueberdeckungssuche suche(f.v, f.k, f.t, Zufallsreihen(f.v, f.k, f.zeilen, saat), saat, f.gruppe);
                suche.Tabusuche(2'000'000, gewichte);
                const auto ergebnis = suche.Ergebnis();
                EXPECT_EQ(suche.Unbedeckt(), 0) << wie;
                EXPECT_EQ(Offen(ergebnis, f.v, f.t), suche.Unbedeckt()) << wie;
                EXPECT_EQ(ergebnis.size(), std::size_t(f.zeilen) * std::max<std::size_t>(1, f.gruppe.size())) << wie;
            }
}

// Too few rows: the search cannot finish, and the state it ends in must be the best it saw, counted
// honestly, with weights that have been raised and halved many times over.
TEST(Ueberdeckungssuche, GewichteVerfaelschenDenStandNicht) {
    Ueberdeckungssuche suche(19, 4, 3, Zufallsreihen(19, 4, 240, 7), 7);
    suche.Tabusuche(300'000, true);
    const auto offen = Offen(suche.Ergebnis(), 19, 3);
    EXPECT_GT(offen, 0);
    EXPECT_EQ(suche.Unbedeckt(), offen);
    // A second run starts from that state with fresh weights and never ends worse.
    suche.Tabusuche(100'000, true);
    EXPECT_LE(suche.Unbedeckt(), offen);
    EXPECT_EQ(Offen(suche.Ergebnis(), 19, 3), suche.Unbedeckt());
}
