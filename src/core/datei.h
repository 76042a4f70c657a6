#pragma once
// Whole-file reading and atomic replacement: a file is written beside its
// target and then renamed over it, so a crash or a full disk never leaves a
// half-written file behind.
#include <cstdint>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace quintaro {

using Bytes = std::vector<std::uint8_t>;

// No file of this program comes near this size (the largest, a ticket of all
// 8145060 rows, has about 150 MB); a larger one is refused instead of filling
// the memory.
constexpr std::size_t HoechsteDateiGroesse = std::size_t(256) << 20;

// Reads a regular file whole. Folders, devices, pipes and files larger than
// `hoechstens` are refused; every failure throws DateiFehler naming the file.
Bytes LiesDatei(const std::filesystem::path& pfad, std::size_t hoechstens = HoechsteDateiGroesse);
// The same, but a file that does not exist gives nullopt.
std::optional<Bytes> LiesDateiFallsVorhanden(const std::filesystem::path& pfad,
                                             std::size_t hoechstens = HoechsteDateiGroesse);

// Replaces the file the path leads to (through symbolic links) by the data:
// a new file is written beside it and renamed over it, keeping the old file's
// permissions. A write-protected file and a folder are refused; a device or a
// pipe is written to directly. Throws DateiFehler naming the file.
void SchreibeDateiAtomar(const std::filesystem::path& pfad, const void* daten, std::size_t laenge);
inline void SchreibeDateiAtomar(const std::filesystem::path& pfad, const Bytes& daten) {
    SchreibeDateiAtomar(pfad, daten.data(), daten.size());
}
inline void SchreibeDateiAtomar(const std::filesystem::path& pfad, std::string_view text) {
    SchreibeDateiAtomar(pfad, text.data(), text.size());
}

// The same replacement for data that arrives in pieces (a download): the
// pieces go into a file beside the target, which replaces the target only on
// abschliessen(). Dropped without abschliessen(), the partial file is removed
// and the target stays as it was. All errors throw DateiFehler.
class AtomarerSchreiber {
public:
    explicit AtomarerSchreiber(std::filesystem::path pfad);
    ~AtomarerSchreiber();
    AtomarerSchreiber(const AtomarerSchreiber&) = delete;
    AtomarerSchreiber& operator=(const AtomarerSchreiber&) = delete;

    void schreibe(const void* daten, std::size_t laenge);
    void abschliessen();
    std::uint64_t geschrieben() const { return geschrieben_; }

private:
    [[noreturn]] void scheitern(int fehler);

    std::filesystem::path pfad_, ziel_, neu_;  // as named, the file it leads to, the side file
    int fd_ = -1;
    std::uint64_t geschrieben_ = 0;
};
// Size in bytes, -1 when the file cannot be found.
std::int64_t DateiGroesse(const std::filesystem::path& pfad);
// Whether something of that name exists. Never throws: when that cannot be
// told (a loop of links, a folder that cannot be searched) the answer is true,
// so that the reading that follows reports the cause.
bool Vorhanden(const std::filesystem::path& pfad);
// The file name without its folder, as messages show it.
std::string DateiName(const std::filesystem::path& pfad);
// The German text for a system error number.
std::string FehlerUrsache(int fehlernummer);

}  // namespace quintaro
