#pragma once
// The two sample tickets a new data folder starts with, so that the main
// window has something to show on the first start.
#include <filesystem>

namespace quintaro {

// Writes "Demo-Systemschein.sqtr" and "Demo-Normalschein.nqtr" into the folder;
// a file that already exists is left as it is. Throws DateiFehler.
void BeispielscheineAnlegen(const std::filesystem::path& ordner);

}  // namespace quintaro
