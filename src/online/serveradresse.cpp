#include "online/serveradresse.h"

#include <algorithm>
#include <cctype>

#include "core/einstellungen.h"

namespace quintaro {

namespace {
struct Adressteile {
    std::string schema;  // lower case
    std::string host;    // lower case, IPv6 without brackets
    bool gueltig = false;
};

std::string Klein(std::string_view text) {
    std::string k(text);
    std::transform(k.begin(), k.end(), k.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return k;
}

Adressteile Zerlegen(std::string_view adresse) {
    Adressteile t;
    const auto trenner = adresse.find("://");
    if (trenner == std::string_view::npos || trenner == 0) return t;
    t.schema = Klein(adresse.substr(0, trenner));
    std::string_view rest = adresse.substr(trenner + 3);
    std::string_view autoritaet = rest.substr(0, rest.find_first_of("/?#"));
    if (const auto at = autoritaet.rfind('@'); at != std::string_view::npos) autoritaet.remove_prefix(at + 1);
    std::string_view host;
    std::string_view port;
    if (!autoritaet.empty() && autoritaet.front() == '[') {
        const auto zu = autoritaet.find(']');
        if (zu == std::string_view::npos) return t;
        host = autoritaet.substr(1, zu - 1);
        port = autoritaet.substr(zu + 1);
        if (!port.empty() && port.front() != ':') return t;
    } else {
        const auto doppelpunkt = autoritaet.find(':');
        host = autoritaet.substr(0, doppelpunkt);
        if (doppelpunkt != std::string_view::npos) port = autoritaet.substr(doppelpunkt);
    }
    if (!port.empty()) {
        port.remove_prefix(1);
        if (port.empty() || port.size() > 5 || !std::all_of(port.begin(), port.end(), ::isdigit)) return t;
    }
    if (host.empty()) return t;
    t.host = Klein(host);
    t.gueltig = true;
    return t;
}

bool IstLoopback(const std::string& host) {
    if (host == "localhost" || host == "::1") return true;
    // 127.0.0.0/8 as a dotted quad
    int teile = 0;
    std::size_t start = 0;
    while (start <= host.size()) {
        const auto ende = std::min(host.find('.', start), host.size());
        const std::string teil = host.substr(start, ende - start);
        if (teil.empty() || teil.size() > 3 || !std::all_of(teil.begin(), teil.end(), ::isdigit) || std::stoi(teil) > 255)
            return false;
        if (teile == 0 && teil != "127") return false;
        ++teile;
        start = ende + 1;
    }
    return teile == 4;
}

bool EndetMit(const std::string& text, std::string_view ende) {
    return text.size() >= ende.size() && text.compare(text.size() - ende.size(), ende.size(), ende) == 0;
}
}  // namespace

bool IstLokaleAdresse(std::string_view adresse) {
    const Adressteile t = Zerlegen(adresse);
    return t.gueltig && IstLoopback(t.host);
}

std::string AdressePruefen(std::string_view adresse) {
    const Adressteile t = Zerlegen(adresse);
    if (!t.gueltig || adresse.find_first_of(" \t\r\n") != std::string_view::npos)
        return "Die Server-Adresse \"" + std::string(adresse) + "\" ist ungültig.";
    if (t.host == "invalid" || EndetMit(t.host, ".invalid"))
        return "Es ist noch kein Download-Server eingestellt. Tragen Sie seine Adresse in der Datei \"Einstellungen.ini\" "
               "im Abschnitt [Update] unter Server= ein.";
    if (t.schema == "https") return {};
    if (t.schema == "http" && IstLoopback(t.host)) return {};
    return "Die Server-Adresse \"" + std::string(adresse) +
           "\" ist nicht sicher: Downloads sind nur über HTTPS (https://) möglich.";
}

std::string DownloadAdresse(std::string_view basis, std::string_view datei) {
    while (!basis.empty() && basis.back() == '/') basis.remove_suffix(1);
    return std::string(basis) + std::string(DownloadOrdner) + std::string(datei);
}

std::string ServerAusEinstellungen(const Einstellungen& einstellungen) {
    std::string server = einstellungen.leseText(std::string(UpdateSektion), std::string(ServerSchluessel), "");
    const auto anfang = server.find_first_not_of(" \t");
    if (anfang == std::string::npos) return std::string(PlatzhalterServer);
    server = server.substr(anfang, server.find_last_not_of(" \t") - anfang + 1);
    return server;
}

int ZeitlimitMillisekunden(const Einstellungen& einstellungen) {
    const int sekunden = einstellungen.leseZahl(std::string(UpdateSektion), std::string(ZeitlimitSchluessel),
                                                StandardZeitlimitSekunden);
    return std::clamp(sekunden, 1, 600) * 1000;
}

}  // namespace quintaro
