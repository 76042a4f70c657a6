#include <gtest/gtest.h>

#include <vector>

#include "systems/tabellenpruefung.h"

using namespace quintaro;

TEST(Tabellenmangel, NamesWhatIsWrongWithATable) {
    const TSysteme s{3, 4, 2, 3};
    const struct {
        std::vector<std::uint8_t> tabelle;
        std::string mangel;
    } faelle[] = {
        {{1, 2, 3, 1, 2, 4, 1, 3, 4}, ""},
        {{1, 2, 3, 1, 2, 4}, "falsche Zahl von Reihen"},
        {{1, 2, 3, 1, 2, 4, 1, 3, 4, 2}, "falsche Zahl von Reihen"},
        {{1, 2, 3, 1, 2, 5, 1, 3, 4}, "Wert außerhalb von 1 bis 4"},
        {{1, 2, 3, 0, 2, 4, 1, 3, 4}, "Wert außerhalb von 1 bis 4"},
        {{1, 2, 3, 1, 4, 2, 1, 3, 4}, "Reihe 2 nicht aufsteigend"},
        {{1, 2, 3, 1, 2, 4, 1, 3, 3}, "Reihe 3 nicht aufsteigend"},
        {{1, 2, 3, 1, 2, 3, 1, 2, 3}, "Wert 4 kommt nicht vor"},
    };
    for (const auto& f : faelle) EXPECT_EQ(Tabellenmangel(f.tabelle, s), f.mangel);
}
