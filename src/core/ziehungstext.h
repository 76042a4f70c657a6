#pragma once
// Draws as text, one per line: a date (YYYY-MM-DD or DD.MM.YYYY), the six
// winning numbers and the Zusatzzahl, separated by commas, semicolons or tabs.
#include <string>
#include <string_view>
#include <vector>

#include "core/datensaetze.h"

namespace quintaro {

// Reads the lines (any line ends, a leading byte-order mark ignored), skipping
// blank lines and a first line none of whose fields is a number or a date
// (a header), and returns the
// draws sorted by date. A line that is no draw by the game rules, a date that
// occurs twice, or a text without any draw throws KonvertierungsFehler naming
// the line.
std::vector<TGewZahlen> ZiehungenAusText(std::string_view text);
// One line per draw: YYYY-MM-DD and the seven numbers, joined by commas.
std::string ZiehungenAlsText(const std::vector<TGewZahlen>& ziehungen);

}  // namespace quintaro
