#pragma once
// A downloaded draw history first lands beside the stored one; only a file
// that passes every check of the draw history takes its place.
#include <cstddef>
#include <filesystem>
#include <string>

namespace quintaro {

// "GZ.645" → "GZ.645.download" in the same folder.
std::filesystem::path ZiehungsdownloadPfad(const std::filesystem::path& historie);

struct Einsetzergebnis {
    bool eingesetzt = false;
    std::size_t ziehungen = 0;  // draws of the new history
    std::string meldung;        // German reason when not
};

// A valid download (whole 16-byte records, numbers 1..45 without repeats,
// dates ascending, at least one draw) replaces the history after the history
// was copied to the backup. Otherwise the history is left byte for byte as it
// was. The download file is gone afterwards in either case.
Einsetzergebnis ZiehungsdownloadEinsetzen(const std::filesystem::path& download, const std::filesystem::path& historie,
                                          const std::filesystem::path& sicherung);

}  // namespace quintaro
