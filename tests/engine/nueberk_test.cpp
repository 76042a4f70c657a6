#include <gtest/gtest.h>

#include "app/nueberk.h"
#include "core/formatierung.h"

using namespace quintaro;

TEST(NueberK, ResultsAndRefusals) {
    SetzeRegion(Regionaleinstellungen{});
    const std::string null = "Sie müssen für \"n\" und \"k\" eine Zahl größer Null eingeben.\r\rIch breche erst einmal ab.";
    const std::string kleiner = "Die Zahl für \"n\" muss größer als die für \"k\" sein.\r\rIch breche erst einmal ab.";
    const struct {
        const char *n, *k;
        std::string meldung;
        std::optional<std::string> anzeige;
    } faelle[] = {
        {"45", "6", "", "8.145.060"},
        {"6", "6", "", "1"},
        {"66", "33", "", "7.219.428.434.016.265.740"},
        {"5", "6", kleiner, std::nullopt},
        {"0", "6", null, std::nullopt},
        {"", "6", null, std::nullopt},
        {"45", "", null, std::nullopt},
        {"4x", "2", null, std::nullopt},
        {"99", "49", "99 über 49 ist größer als 9.223.372.036.854.775.807 und lässt sich hier nicht berechnen.\r\r"
                     "Ich breche erst einmal ab.", ""},
    };
    for (const auto& f : faelle) {
        const auto e = NueberKBerechnen(f.n, f.k);
        EXPECT_EQ(e.meldung, f.meldung) << f.n << " " << f.k;
        EXPECT_EQ(e.anzeige, f.anzeige) << f.n << " " << f.k;
    }
}
