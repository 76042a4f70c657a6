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

// The GA-subsets of catalogue entry `index` that none of its rows contains: 0
// for a sound table, a full system or an entry without guarantee. Counted for
// all built-in tables at the first call, then answered from memory.
std::int64_t Garantieluecken(int index);

}  // namespace quintaro
