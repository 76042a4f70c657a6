#pragma once
// "Spielschein öffnen" of the entry window: the rows of a ticket file into the
// file table. The file kind is told as the main window tells it, so that both
// show the same rows of the same file.
#include <filesystem>

#include "core/scheindateien.h"

namespace quintaro {

// A normal ticket (or any comma text) is read line by line; a system ticket is
// expanded into its rows. Returns the number of rows. Throws DateiFehler, the
// table then unchanged.
int SpielscheinEinlesen(TippTabelle& tabelle, const std::filesystem::path& datei);

}  // namespace quintaro
