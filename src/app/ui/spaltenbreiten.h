#pragma once
// Grid columns as wide as their longest text, so that no cell is cut.
//
// SpaltenEinpassen(gitter) fits every column of the grid to the widest of its
// header text and its cell texts (each in the font the cell is drawn with) and
// refits whenever the model's data change. The grid asks its layout for at
// least the room of all columns (up to `hoechstBreite`); where it gets less,
// it scrolls sideways instead of cutting cells. Call it after setModel().
// Grids of many rows are measured on their first and last rows.
class QFont;
class QString;
class QTableView;

namespace quintaro {

void SpaltenEinpassen(QTableView* gitter, int hoechstBreite = 1000);

// The width a cell needs for `text` in `gitter` with the given font.
int ZellenBreite(const QTableView* gitter, const QFont& schrift, const QString& text);

}  // namespace quintaro
