#pragma once
// Draws as text, one per line: a date (YYYY-MM-DD or DD.MM.YYYY), the six
// winning numbers and the Zusatzzahl, separated by commas, semicolons or tabs.
#include <string>
#include <string_view>
#include <vector>

#include "core/datensaetze.h"

namespace quintaro {

// Reads the lines, skipping blank lines and a header line, and returns the
// draws sorted by date. A line that breaks the game rules, or a date that
// occurs twice, throws KonvertierungsFehler naming the line.
std::vector<TGewZahlen> ZiehungenAusText(std::string_view text);
// One line per draw: YYYY-MM-DD and the seven numbers, joined by commas.
std::string ZiehungenAlsText(const std::vector<TGewZahlen>& ziehungen);

}  // namespace quintaro
