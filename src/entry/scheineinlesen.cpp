#include "entry/scheineinlesen.h"

#include "evaluation/gewinnauswertung.h"

namespace quintaro {

int SpielscheinEinlesen(TippTabelle& tabelle, const std::filesystem::path& datei) {
    if (ScheinArtVon(datei) != ScheinArt::System) return ReihenLesen(tabelle, datei);
    const TSystemscheinSatz satz = SystemscheinLesen(datei);
    TippTabelle reihen;
    std::vector<TZahlenMenge> bankMengen;
    SystemscheinAufloesen(satz, reihen, bankMengen);
    tabelle = std::move(reihen);
    return int(tabelle.size()) - 1;
}

}  // namespace quintaro
