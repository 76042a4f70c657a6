#include "systems/systemanwenden.h"

#include <bit>

#include "core/kombinatorik.h"
#include "systems/katalog.h"
#include "systems/systemreihen.h"
#include "systems/zeilensortierung.h"

namespace quintaro {

namespace {
const std::string Abbruch = std::string(Absatz) + "Ich breche erst einmal ab.";

std::string FalscheAnzahl(int wahlMuss, int bankMuss) {
    std::string text = "Bitte wählen Sie oben " + std::to_string(wahlMuss) + " Tippahlen";
    if (bankMuss == 0)
        text += ".";
    else if (bankMuss == 1)
        text += " und eine Bankzahl.";
    else
        text += " und " + std::to_string(bankMuss) + " Bankzahlen.";
    return text + Abbruch;
}

bool NurLottozahlen(const TZahlenMenge& m) {
    for (int z : m.zahlen())
        if (z < 1 || z > MaxZahl) return false;
    return true;
}
}  // namespace

TSystemAnwendung SystemAnwenden(int index, const TZahlenMenge& wahl, const TZahlenMenge& bank, bool reihenBilden) {
    TSystemAnwendung a;
    if (index < 0) {
        a.ablehnung = KeinSystemGewaehlt;
        return a;
    }
    const TSysteme& e = SystemKatalog().at(std::size_t(index));
    const int bankMuss = e.bankzahlen();
    if (wahl.anzahl() != e.WZ || bank.anzahl() != bankMuss) {
        a.ablehnung = FalscheAnzahl(e.WZ, bankMuss);
        return a;
    }
    // The window's number choice cannot produce these; other callers can.
    if (!NurLottozahlen(wahl) || !NurLottozahlen(bank)) {
        a.ablehnung = "Es sind nur die Zahlen 1 bis 45 erlaubt." + Abbruch;
        return a;
    }
    if (!(wahl & bank).leer()) {
        a.ablehnung = "Eine Zahl kann nicht zugleich Wahlzahl und Bankzahl sein." + Abbruch;
        return a;
    }

    const std::vector<int> W = wahl.zahlen();  // W[v - 1]: the v-th smallest Wahlzahl
    FuerAlleSystemreihen(index, [&](std::uint64_t positionen) {
        TZahlenMenge reihe = bank;
        for (std::uint64_t p = positionen; p; p &= p - 1) reihe.hinzu(W[std::size_t(std::countr_zero(p) - 1)]);
        const auto zahlen = MengeZuFeld(reihe, ZahlenProReihe, MaxZahl);
        std::array<std::uint8_t, 6> zeile{};
        for (std::size_t p = 0; p < 6; ++p) {
            zeile[p] = zahlen[p];
            ++a.ENr[zahlen[p]];
        }
        if (reihenBilden) a.reihen.push_back(zeile);
    });
    ShellSortieren(int(a.reihen.size()), [&](int i, int j) { return a.reihen[std::size_t(i)] > a.reihen[std::size_t(j)]; },
                   [&](int i, int j) { std::swap(a.reihen[std::size_t(i)], a.reihen[std::size_t(j)]); });

    for (int n = 1; n <= MaxZahl; ++n) {
        const int c = a.ENr[std::size_t(n)];
        a.aussehen[std::size_t(n)] = c > 1 && c == e.TR ? Zahlaussehen::Bankzahl
                                     : c > 0            ? Zahlaussehen::Wahlzahl
                                                        : Zahlaussehen::Normal;
    }
    return a;
}

TippTabelle AlsTipptabelle(const std::vector<std::array<std::uint8_t, 6>>& reihen) {
    TippTabelle tabelle;
    ReihenKopf(tabelle);
    tabelle.reserve(reihen.size() + 1);
    for (std::size_t i = 0; i < reihen.size(); ++i) {
        std::vector<std::string> zeile{std::to_string(i + 1)};
        for (std::uint8_t z : reihen[i]) zeile.push_back(std::to_string(z));
        tabelle.push_back(std::move(zeile));
    }
    return tabelle;
}

}  // namespace quintaro
