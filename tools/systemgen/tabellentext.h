#pragma once
// Tables kept as plain text: one row per line, its values joined by commas.
#include <filesystem>
#include <optional>
#include <string>

#include "reihen.h"

namespace systemgen {

// The rows of the file, each sorted ascending; nothing (and a reason in `fehler`) when a line is not a
// comma-separated list of positive numbers. Empty lines are skipped.
std::optional<Reihen> LiesTabellentext(const std::filesystem::path& pfad, std::string& fehler);

}  // namespace systemgen
