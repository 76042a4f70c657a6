#pragma once
// The texts of a catalogue entry in the system selection: its line in the
// list and the description of the selected system. Where the rows of a
// built-in table do not give the stated guarantee, both say so instead of
// claiming it.
#include <string>

namespace quintaro {

// "10 Wahlzahlen ohne BZ in 210 Reihen mit 6er Garantie"
std::string SystemText(int index);
// "Gewählt wurde ein System für 8 Wahlzahlen plus eine Bankzahl in 56 Tippreihen mit 5er Garantie." and,
// for a full system, a carriage return and what kind of full system it is.
std::string SystemBeschreibung(int index);

}  // namespace quintaro
