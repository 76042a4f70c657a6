#pragma once
// The transfer option of the entry window in the settings file, section
// "Eingabe": overwrite1 ("...vorhandene Einträge überschrieben werden") and
// overwrite2 ("...die neuen Reihen angehängt werden").
#include <optional>

namespace quintaro {

// Whether the transfer overwrites; nothing without a settings file (the window
// keeps its state). The keys default to false and true; of two set keys the
// second wins, as with two radio buttons set one after the other.
std::optional<bool> UeberschreibenLesen();
// Writes both keys. Throws DateiFehler.
void UeberschreibenSchreiben(bool ueberschreiben);

}  // namespace quintaro
