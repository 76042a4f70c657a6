#include "app/tabellenmappe.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "core/formatierung.h"

namespace quintaro {

namespace {
// Characters, not bytes, of a UTF-8 text.
std::size_t Zeichenzahl(std::string_view text) {
    return std::size_t(std::count_if(text.begin(), text.end(),
                                     [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}
}  // namespace

std::string SpaltenName(int spalte) {
    if (spalte < 1 || spalte > MaxBlattSpalten) return {};
    // Letters as digits 1..26 of a number without zero: 26 is "Z", 27 "AA".
    std::string name;
    for (int n = spalte; n > 0; n = (n - 1) / 26) name.insert(name.begin(), char('A' + (n - 1) % 26));
    return name;
}

std::string ZellName(int spalte, int zeile) { return SpaltenName(spalte) + std::to_string(zeile); }

std::optional<Zelladresse> ZellnameLesen(std::string_view name) {
    Zelladresse a;
    std::size_t i = 0;
    for (; i < name.size() && i < 4; ++i) {
        const char c = char(name[i] & ~0x20);  // upper case for letters
        if (c < 'A' || c > 'Z') break;
        a.spalte = a.spalte * 26 + (c - 'A' + 1);
    }
    if (i == 0 || a.spalte > MaxBlattSpalten) return std::nullopt;
    const std::string_view ziffern = name.substr(i);
    if (ziffern.empty() || ziffern.size() > 7 || ziffern[0] < '1' || ziffern[0] > '9') return std::nullopt;
    const auto [ende, fehler] = std::from_chars(ziffern.data(), ziffern.data() + ziffern.size(), a.zeile);
    if (fehler != std::errc{} || ende != ziffern.data() + ziffern.size() || a.zeile > MaxBlattZeilen)
        return std::nullopt;
    return a;
}

Tabellenblatt BlattAusTabelle(const TippTabelle& tabelle, std::string blattName, int letzteSpalte) {
    Tabellenblatt blatt{std::move(blattName), {}};
    for (std::size_t r = 1; r < tabelle.size(); ++r) {
        std::vector<std::string> zeile;
        for (int c = 1; c <= letzteSpalte; ++c) zeile.push_back(Zelle(tabelle, r, std::size_t(c)));
        blatt.zellen.push_back(std::move(zeile));
    }
    return blatt;
}

void TabelleAusBlatt(const Tabellenblatt& blatt, TippTabelle& tabelle) {
    std::size_t spalten = 0;
    for (const auto& zeile : blatt.zellen) spalten = std::max(spalten, zeile.size());
    if (tabelle.empty()) tabelle.emplace_back();
    tabelle.resize(1);
    for (std::size_t r = 0; r < blatt.zellen.size(); ++r) {
        std::vector<std::string> zeile = blatt.zellen[r];
        zeile.resize(spalten);
        zeile.insert(zeile.begin(), std::to_string(r + 1));
        tabelle.push_back(std::move(zeile));
    }
}

std::optional<double> AlsZellzahl(std::string_view text) {
    const std::size_t ziffernAb = !text.empty() && text[0] == '-' ? 1 : 0;
    const std::string_view ziffern = text.substr(ziffernAb);
    if (ziffern.empty() || ziffern.size() > 15) return std::nullopt;
    if (!std::all_of(ziffern.begin(), ziffern.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    long long wert = 0;
    std::from_chars(ziffern.data(), ziffern.data() + ziffern.size(), wert);
    return ziffernAb ? -double(wert) : double(wert);
}

std::string ZellzahlText(double wert) {
    if (std::isfinite(wert) && wert == std::trunc(wert) && std::fabs(wert) < 1e15)
        return std::to_string(static_cast<long long>(wert));
    char puffer[32];
    const auto [ende, fehler] = std::to_chars(puffer, puffer + sizeof puffer, wert);
    std::string text(puffer, fehler == std::errc{} ? ende : puffer);
    std::string ergebnis;
    for (char c : text) {
        if (c == '.')
            ergebnis += Region().dezimalzeichen;
        else
            ergebnis += c == 'e' ? 'E' : c;
    }
    return ergebnis;
}

std::vector<double> Spaltenbreiten(const Tabellenblatt& blatt) {
    std::vector<std::size_t> laengste;
    for (const auto& zeile : blatt.zellen) {
        if (zeile.size() > laengste.size()) laengste.resize(zeile.size(), 1);
        for (std::size_t c = 0; c < zeile.size(); ++c) laengste[c] = std::max(laengste[c], Zeichenzahl(zeile[c]));
    }
    // One character more than the longest text, as a spreadsheet's own fit leaves a margin.
    std::vector<double> breiten;
    for (std::size_t n : laengste) breiten.push_back(double(n) + 1.0);
    return breiten;
}

std::string BlattnameMangel(std::string_view name) {
    const std::size_t laenge = Zeichenzahl(name);
    if (laenge == 0) return "Ein Tabellenblatt braucht einen Namen.";
    if (laenge > 31) return "Der Name eines Tabellenblatts darf höchstens 31 Zeichen lang sein.";
    if (name.find_first_of("[]:*?/\\") != std::string_view::npos)
        return "Der Name eines Tabellenblatts darf keines der Zeichen [ ] : * ? / \\ enthalten.";
    if (name.front() == '\'' || name.back() == '\'')
        return "Der Name eines Tabellenblatts darf nicht mit einem Apostroph beginnen oder enden.";
    return {};
}

}  // namespace quintaro
