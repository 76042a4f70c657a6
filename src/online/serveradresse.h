#pragma once
// Where the downloads come from: the server's base address (a setting), the
// folder "/downloads/" below it and the three files there. Only HTTPS is
// accepted; plain HTTP only for a server on this computer.
#include <string>
#include <string_view>

namespace quintaro {

class Einstellungen;

constexpr std::string_view UpdateSektion = "Update";
constexpr std::string_view ServerSchluessel = "Server";
constexpr std::string_view ZeitlimitSchluessel = "Zeitlimit";  // seconds without data before a download gives up
// Names no real host: until the maker's server is set, nothing is fetched.
constexpr std::string_view PlatzhalterServer = "https://server.invalid";
constexpr int StandardZeitlimitSekunden = 30;

constexpr std::string_view DownloadOrdner = "/downloads/";
constexpr std::string_view VersionsDateiName = "verinfos.qtr";
constexpr std::string_view InstallerServerName = "qtrupdate.deb";
constexpr std::string_view InstallerName = "Update.deb";

// The German reason why the address cannot be used; empty when it can.
std::string AdressePruefen(std::string_view adresse);
// Whether the address names this computer (localhost, 127.x.x.x, [::1]).
bool IstLokaleAdresse(std::string_view adresse);
// base + "/downloads/" + file, whether or not the base ends with a slash.
std::string DownloadAdresse(std::string_view basis, std::string_view datei);

std::string ServerAusEinstellungen(const Einstellungen& einstellungen);
int ZeitlimitMillisekunden(const Einstellungen& einstellungen);

}  // namespace quintaro
