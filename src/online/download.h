#pragma once
// One download: what is fetched where, within which limits, and how it ended.
// The transfer itself is done by the network layer (online/ui); the outcome
// and its German reason are decided here.
#include <cstdint>
#include <filesystem>
#include <string>

namespace quintaro {

// An answer of this many bytes or fewer is no file (an empty page, an error code).
constexpr std::uint64_t ProbeHoechstensLeer = 3;

constexpr std::uint64_t VersionsDateiGrenze = 64 * 1024;
constexpr std::uint64_t ZiehungsDateiGrenze = 8 * 1024 * 1024;
constexpr std::uint64_t InstallerGrenze = 512ull * 1024 * 1024;

struct Downloadauftrag {
    std::string adresse;
    std::filesystem::path ziel;   // replaced only by a complete answer
    std::filesystem::path probe;  // the first fetch goes here
    std::uint64_t hoechstGroesse = ZiehungsDateiGrenze;
    int zeitlimitMs = 30000;      // without data for this long, the download gives up
};

enum class Downloadausgang {
    Erfolg,
    AdresseUngueltig,
    Leer,            // the probe held 3 bytes or fewer
    HttpFehler,      // the server answered with another status than 200
    NichtGefunden,   // the host name is unknown
    Abgelehnt,       // nobody listens there
    Zeitlimit,
    Abgerissen,      // the connection ended before the whole file arrived
    ZuGross,
    Sicherheit,      // TLS failed (certificate, handshake)
    Proxy,
    Netzfehler,      // anything else the network reports
    Schreibfehler,
    Abgebrochen,     // by the user
};

struct Downloadergebnis {
    Downloadausgang ausgang = Downloadausgang::Erfolg;
    int httpStatus = 0;
    std::string text;  // AdresseUngueltig, Schreibfehler: the German message; NichtGefunden: the host
    std::uint64_t bytes = 0;
    bool erfolg() const { return ausgang == Downloadausgang::Erfolg; }
};

// Why the download failed, as one German sentence (empty on success).
std::string DownloadUrsache(const Downloadergebnis& ergebnis, std::uint64_t hoechstGroesse);

}  // namespace quintaro
