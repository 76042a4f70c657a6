#pragma once
// Grid columns as wide as their longest text, so that no cell is cut.
//
// SpaltenEinpassen(gitter) fits every column of the grid to the widest of its
// header text and its cell texts (each in the font the cell is drawn with) and
// refits whenever the model's data change. The grid asks its layout for at
// least the room of all columns (up to `hoechstBreite`); where it gets less,
// it scrolls sideways instead of cutting cells. Call it after setModel().
// Grids of more than 2,000 rows are measured on their first and last 1,000.
class QTableView;

namespace quintaro {

void SpaltenEinpassen(QTableView* gitter, int hoechstBreite = 1000);

}  // namespace quintaro
