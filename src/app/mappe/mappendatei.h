#pragma once
// Workbook files (.xlsx): one worksheet written with libxlsxwriter, and the
// first worksheet of any workbook read with minizip and Qt's XML reader. Both
// the windows and the command line use them; errors are DateiFehler with a
// German text naming the file.
#include <cstdint>
#include <filesystem>

#include "app/tabellenmappe.h"

namespace quintaro {

// Writes a workbook of the one sheet: non-empty cells, those of AlsZellzahl as
// numbers, the columns fitted. The file is replaced atomically.
void MappeSchreiben(const Tabellenblatt& blatt, const std::filesystem::path& datei);

// The most a part of a workbook may hold once unpacked; a larger part (a zip
// bomb, or simply no tip table) is refused before it fills the memory.
constexpr std::int64_t MappenTeilGrenze = 64 << 20;
// The most cells the block from A1 to the last used cell may have (a tip
// table of 6 columns up to 166,666 rows).
constexpr std::int64_t MappenZellenGrenze = 1'000'000;

// The first worksheet of the workbook as the block from A1 to its last cell
// holding a value (a sheet without values gives no rows). Shared and inline
// strings, numbers, booleans and the cached values of formulas are read.
Tabellenblatt MappeLesen(const std::filesystem::path& datei, std::int64_t teilGrenze = MappenTeilGrenze);

}  // namespace quintaro
