#pragma once
// The quota editor's grid as texts: one row per draw with its date and the
// eight class quotas, the default rows that give every draw day a row, the
// replacement of a row by typed quotas, and the checked way back to records.
#include <array>
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "core/datensaetze.h"

namespace quintaro {

struct QuotenZeile {
    std::string datum;                // short date
    std::array<std::string, 9> quote;  // quota texts [1..8]; [0] unused
    friend bool operator==(const QuotenZeile&, const QuotenZeile&) = default;
};

// The first draw with real quotas: where a grid without records begins.
constexpr TDatum ErsteRealquotenZiehung = RealquotenAb + 1;  // Wednesday 2019-01-02

// The class title without the blanks that align it in the grid header ("6 Richtige").
std::string KlassenTitelKurz(int klasse);

std::vector<QuotenZeile> ZeilenAus(std::span<const TQuoten> quoten);

// Appends a row of mean quotas for every Sunday and Wednesday after the last
// record's date up to and including `heute`; without records the rows begin
// with the first draw of real quotas. Returns the number of rows appended.
int QuotenErgaenzen(std::vector<QuotenZeile>& zeilen, std::span<const TQuoten> quoten, TDatum heute);

// Puts every non-empty typed quota into row `zeile` (texts[1..8] as typed).
// Returns whether a cell was set.
bool QuotenErsetzen(QuotenZeile& zeile, const std::array<std::string, 9>& eingaben);

// Reads every row back into records. The first cell that is no date or no
// amount throws KonvertierungsFehler with a German text naming the row
// (counted from 1) and the cell.
std::vector<TQuoten> QuotenAusZeilen(std::span<const QuotenZeile> zeilen);

// Checks all rows first, then replaces the file in one piece: a grid with a
// bad cell leaves the file as it was. Returns the records written.
std::vector<TQuoten> QuotenZeilenSpeichern(const std::filesystem::path& datei, std::span<const QuotenZeile> zeilen);

}  // namespace quintaro
