#pragma once
// Whole-file reading and atomic replacement: a file is written beside its
// target and then renamed over it, so a crash or a full disk never leaves a
// half-written file behind.
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace quintaro {

using Bytes = std::vector<std::uint8_t>;

Bytes LiesDatei(const std::filesystem::path& pfad);
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
    explicit AtomarerSchreiber(std::filesystem::path ziel);
    ~AtomarerSchreiber();
    AtomarerSchreiber(const AtomarerSchreiber&) = delete;
    AtomarerSchreiber& operator=(const AtomarerSchreiber&) = delete;

    void schreibe(const void* daten, std::size_t laenge);
    void abschliessen();
    std::uint64_t geschrieben() const { return geschrieben_; }

private:
    [[noreturn]] void scheitern(int fehler);

    std::filesystem::path ziel_, neu_;
    int fd_ = -1;
    std::uint64_t geschrieben_ = 0;
};
// Size in bytes, -1 when the file cannot be found.
std::int64_t DateiGroesse(const std::filesystem::path& pfad);
// The file name without its folder, as messages show it.
std::string DateiName(const std::filesystem::path& pfad);

}  // namespace quintaro
