#pragma once
// Picking the eight class quotas out of a quota table copied from a web page.
// Free text (the table pasted as lines without tabs) is read from the bottom
// up: the lowest money line is the quota of "0 + ZZ", the next one up that of
// "3 Ri.", and so on. Tab-separated text holds one class per line, the quota
// in a chosen column.
#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace quintaro {

// A money text as the quota edits want it ("1.748.907,28 €" → "1748907,28",
// "Euro 4.56" → "4,56"), or empty when the text is no amount.
std::string GeldTextBereinigen(std::string_view text);

enum class Uebertragungsart {
    Automatisch,  // free text for more than 12 lines without a tab, tab mode otherwise
    Freitext,
    Tabulator,
};

struct Quotenuebertragung {
    // The pasted text without empty lines and with runs of blanks made single.
    std::string text;
    bool freitext = false;
    // The new texts of the eight edits [1..8]; nullopt leaves an edit as it is.
    std::array<std::optional<std::string>, 9> felder;
    // Set when the transfer stopped (German); edits filled before keep their text.
    std::string fehler;
};

// `spalte` (1..10) is the column of the quota in tab-separated lines.
Quotenuebertragung QuotenUebertragen(std::string_view text, int spalte,
                                     Uebertragungsart art = Uebertragungsart::Automatisch);

}  // namespace quintaro
