#pragma once
// Where the program keeps its files: the per-user data folder (overridable
// with QUINTARO_DATA_DIR) and the fixed file names within it.
#include <filesystem>
#include <string_view>

namespace quintaro {

constexpr std::string_view ZiehungsDateiName = "GZ.645";
constexpr std::string_view ZiehungsSicherungName = "GZ.645.bak";
constexpr std::string_view QuotenDateiName = "Quo.645";
constexpr std::string_view EinstellungsDateiName = "Einstellungen.ini";
constexpr std::string_view DemoSystemscheinName = "Demo-Systemschein.sqtr";
constexpr std::string_view DemoNormalscheinName = "Demo-Normalschein.nqtr";

// The data folder; created (with its parents) when it is missing.
const std::filesystem::path& DatenPfad();
// Resolves the folder anew (tests that change QUINTARO_DATA_DIR call this).
void DatenPfadNeuBestimmen();
std::filesystem::path DatenDatei(std::string_view name);

}  // namespace quintaro
