#pragma once
// Soundness of a row table: TR rows of RG distinct ascending values in 1..WZ,
// each value used at least once.
#include <cstdint>
#include <span>
#include <string>

#include "systems/katalog.h"

namespace quintaro {

// What is wrong with the table (German), or empty when it is sound.
std::string Tabellenmangel(std::span<const std::uint8_t> tabelle, const TSysteme& system);

// The built-in entries whose tables, with their listed row counts, leave some
// subsets of their guarantee uncovered.
bool HatBekannteLuecken(int index);

}  // namespace quintaro
