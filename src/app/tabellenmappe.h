#pragma once
// The cell layout shared by the spreadsheet export and import: a tip grid's
// rows become the rows of one worksheet (row r = tip row r, columns A.. = the
// numbers, no header), and a worksheet's block from A1 to its last used cell
// becomes the rows of a tip grid. Also the naming of cells ("B3", "AA12").
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "core/scheindateien.h"

namespace quintaro {

// One worksheet as a block of cell texts from A1 on: zellen[r][c] is the cell
// of spreadsheet row r + 1 and column c + 1; an empty text is an empty cell.
struct Tabellenblatt {
    std::string name;
    std::vector<std::vector<std::string>> zellen;
};

// The columns a worksheet may have (A..XFD) and its rows.
constexpr int MaxBlattSpalten = 16384;
constexpr int MaxBlattZeilen = 1048576;

// Column letters of column `spalte` (1-based): 1 "A", 26 "Z", 27 "AA",
// 702 "ZZ", 703 "AAA". Empty outside 1..MaxBlattSpalten.
std::string SpaltenName(int spalte);
// "B3" for column 2, row 3.
std::string ZellName(int spalte, int zeile);

struct Zelladresse {
    int spalte = 0;  // 1-based
    int zeile = 0;   // 1-based
};
// Reads a cell name as ZellName writes it (letters in either case); nothing
// when it is not one or lies outside the worksheet.
std::optional<Zelladresse> ZellnameLesen(std::string_view name);

// The sheet of an export: the tip rows of the grid (rows 1.. below the header)
// with the cells of columns 1..letzteSpalte; the header row and the row-label
// column are not exported. Every grid row gives a sheet row, empty ones too.
Tabellenblatt BlattAusTabelle(const TippTabelle& tabelle, std::string blattName, int letzteSpalte = 6);

// The import: the grid gets one row per sheet row, labelled 1, 2, ..., with the
// sheet's cells in columns 1.. (as many as the sheet's widest row). The header
// row is kept (an empty grid gets an empty one).
void TabelleAusBlatt(const Tabellenblatt& blatt, TippTabelle& tabelle);

// A cell text that is written as a number: a whole decimal number of at most 15
// digits with an optional minus sign ("3", "-12"). Other texts stay texts.
std::optional<double> AlsZellzahl(std::string_view text);
// A number read from a worksheet as the grid shows it: whole numbers without
// decimals ("17"), others with the regional decimal separator ("2,5").
std::string ZellzahlText(double wert);

// Column widths in characters that fit every text of each column (at least the
// width of one digit); one entry per column of the widest row.
std::vector<double> Spaltenbreiten(const Tabellenblatt& blatt);

// Why a worksheet cannot carry the name (German), empty when it can: 1 to 31
// characters, none of []:*?/\ and no apostrophe at either end.
std::string BlattnameMangel(std::string_view name);

}  // namespace quintaro
