#include "core/datei.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <climits>
#include <cerrno>
#include <cstdio>
#include <random>

#include "core/fehler.h"

namespace quintaro {

std::string FehlerUrsache(int fehler) {
    switch (fehler) {
        case ENOENT: return "Die Datei oder der Ordner wurde nicht gefunden.";
        case EACCES:
        case EPERM: return "Der Zugriff wurde verweigert.";
        case ENOSPC:
        case EDQUOT: return "Auf dem Datenträger ist nicht genügend Speicherplatz.";
        case EROFS: return "Der Datenträger ist schreibgeschützt.";
        case EISDIR: return "Der Name bezeichnet einen Ordner.";
        case ENOTDIR: return "Ein Teil des Pfades ist kein Ordner.";
        case ELOOP: return "Der Pfad enthält zu viele oder kreisförmige Verknüpfungen.";
        case ENAMETOOLONG: return "Der Name ist zu lang.";
        case EIO: return "Beim Zugriff auf den Datenträger ist ein Ein-/Ausgabefehler aufgetreten.";
        case EXDEV: return "Die Datei kann nicht über Datenträgergrenzen hinweg ersetzt werden.";
        case EFBIG: return "Die Datei wird zu groß.";
        case EMFILE:
        case ENFILE: return "Es sind zu viele Dateien geöffnet.";
        case ENOMEM: return "Der Arbeitsspeicher reicht nicht aus.";
        case EBUSY:
        case ETXTBSY: return "Die Datei wird gerade verwendet.";
        case ENXIO: return "Das Gerät oder die Leitung ist nicht bereit.";
        case EPIPE: return "Die Gegenstelle hat die Leitung geschlossen.";
        case EEXIST: return "Eine Datei dieses Namens gibt es schon.";
        case EINVAL: return "Der Vorgang ist für diese Datei nicht möglich.";
        // The system's own texts are English; the number still lets a technician look it up.
        default: return "Das Betriebssystem meldet den Fehler Nr. " + std::to_string(fehler) + ".";
    }
}

std::string DateiName(const std::filesystem::path& pfad) { return pfad.filename().string(); }

namespace {
// Closes the descriptor on every way out.
class Deskriptor {
public:
    explicit Deskriptor(int fd) : fd_(fd) {}
    ~Deskriptor() { schliessen(); }
    Deskriptor(const Deskriptor&) = delete;
    Deskriptor& operator=(const Deskriptor&) = delete;
    int fd() const { return fd_; }
    bool offen() const { return fd_ >= 0; }
    int schliessen() {
        const int r = fd_ >= 0 ? ::close(fd_) : 0;
        fd_ = -1;
        return r;
    }

private:
    int fd_;
};

DateiFehler Lesefehler(const std::filesystem::path& pfad, const std::string& ursache) {
    return DateiFehler("Die Datei \"" + DateiName(pfad) + "\" kann nicht gelesen werden: " + ursache);
}

std::optional<Bytes> Lesen(const std::filesystem::path& pfad, std::size_t hoechstens, bool fehlendErlaubt) {
    // Without O_NONBLOCK opening a pipe would wait for a writer.
    Deskriptor d(::open(pfad.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
    if (!d.offen()) {
        if (fehlendErlaubt && errno == ENOENT) return std::nullopt;
        throw Lesefehler(pfad, FehlerUrsache(errno));
    }
    struct stat info {};
    if (::fstat(d.fd(), &info) != 0) throw Lesefehler(pfad, FehlerUrsache(errno));
    if (S_ISDIR(info.st_mode)) throw Lesefehler(pfad, FehlerUrsache(EISDIR));
    if (!S_ISREG(info.st_mode))
        throw Lesefehler(pfad, "Der Name bezeichnet keine gewöhnliche Datei, sondern ein Gerät oder eine Leitung.");
    const auto zuGross = [&] {
        return Lesefehler(pfad, "Sie ist größer als " + std::to_string(hoechstens >> 20) +
                                    " MB und damit keine Datei dieses Programms.");
    };
    if (std::uint64_t(info.st_size) > hoechstens) throw zuGross();
    Bytes daten(std::size_t(info.st_size));
    std::size_t gelesen = 0;
    const auto lies = [&](std::uint8_t* ziel, std::size_t platz) {
        while (true) {
            const ssize_t n = ::read(d.fd(), ziel, platz);
            if (n >= 0) return std::size_t(n);
            if (errno != EINTR) throw Lesefehler(pfad, FehlerUrsache(errno));
        }
    };
    while (gelesen < daten.size()) {
        const std::size_t n = lies(daten.data() + gelesen, daten.size() - gelesen);
        if (n == 0) break;
        gelesen += n;
    }
    // The file may have grown since fstat; a small probe tells without
    // doubling the buffer of a file that ends where it said.
    std::uint8_t probe[4096];
    while (gelesen == daten.size()) {
        const std::size_t n = lies(probe, sizeof probe);
        if (n == 0) break;
        if (gelesen + n > hoechstens) throw zuGross();
        daten.insert(daten.end(), probe, probe + n);
        gelesen += n;
    }
    daten.resize(gelesen);
    return daten;
}
}  // namespace

Bytes LiesDatei(const std::filesystem::path& pfad, std::size_t hoechstens) {
    return *Lesen(pfad, hoechstens, false);
}

std::optional<Bytes> LiesDateiFallsVorhanden(const std::filesystem::path& pfad, std::size_t hoechstens) {
    return Lesen(pfad, hoechstens, true);
}

namespace {
DateiFehler Schreibfehler(const std::filesystem::path& pfad, const std::string& ursache) {
    return DateiFehler("Die Datei \"" + DateiName(pfad) + "\" kann nicht geschrieben werden: " + ursache);
}

// The writing helpers throw a failed call's errno; SchreibeDateiAtomar turns it
// into the German message naming the file.
void AllesSchreiben(int fd, const void* daten, std::size_t laenge) {
    const auto* p = static_cast<const char*>(daten);
    while (laenge > 0) {
        const ssize_t n = ::write(fd, p, laenge);
        if (n < 0) {
            if (errno == EINTR) continue;
            throw errno;
        }
        p += n;
        laenge -= std::size_t(n);
    }
}

// The file a path leads to: links are followed (also one whose target does not
// exist yet) so that the target is replaced and the link stays.
std::filesystem::path Ziel(const std::filesystem::path& pfad) {
    std::filesystem::path p = pfad;
    for (int schritt = 0; schritt < 40; ++schritt) {
        struct stat info {};
        if (::lstat(p.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) return p;
        std::string ziel(std::size_t(PATH_MAX), '\0');
        const ssize_t n = ::readlink(p.c_str(), ziel.data(), ziel.size());
        if (n < 0) throw errno;
        ziel.resize(std::size_t(n));
        const std::filesystem::path naechstes(ziel);
        p = naechstes.is_absolute() ? naechstes : p.parent_path() / naechstes;
    }
    throw ELOOP;
}

std::string Zufallsteil() {
    static std::atomic<unsigned> zaehler{0};
    static const unsigned basis = std::random_device{}();
    return std::to_string(::getpid()) + "-" + std::to_string(basis ^ (zaehler++ * 2654435761u));
}

// A new side file beside the target, created exclusively: it never meets a
// user's file or link of the same name. A new file gets the usual permissions
// (less the umask); a replaced one takes the old file's permissions.
int SeitendateiAnlegen(const std::filesystem::path& ziel, const struct stat* alt, std::filesystem::path& neu) {
    const std::filesystem::path ordner = ziel.has_parent_path() ? ziel.parent_path() : std::filesystem::path(".");
    for (int versuch = 0; versuch < 100; ++versuch) {
        std::string name = ".";
        name.append(DateiName(ziel)).append(".neu-").append(Zufallsteil());
        neu = ordner / name;
        const int fd = ::open(neu.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, alt ? 0600 : 0666);
        if (fd >= 0) {
            if (alt && ::fchmod(fd, alt->st_mode & 07777) != 0) {
                const int fehler = errno;
                ::close(fd);
                ::unlink(neu.c_str());
                throw fehler;
            }
            return fd;
        }
        if (errno != EEXIST) throw errno;
    }
    throw EEXIST;
}
}  // namespace

AtomarerSchreiber::AtomarerSchreiber(std::filesystem::path pfad) : pfad_(std::move(pfad)) {
    try {
        ziel_ = Ziel(pfad_);
        struct stat info {};
        const bool vorhanden = ::stat(ziel_.c_str(), &info) == 0;
        if (!vorhanden && errno != ENOENT) throw errno;
        if (vorhanden) {
            if (S_ISDIR(info.st_mode)) throw EISDIR;
            if (!S_ISREG(info.st_mode)) throw Schreibfehler(pfad_, "Der Name bezeichnet keine gewöhnliche Datei.");
            if ((info.st_mode & 0222) == 0 || ::access(ziel_.c_str(), W_OK) != 0)
                throw Schreibfehler(pfad_, "Die Datei ist schreibgeschützt.");
        }
        fd_ = SeitendateiAnlegen(ziel_, vorhanden ? &info : nullptr, neu_);
    } catch (int fehler) {
        throw Schreibfehler(pfad_, FehlerUrsache(fehler));
    }
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
    throw Schreibfehler(pfad_, FehlerUrsache(fehler));
}

void AtomarerSchreiber::schreibe(const void* daten, std::size_t laenge) {
    if (fd_ < 0) scheitern(EBADF);
    try {
        AllesSchreiben(fd_, daten, laenge);
    } catch (int fehler) {
        scheitern(fehler);
    }
    geschrieben_ += laenge;
}

void AtomarerSchreiber::abschliessen() {
    if (fd_ < 0) scheitern(EBADF);
    if (::fsync(fd_) != 0) scheitern(errno);
    const int fd = fd_;
    fd_ = -1;
    if (::close(fd) != 0) {
        const int fehler = errno;
        ::unlink(neu_.c_str());
        throw Schreibfehler(pfad_, FehlerUrsache(fehler));
    }
    if (::rename(neu_.c_str(), ziel_.c_str()) != 0) {
        const int fehler = errno;
        ::unlink(neu_.c_str());
        throw Schreibfehler(pfad_, FehlerUrsache(fehler));
    }
    // The rename itself is only durable once the folder is on the disk; a
    // folder that cannot be synced does not undo the replacement.
    const std::filesystem::path ordner = ziel_.has_parent_path() ? ziel_.parent_path() : std::filesystem::path(".");
    Deskriptor o(::open(ordner.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC));
    if (o.offen()) ::fsync(o.fd());
}

void SchreibeDateiAtomar(const std::filesystem::path& pfad, const void* daten, std::size_t laenge) {
    struct stat info {};
    if (::stat(pfad.c_str(), &info) == 0 && (S_ISCHR(info.st_mode) || S_ISFIFO(info.st_mode))) {
        // A terminal, /dev/null or a pipe is not replaced but written to.
        try {
            Deskriptor d(::open(pfad.c_str(), O_WRONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK));
            if (!d.offen()) throw errno;
            const int schalter = ::fcntl(d.fd(), F_GETFL);
            if (schalter >= 0) ::fcntl(d.fd(), F_SETFL, schalter & ~O_NONBLOCK);
            AllesSchreiben(d.fd(), daten, laenge);
            if (d.schliessen() != 0) throw errno;
        } catch (int fehler) {
            throw Schreibfehler(pfad, FehlerUrsache(fehler));
        }
        return;
    }
    AtomarerSchreiber schreiber(pfad);
    schreiber.schreibe(daten, laenge);
    schreiber.abschliessen();
}

std::int64_t DateiGroesse(const std::filesystem::path& pfad) {
    std::error_code ec;
    const auto groesse = std::filesystem::file_size(pfad, ec);
    return ec ? -1 : static_cast<std::int64_t>(groesse);
}

bool Vorhanden(const std::filesystem::path& pfad) {
    struct stat info {};
    if (::lstat(pfad.c_str(), &info) == 0) return true;
    return errno != ENOENT && errno != ENOTDIR;
}

}  // namespace quintaro
