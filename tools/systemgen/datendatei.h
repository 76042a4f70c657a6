#pragma once
// Reading the tables compiled into the engine and writing the generated source file.
#include <filesystem>
#include <vector>

#include "reihen.h"

namespace systemgen {

// The 348 tables currently compiled in; a table whose text does not fit its catalogue entry comes back empty.
std::vector<Reihen> EingebauteTabellen();

void SchreibeDatendatei(const std::filesystem::path& pfad, const std::vector<Reihen>& tabellen);

}  // namespace systemgen
