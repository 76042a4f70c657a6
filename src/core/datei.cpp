#include "core/datei.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
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
        case ENOTDIR: return "Ein Teil des Pfades ist kein Ordner.";
        case ENAMETOOLONG: return "Der Dateiname ist zu lang.";
        case EDQUOT: return "Der zugeteilte Speicherplatz ist erschöpft.";
        case EIO: return "Beim Zugriff auf den Datenträger ist ein Ein-/Ausgabefehler aufgetreten.";
        case EBUSY:
        case ETXTBSY: return "Die Datei wird gerade von einem anderen Programm benutzt.";
        case EMFILE:
        case ENFILE: return "Es sind zu viele Dateien geöffnet.";
        // The system's own texts are English; the number still lets a technician look it up.
        default: return "Das Betriebssystem meldet den Fehler Nr. " + std::to_string(fehler) + ".";
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

void SchreibeDateiAtomar(const std::filesystem::path& pfad, const void* daten, std::size_t laenge) {
    const std::filesystem::path neu = pfad.string() + ".neu";
    const auto fehler = [&](int e) {
        ::unlink(neu.c_str());
        return DateiFehler("Die Datei \"" + DateiName(pfad) + "\" kann nicht geschrieben werden: " + Ursache(e));
    };
    const int fd = ::open(neu.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (fd < 0) throw fehler(errno);
    const auto* p = static_cast<const char*>(daten);
    std::size_t rest = laenge;
    while (rest > 0) {
        const ssize_t n = ::write(fd, p, rest);
        if (n < 0) {
            if (errno == EINTR) continue;
            const int e = errno;
            ::close(fd);
            throw fehler(e);
        }
        p += n;
        rest -= std::size_t(n);
    }
    if (::fsync(fd) != 0 || ::close(fd) != 0) throw fehler(errno);
    if (std::rename(neu.c_str(), pfad.c_str()) != 0) throw fehler(errno);
}

std::int64_t DateiGroesse(const std::filesystem::path& pfad) {
    std::error_code ec;
    const auto groesse = std::filesystem::file_size(pfad, ec);
    return ec ? -1 : static_cast<std::int64_t>(groesse);
}

}  // namespace quintaro
