#include "systems/systemreihen.h"

#include "core/kombinatorik.h"
#include "systems/katalog.h"
#include "systems/reihentabellen.h"

namespace quintaro {

void FuerAlleSystemreihen(int index, const std::function<void(std::uint64_t)>& besuche) {
    const TSysteme& s = SystemKatalog().at(std::size_t(index));
    if (index < AnzahlEingebauteSysteme) {
        const auto tabelle = Reihentabelle(index);
        for (std::size_t start = 0; start + s.RG <= tabelle.size(); start += s.RG) {
            std::uint64_t reihe = 0;
            for (std::size_t p = 0; p < s.RG; ++p) reihe |= std::uint64_t{1} << tabelle[start + p];
            besuche(reihe);
        }
        return;
    }
    FuerAlleKombinationen(s.WZ, s.RG, [&](const std::vector<int>& positionen) {
        std::uint64_t reihe = 0;
        for (int p : positionen) reihe |= std::uint64_t{1} << p;
        besuche(reihe);
        return true;
    });
}

std::vector<std::uint64_t> Systemreihen(int index) {
    std::vector<std::uint64_t> reihen;
    FuerAlleSystemreihen(index, [&](std::uint64_t r) { reihen.push_back(r); });
    return reihen;
}

}  // namespace quintaro
