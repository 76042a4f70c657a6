#pragma once
// The result grid of the system test as the window shows it: 8 columns, 11
// rows; row 2k - 3 holds the counts of k hits, row 2k - 2 their percentages.
#include "systems/systemtest.h"
#include "systems/zeilensortierung.h"

namespace quintaro {

constexpr int SystemtestSpalten = 8;
constexpr int SystemtestZeilen = 11;

// Header row and column with empty data cells.
Tabelle SystemtestgitterLeer();
// The grid with the counts of a finished test; a stopped test leaves the data
// cells empty, as its counts are incomplete.
Tabelle Systemtestgitter(const Systemtestergebnis& ergebnis);

enum class Systemtestfarbe { Weiss, Hellorange, Gruen };
// Background of data cell (zeile > 0, spalte > 0): green where all k-sets
// reached the result, otherwise percentage rows light orange and count rows white.
Systemtestfarbe SystemtestZellfarbe(const Tabelle& gitter, int zeile, int spalte);

}  // namespace quintaro
