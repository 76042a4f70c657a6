#pragma once
// Draws imported from a file, set against the stored history: which are new,
// which correct a stored draw, and the two ways of taking them over (extend
// the history, or replace it by the file's draws).
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "core/datensaetze.h"

namespace quintaro {

struct Ziehungsabgleich {
    std::size_t importiert = 0;
    std::size_t neu = 0;          // dates the history lacks
    std::size_t geaendert = 0;    // dates the history holds with other numbers
    std::size_t entfallen = 0;    // stored dates the file lacks (lost when replacing)
    std::vector<TGewZahlen> ergaenzt;  // history with the new and changed draws, by date
    std::vector<TGewZahlen> ersetzt;   // the file's draws
    bool nichtsZuTun() const { return neu == 0 && geaendert == 0 && entfallen == 0; }
};

// `importiert` sorted by date with distinct dates (as the text reader gives
// them). A draw whose numbers equal the stored ones, in any order, keeps the
// stored record, so unchanged draws stay byte for byte as they were.
Ziehungsabgleich ZiehungenAbgleichen(const std::vector<TGewZahlen>& bestand, const std::vector<TGewZahlen>& importiert);

// Reads draw lines as `quintaro-cli draws import` takes them and sets them
// against the history. Throws KonvertierungsFehler naming the line.
Ziehungsabgleich ZiehungstextAbgleichen(const std::vector<TGewZahlen>& bestand, std::string_view text);

// Rows of spreadsheet cells as such draw lines. A first cell holding a whole
// day number (the way workbooks store dates) becomes its date.
std::string ZiehungstextAusZellen(const std::vector<std::vector<std::string>>& zeilen);

// The question before the import: the counts, Yes extends, No replaces.
std::string ImportFrage(const Ziehungsabgleich& abgleich);

}  // namespace quintaro
