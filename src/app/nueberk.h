#pragma once
// The n-over-k calculator: the two input texts to the result shown, or the
// message that refuses them.
#include <optional>
#include <string>
#include <string_view>

namespace quintaro {

struct NueberKErgebnis {
    std::string meldung;               // non-empty: tell the user this
    std::optional<std::string> anzeige;  // the result label's new text; nullopt leaves it
};

// Empty or non-numeric texts count as 0.
NueberKErgebnis NueberKBerechnen(std::string_view n, std::string_view k);

}  // namespace quintaro
