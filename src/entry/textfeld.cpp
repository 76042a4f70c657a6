#include "entry/textfeld.h"

#include <algorithm>

#include "core/spielregeln.h"

namespace quintaro {

namespace {
bool EndetMitUmbruch(std::string_view text) { return !text.empty() && (text.back() == '\n' || text.back() == '\r'); }

std::string_view LetzteZeile(std::string_view text) {
    const std::size_t umbruch = text.find_last_of("\r\n");
    return umbruch == std::string_view::npos ? text : text.substr(umbruch + 1);
}
}  // namespace

std::vector<std::string> TextZeilen(std::string_view text) {
    std::vector<std::string> zeilen;
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t ende = text.find_first_of("\r\n", start);
        if (ende == std::string_view::npos) ende = text.size();
        zeilen.emplace_back(text.substr(start, ende - start));
        start = ende + (text.compare(ende, 2, "\r\n") == 0 ? 2 : 1);
    }
    return zeilen;
}

std::string ZeilenText(const std::vector<std::string>& zeilen) {
    std::string text;
    for (const auto& z : zeilen) text += z + '\n';
    return text;
}

int ZeilenAnzahl(std::string_view text) {
    // Counted on every keystroke, so without building the lines: each break ends one, "\r\n" is one break.
    int zeilen = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
        if (text[i] == '\r' || text[i] == '\n') ++zeilen;
    }
    return zeilen + (EndetMitUmbruch(text) || text.empty() ? 0 : 1);
}

std::string ZahlAnhaengen(std::string_view text, int zahl) {
    std::string neu(text);
    const std::string_view zeile = LetzteZeile(text);
    auto kommas = std::count(zeile.begin(), zeile.end(), ',');
    if (!zeile.empty() && zeile.back() != ',') {
        // A typed number ends the line's last field: it must not be lengthened by the click.
        if (kommas == ZahlenProReihe - 1) {
            neu += '\n';
            kommas = 0;
        } else {
            neu += ',';
            ++kommas;
        }
    }
    neu += std::to_string(zahl);
    neu += kommas == ZahlenProReihe - 1 ? '\n' : ',';
    return neu;
}

Textuebernahme TabelleInsTextfeld(std::string_view text, const TippTabelle& tabelle, int letzteSpalte) {
    if (Zelle(tabelle, 1, 1).empty())
        return {std::string(text),
                "Die Tabelle ist leer. Es gibt nichts zu übertragen." + std::string(Absatz) + "Ich breche erst einmal ab."};
    std::string neu(text);
    if (!neu.empty() && !EndetMitUmbruch(neu)) neu += '\n';
    std::vector<std::string> zellen(std::size_t(std::max(letzteSpalte, 0)));
    for (std::size_t r = 1; r < tabelle.size(); ++r) {
        for (std::size_t c = 0; c < zellen.size(); ++c) zellen[c] = Zelle(tabelle, r, c + 1);
        neu += KommaText(zellen) + '\n';
    }
    return {std::move(neu), {}};
}

int LetzteBelegteSpalte(const TippTabelle& tabelle) {
    std::size_t breite = 1;
    for (std::size_t r = 1; r < tabelle.size(); ++r) breite = std::max(breite, tabelle[r].size());
    return int(breite) - 1;
}

}  // namespace quintaro
