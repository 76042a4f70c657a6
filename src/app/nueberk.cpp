#include "app/nueberk.h"

#include <algorithm>
#include <cctype>
#include <limits>

#include "core/formatierung.h"
#include "core/kombinatorik.h"
#include "core/spielregeln.h"

namespace quintaro {

namespace {
int Wert(std::string_view text) {
    if (text.empty() || text.size() > 9 ||
        !std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); }))
        return 0;
    return std::stoi(std::string(text));
}
}  // namespace

NueberKErgebnis NueberKBerechnen(std::string_view nText, std::string_view kText) {
    const int n = Wert(nText), k = Wert(kText);
    const std::string abbruch = std::string(Absatz) + "Ich breche erst einmal ab.";
    if (n <= 0 || k <= 0) return {"Sie müssen für \"n\" und \"k\" eine Zahl größer Null eingeben." + abbruch, std::nullopt};
    if (n < k) return {"Die Zahl für \"n\" muss größer als die für \"k\" sein." + abbruch, std::nullopt};
    const auto wert = BinomialPruefen(n, k);
    // No number stays beside inputs it does not belong to.
    if (!wert)
        return {std::to_string(n) + " über " + std::to_string(k) + " ist größer als " +
                    ZahlMitTausendern(std::numeric_limits<std::int64_t>::max()) +
                    " und lässt sich hier nicht berechnen." + abbruch,
                std::string()};
    return {std::string(), ZahlMitTausendern(*wert)};
}

}  // namespace quintaro
