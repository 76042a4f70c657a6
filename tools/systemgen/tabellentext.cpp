#include "tabellentext.h"

#include <fstream>
#include <sstream>

namespace systemgen {

std::optional<Reihen> LiesTabellentext(const std::filesystem::path& pfad, std::string& fehler) {
    std::ifstream datei(pfad);
    if (!datei) {
        fehler = "nicht lesbar";
        return std::nullopt;
    }
    Reihen reihen;
    int nummer = 0;
    for (std::string zeile; std::getline(datei, zeile);) {
        ++nummer;
        if (zeile.find_first_not_of(" \t\r") == std::string::npos) continue;
        Reihe r;
        std::istringstream felder(zeile);
        for (std::string feld; std::getline(felder, feld, ',');) {
            std::size_t ende = 0;
            int w = 0;
            try {
                w = std::stoi(feld, &ende);
            } catch (const std::exception&) {
                ende = 0;
            }
            if (ende == 0 || feld.find_first_not_of(" \t\r", ende) != std::string::npos || w < 1) {
                fehler = "Zeile " + std::to_string(nummer) + ": \"" + feld + "\" ist kein Wert";
                return std::nullopt;
            }
            r.push_back(w);
        }
        reihen.push_back(r);
    }
    Ordnen(reihen);
    return reihen;
}

}  // namespace systemgen
