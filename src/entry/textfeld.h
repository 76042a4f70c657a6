#pragma once
// The free text field of the entry window as lines: counting them, the number
// buttons that write lines of six, and rows brought in from the file table.
// Line breaks read are "\r\n", "\r" or "\n"; line breaks written are "\n".
#include <string>
#include <string_view>
#include <vector>

#include "core/scheindateien.h"

namespace quintaro {

// The lines of a text; a break at the very end starts no further line.
std::vector<std::string> TextZeilen(std::string_view text);
// Every line followed by a break.
std::string ZeilenText(const std::vector<std::string>& zeilen);
// The number of lines as TextZeilen counts them ("" has none, "a\n" one).
int ZeilenAnzahl(std::string_view text);

// A click on number button `zahl`: the number and "," are appended to the last
// line, or the number and a break when it is that line's sixth field. A typed
// last line that does not end with "," is first closed off (with "," or, when
// it holds six fields, with a break), so that a click never lengthens a number.
std::string ZahlAnhaengen(std::string_view text, int zahl);

struct Textuebernahme {
    std::string text;    // the text field afterwards
    std::string fehler;  // the error box's text; the text is then unchanged
};

// "Ins Textfeld übertragen": every data row of the file table, its cells from
// column 1 to `letzteSpalte` as comma text, appended as one line each.
Textuebernahme TabelleInsTextfeld(std::string_view text, const TippTabelle& tabelle, int letzteSpalte);
// The last column a spreadsheet import filled: the widest row's cells right of the label.
int LetzteBelegteSpalte(const TippTabelle& tabelle);

}  // namespace quintaro
