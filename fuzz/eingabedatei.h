#pragma once
// Readers of files get each fuzz input as a file: it is written to a folder of
// this process in the temporary folder, under the name the reader expects.
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace fuzz {

inline const std::filesystem::path& ArbeitsOrdner() {
    static const std::filesystem::path ordner = [] {
        auto pfad = std::filesystem::temp_directory_path() / ("quintaro-fuzz-" + std::to_string(getpid()));
        std::filesystem::create_directories(pfad);
        return pfad;
    }();
    return ordner;
}

inline std::filesystem::path EingabeAlsDatei(const std::uint8_t* daten, std::size_t groesse, const char* name) {
    const auto datei = ArbeitsOrdner() / name;
    std::ofstream aus(datei, std::ios::binary | std::ios::trunc);
    aus.write(reinterpret_cast<const char*>(daten), static_cast<std::streamsize>(groesse));
    return datei;
}

}  // namespace fuzz
