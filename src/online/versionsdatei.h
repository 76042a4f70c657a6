#pragma once
// The version file "verinfos.qtr": 24-byte records, of which only the last
// counts. Byte 8 holds the length (0..15) of the version text in bytes 9..23.
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>

#include "core/datei.h"

namespace quintaro {

constexpr std::size_t VersionsSatzGroesse = 24;

struct Versionsbefund {
    std::optional<std::string> version;  // UTF-8; set when the file held a readable record
    std::string fehler;                  // the German reason otherwise
};

// Trailing bytes after the last whole record are not read.
Versionsbefund VersionLesen(const Bytes& daten);
// The same for the downloaded file; a file that cannot be read is reported.
Versionsbefund VersionsdateiLesen(const std::filesystem::path& datei);
// Whether the download button is to be offered: any text but this program's version.
bool AndereVersion(const std::string& verfuegbar);

}  // namespace quintaro
