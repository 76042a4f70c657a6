#include "evaluation/beispielscheine.h"

#include "core/datei.h"
#include "core/datenpfad.h"
#include "core/scheindateien.h"

namespace quintaro {

namespace {
// System "108": one banker number and eight Wahlzahlen, 56 rows.
constexpr int kDemoSystem = 8;
const TZahlenMenge kDemoBank{7};
const TZahlenMenge kDemoWahl{3, 11, 17, 24, 28, 33, 40, 45};

const TippTabelle& DemoReihen() {
    static const TippTabelle reihen = {
        {"Reihe", "Z1", "Z2", "Z3", "Z4", "Z5", "Z6"}, {"1", "3", "11", "17", "28", "40", "45"},
        {"2", "5", "9", "14", "22", "31", "38"},       {"3", "1", "8", "19", "26", "34", "43"},
        {"4", "2", "12", "20", "29", "36", "41"},      {"5", "6", "15", "21", "27", "33", "44"},
    };
    return reihen;
}
}  // namespace

void BeispielscheineAnlegen(const std::filesystem::path& ordner) {
    const auto system = ordner / DemoSystemscheinName;
    if (DateiGroesse(system) < 0) SystemscheinSpeichern(SystemscheinBauen(kDemoSystem, kDemoBank, kDemoWahl), system);
    const auto normal = ordner / DemoNormalscheinName;
    if (DateiGroesse(normal) < 0) ReihenSpeichern(DemoReihen(), normal);
}

}  // namespace quintaro
