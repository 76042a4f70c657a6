#include "core/datenpfad.h"

#include <cstdlib>

namespace quintaro {

namespace {
std::filesystem::path Bestimmen() {
    std::filesystem::path pfad;
    if (const char* eigen = std::getenv("QUINTARO_DATA_DIR"); eigen && *eigen) {
        pfad = eigen;
    } else if (const char* xdg = std::getenv("XDG_DATA_HOME"); xdg && *xdg) {
        pfad = std::filesystem::path(xdg) / "Quintaro";
    } else {
        const char* home = std::getenv("HOME");
        pfad = std::filesystem::path(home && *home ? home : ".") / ".local" / "share" / "Quintaro";
    }
    // A folder that cannot be created is not reported here; the first file
    // operation in it fails with its own message.
    std::error_code ec;
    std::filesystem::create_directories(pfad, ec);
    return pfad;
}

std::filesystem::path& Gespeichert() {
    static std::filesystem::path pfad = Bestimmen();
    return pfad;
}
}  // namespace

const std::filesystem::path& DatenPfad() { return Gespeichert(); }
void DatenPfadNeuBestimmen() { Gespeichert() = Bestimmen(); }
std::filesystem::path DatenDatei(std::string_view name) { return DatenPfad() / std::string(name); }

}  // namespace quintaro
