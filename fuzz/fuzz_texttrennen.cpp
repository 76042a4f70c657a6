// TextTrennen with any separator, text and limit: the first byte gives the
// limit (-1..254), the second the separator's length, then separator and text.
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "core/scheindateien.h"

using namespace quintaro;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* daten, std::size_t groesse) {
    if (groesse < 2) return 0;
    const int grenze = int(daten[0]) - 1;
    const std::size_t trennerLaenge = std::min<std::size_t>(daten[1] % 4, groesse - 2);
    const std::string_view rest(reinterpret_cast<const char*>(daten + 2), groesse - 2);
    const std::string_view trenner = rest.substr(0, trennerLaenge);
    const std::string_view text = rest.substr(trennerLaenge);

    const auto teile = TextTrennen(trenner, text, grenze);
    if (grenze > 0 && teile.size() > std::size_t(grenze)) __builtin_trap();
    std::size_t zeichen = 0;
    for (const auto& t : teile) zeichen += t.size();
    if (zeichen > text.size()) __builtin_trap();
    return 0;
}
