#include <gtest/gtest.h>

#include "core/datei.h"
#include "core/scheindateien.h"
#include "evaluation/beispielscheine.h"
#include "evaluation/gewinnauswertung.h"
#include "temp_ordner.h"

using namespace quintaro;

TEST(Beispielscheine, AreCreatedReadableAndNeverOverwritten) {
    TempOrdner ordner;
    const auto system = ordner.pfad() / "Demo-Systemschein.sqtr";
    const auto normal = ordner.pfad() / "Demo-Normalschein.nqtr";
    BeispielscheineAnlegen(ordner.pfad());
    EXPECT_EQ(ScheinArtVon(system), ScheinArt::System);
    EXPECT_EQ(ScheinArtVon(normal), ScheinArt::Normal);
    TippTabelle reihen;
    std::vector<TZahlenMenge> bankMengen;
    SystemscheinAufloesen(SystemscheinLesen(system), reihen, bankMengen);
    EXPECT_EQ(reihen.size(), 57u);  // "108": 56 rows
    const int n = ReihenLesen(reihen, normal);
    EXPECT_GT(n, 0);
    for (const auto& menge : ReihenMengen(reihen)) EXPECT_EQ(menge.anzahl(), 6);

    SchreibeDateiAtomar(normal, std::string_view("1,2,3,4,5,6\r\n"));
    std::filesystem::remove(system);
    BeispielscheineAnlegen(ordner.pfad());
    EXPECT_EQ(DateiGroesse(normal), 13);
    EXPECT_EQ(DateiGroesse(system), 46);
}
