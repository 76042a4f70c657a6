#include "systems/tabellenpruefung.h"

#include <vector>

#include "systems/reihentabellen.h"

namespace quintaro {

std::string Tabellenmangel(std::span<const std::uint8_t> tabelle, const TSysteme& s) {
    if (s.RG == 0 || tabelle.size() != std::size_t(s.TR) * s.RG) return "falsche Zahl von Reihen";
    std::vector<bool> benutzt(std::size_t(s.WZ) + 1, false);
    for (std::size_t start = 0; start < tabelle.size(); start += s.RG)
        for (std::size_t p = 0; p < s.RG; ++p) {
            const int v = tabelle[start + p];
            if (v < 1 || v > s.WZ) return "Wert außerhalb von 1 bis " + std::to_string(s.WZ);
            if (p > 0 && v <= tabelle[start + p - 1])
                return "Reihe " + std::to_string(start / s.RG + 1) + " nicht aufsteigend";
            benutzt[std::size_t(v)] = true;
        }
    for (int v = 1; v <= s.WZ; ++v)
        if (!benutzt[std::size_t(v)]) return "Wert " + std::to_string(v) + " kommt nicht vor";
    return {};
}

bool HatBekannteLuecken(int index) { return index == 31 || index == 106 || index == 305; }

std::int64_t Garantieluecken(int index) {
    static const std::vector<std::int64_t> luecken = [] {
        std::vector<std::int64_t> v(AnzahlEingebauteSysteme);
        for (int i = 0; i < AnzahlEingebauteSysteme; ++i) v[std::size_t(i)] = UnbedeckteTeilmengen(i);
        return v;
    }();
    return index >= 0 && index < AnzahlEingebauteSysteme ? luecken[std::size_t(index)] : 0;
}

}  // namespace quintaro
