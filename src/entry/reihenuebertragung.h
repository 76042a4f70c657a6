#pragma once
// "Reihen in Tabelle übertragen": the free text of the entry window is
// normalised step by step (field labels of pasted e-mails, blanks, semicolons,
// no-break spaces, trailing commas), checked line by line for six distinct
// numbers 1..45, and the rows are placed, each sorted, into the tip grid.
//
// Texts are UTF-8. Line breaks may be "\r\n", "\r" or "\n"; the normalised text
// ends every line with "\n", as the text field holds it.
#include <array>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "core/scheindateien.h"

namespace quintaro {

enum class Leerzeichenantwort { Ja, Nein, Abbrechen };

// Asked when blanks remain after the separators were normalised. `zwischentext`
// is the text as it stands at that moment, so that the user sees it while
// deciding; `frage` is the question's text.
using Leerzeichenfrage = std::function<Leerzeichenantwort(const std::string& frage, const std::string& zwischentext)>;

extern const std::string LeerzeichenFrageText;

using Tippreihe = std::array<int, 6>;  // the numbers of one line in their order

struct Uebertragung {
    std::string text;             // what the text field keeps: normalised up to the step that stopped
    std::string fehler;           // the error box's text; empty when all rows passed or the question was cancelled
    bool abgebrochen = false;     // the blank question was answered with Cancel
    std::vector<Tippreihe> reihen;  // the checked rows, in line order
    bool gelungen() const { return fehler.empty() && !abgebrochen; }
};

// Normalises and checks the text; the rows are only filled when every line passed.
Uebertragung ReihenPruefen(std::string_view text, const Leerzeichenfrage& frage);

// The last filled data row: the row before the first whose column-1 cell is
// empty, 0 when already row 1 is empty, the last row when all are filled.
std::size_t LetzteGefuellteZeile(const TippTabelle& tabelle);

// Places the rows sorted into the grid from row 1 (ueberschreiben) or after the
// last filled row, labelled with their row numbers; the grid then ends after them.
void ReihenEintragen(TippTabelle& tabelle, const std::vector<Tippreihe>& reihen, bool ueberschreiben);

// The whole button: check the text, and only when it passed, fill the grid.
Uebertragung TextInTabelle(std::string_view text, TippTabelle& tabelle, bool ueberschreiben,
                           const Leerzeichenfrage& frage);

}  // namespace quintaro
