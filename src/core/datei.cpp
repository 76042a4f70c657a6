#include "core/datei.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>

#include "core/fehler.h"

namespace quintaro {

namespace {
std::string Ursache(int fehler) {
    switch (fehler) {
        case ENOENT: return "Die Datei oder der Ordner wurde nicht gefunden.";
        case EACCES:
        case EPERM: return "Der Zugriff wurde verweigert.";
        case ENOSPC: return "Auf dem Datenträger ist nicht genügend Speicherplatz.";
        case EROFS: return "Der Datenträger ist schreibgeschützt.";
        case EISDIR: return "Der Name bezeichnet einen Ordner.";
        default: return std::strerror(fehler);
    }
}
}  // namespace

std::string DateiName(const std::filesystem::path& pfad) { return pfad.filename().string(); }

Bytes LiesDatei(const std::filesystem::path& pfad) {
    std::error_code ec;
    if (std::filesystem::is_directory(pfad, ec))
        throw DateiFehler("Die Datei \"" + DateiName(pfad) + "\" kann nicht gelesen werden: " + Ursache(EISDIR));
    std::ifstream in(pfad, std::ios::binary);
    if (!in)
        throw DateiFehler("Die Datei \"" + DateiName(pfad) + "\" kann nicht gelesen werden: " + Ursache(errno));
    Bytes daten((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    if (in.bad()) throw DateiFehler("Beim Lesen der Datei \"" + DateiName(pfad) + "\" ist ein Fehler aufgetreten.");
    return daten;
}

AtomarerSchreiber::AtomarerSchreiber(std::filesystem::path ziel)
    : ziel_(std::move(ziel)), neu_(ziel_.string() + ".neu") {
    fd_ = ::open(neu_.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd_ < 0) scheitern(errno);
}

AtomarerSchreiber::~AtomarerSchreiber() {
    if (fd_ < 0) return;
    ::close(fd_);
    ::unlink(neu_.c_str());
}

void AtomarerSchreiber::scheitern(int fehler) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
    ::unlink(neu_.c_str());
    throw DateiFehler("Die Datei \"" + DateiName(ziel_) + "\" kann nicht geschrieben werden: " + Ursache(fehler));
}

void AtomarerSchreiber::schreibe(const void* daten, std::size_t laenge) {
    if (fd_ < 0) scheitern(EBADF);
    const auto* p = static_cast<const char*>(daten);
    while (laenge > 0) {
        const ssize_t n = ::write(fd_, p, laenge);
        if (n < 0) {
            if (errno == EINTR) continue;
            scheitern(errno);
        }
        p += n;
        laenge -= std::size_t(n);
        geschrieben_ += std::uint64_t(n);
    }
}

void AtomarerSchreiber::abschliessen() {
    if (fd_ < 0) scheitern(EBADF);
    if (::fsync(fd_) != 0) scheitern(errno);
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0 || std::rename(neu_.c_str(), ziel_.c_str()) != 0) scheitern(errno);
}

void SchreibeDateiAtomar(const std::filesystem::path& pfad, const void* daten, std::size_t laenge) {
    AtomarerSchreiber schreiber(pfad);
    schreiber.schreibe(daten, laenge);
    schreiber.abschliessen();
}

std::int64_t DateiGroesse(const std::filesystem::path& pfad) {
    std::error_code ec;
    const auto groesse = std::filesystem::file_size(pfad, ec);
    return ec ? -1 : static_cast<std::int64_t>(groesse);
}

}  // namespace quintaro
