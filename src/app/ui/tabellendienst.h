#pragma once
// Tip grids to and from the user's spreadsheet program. The export writes a
// workbook of one worksheet and hands it to the desktop's default program for
// workbooks; where none takes it, the user may save the workbook instead. The
// import reads the first worksheet of a workbook file.
#include <QString>
#include <functional>

#include "core/scheindateien.h"

class QWidget;

namespace quintaro {

// Exports the tip rows of the grid (rows 1.., numbers in columns 1..6) into a
// worksheet named `blattName`; all messages go through Nachrichten().
void TabelleExportieren(QWidget* eltern, const TippTabelle& tabelle, const QString& blattName);

// Fills the grid from the first worksheet of `datei`: the block from A1 to the
// last used cell, row labels 1..R in column 0, the header row untouched. On a
// file that is not a readable workbook: a German error naming the file, the
// grid unchanged, false.
bool TabelleImportieren(QWidget* eltern, TippTabelle& tabelle, const QString& datei);

// Hands a workbook file to a program that shows it; true when one took it.
using Mappenoeffner = std::function<bool(const QString& datei)>;
// Installs a stand-in for the desktop's default handler (an empty function restores it).
void SetzeMappenoeffner(Mappenoeffner oeffner);

}  // namespace quintaro
