#pragma once
// Ticket files: the tip grid of rows ("Reihe", "Z1".."Z6") written to and read
// from comma text (normal tickets ".nqtr" and the CSV files of the tip-row
// windows), and the 46-byte system ticket record (".sqtr").
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "core/datensaetze.h"
#include "core/zahlenmenge.h"

namespace quintaro {

// A tip grid: row 0 the header, below it one row per tip row with the label in
// column 0 and the numbers from column 1 on. The header's width is the grid's
// column count; a row may hold more cells than that (stored, not shown).
using TippTabelle = std::vector<std::vector<std::string>>;

constexpr int TippSpalten = 7;  // "Reihe", "Z1".."Z6"

// Sets the header row ("Reihe", "Z1".."Z6") and keeps the rows below it.
void ReihenKopf(TippTabelle& tabelle);
// The cell text, empty when the row or column does not exist.
const std::string& Zelle(const TippTabelle& tabelle, std::size_t zeile, std::size_t spalte);

// Cuts `text` at each separator. Empty text or a negative limit: no parts;
// empty separator: the whole text. A limit above 0 caps the number of parts,
// the last one holding the rest. A separator at the very end gives no
// trailing empty part.
std::vector<std::string> TextTrennen(std::string_view trenner, std::string_view text, int grenze);

// One row's cells as comma text (cells with blanks, commas, quotes or control
// characters are quoted; a single empty cell is written as "").
std::string KommaText(const std::vector<std::string>& zellen);

// The comma text of every row below the header, one CRLF-ended line each. The
// columns are those from column 1 on whose cell in row 1 is not empty.
std::string ReihenAlsText(const TippTabelle& tabelle);
void ReihenSpeichern(const TippTabelle& tabelle, const std::filesystem::path& datei);

// No tip row comes near this many cells; a longer line is refused rather than
// held in memory cell by cell.
constexpr std::size_t HoechsteZellenProReihe = 1000;

// Replaces the rows of the grid by the lines of the text (any line ends, a
// leading byte-order mark ignored; empty lines and lines of just "" are
// skipped); returns the number of rows. A line of more than
// HoechsteZellenProReihe cells throws KonvertierungsFehler naming it.
int ReihenAusText(TippTabelle& tabelle, std::string_view text);
// The same from a file; a file that cannot be read or holds such a line throws DateiFehler.
int ReihenLesen(TippTabelle& tabelle, const std::filesystem::path& datei);

enum class ScheinArt { System, Normal, Unbekannt };
// ".sqtr" (any case) or exactly 46 bytes: system ticket; else ".nqtr": normal.
ScheinArt ScheinArtVon(const std::filesystem::path& datei);

// The last whole record of a system ticket file. Refuses (DateiFehler naming the
// file) a file without a whole record, a system number outside 1..48, and
// numbers that are not distinct lottery numbers.
TSystemscheinSatz SystemscheinLesen(const std::filesystem::path& datei);
void SystemscheinSpeichern(const TSystemscheinSatz& satz, const std::filesystem::path& datei);
// The record of system `system` with the banker numbers and Wahlzahlen ascending.
TSystemscheinSatz SystemscheinBauen(int system, const TZahlenMenge& bankzahlen, const TZahlenMenge& wahlzahlen);
// The banker numbers and Wahlzahlen the record's system uses.
TZahlenMenge Bankzahlen(const TSystemscheinSatz& satz);
TZahlenMenge Wahlzahlen(const TSystemscheinSatz& satz);

}  // namespace quintaro
