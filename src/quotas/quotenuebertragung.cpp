#include "quotas/quotenuebertragung.h"

#include <algorithm>
#include <cctype>
#include <vector>

#include "core/spielregeln.h"

namespace quintaro {

namespace {
constexpr std::string_view Euro = "\xE2\x82\xAC";
constexpr std::string_view BlankEuro = " \xE2\x82\xAC";
// Web pages separate amounts and units by non-breaking blanks.
constexpr std::string_view FesteLeerzeichen[] = {"\xC2\xA0", "\xE2\x80\xAF"};

void ErsetzeAlle(std::string& text, std::string_view was, std::string_view durch) {
    std::string neu;
    std::size_t von = 0;
    for (std::size_t p = text.find(was); p != std::string::npos; von = p + was.size(), p = text.find(was, von))
        neu.append(text, von, p - von).append(durch);
    text = neu.append(text, von);
}

void EntferneOhneGrossKlein(std::string& text, std::string_view was) {
    const auto klein = [](unsigned char c) { return char(std::tolower(c)); };
    std::string k = text;
    std::transform(k.begin(), k.end(), k.begin(), klein);
    std::string rein;
    for (std::size_t i = 0; i < text.size();) {
        if (k.compare(i, was.size(), was) == 0) {
            i += was.size();
        } else {
            rein += text[i++];
        }
    }
    text = rein;
}

bool IstGanzeZahl(std::string_view text) {
    if (!text.empty() && (text[0] == '+' || text[0] == '-')) text.remove_prefix(1);
    // Up to 18 digits fit a signed 64-bit number; jackpot quotas exceed 32 bits.
    return !text.empty() && text.size() <= 18 &&
           std::all_of(text.begin(), text.end(), [](unsigned char c) { return std::isdigit(c); });
}

std::vector<std::string> Zeilen(std::string_view text) {
    std::vector<std::string> zeilen;
    std::size_t anfang = 0;
    while (anfang <= text.size()) {
        std::size_t ende = text.find('\n', anfang);
        if (ende == std::string_view::npos) ende = text.size();
        std::string zeile(text.substr(anfang, ende - anfang));
        if (!zeile.empty() && zeile.back() == '\r') zeile.pop_back();
        zeilen.push_back(std::move(zeile));
        anfang = ende + 1;
    }
    return zeilen;
}

std::vector<std::string> Felder(const std::string& zeile) {
    std::vector<std::string> felder(1);
    for (char c : zeile) {
        if (c == '\t')
            felder.emplace_back();
        else
            felder.back() += c;
    }
    return felder;
}

bool EndetMit(const std::string& text, std::string_view ende) {
    return text.size() >= ende.size() && text.compare(text.size() - ende.size(), ende.size(), ende) == 0;
}

void FreitextLesen(const std::vector<std::string>& zeilen, Quotenuebertragung& ergebnis) {
    int s = 9;
    std::size_t angenommen = 10000000;  // index of the last accepted line
    for (std::size_t i = zeilen.size(); i-- > 0;) {
        std::string zeile = zeilen[i];
        // Accepted lines lie at least three lines apart.
        if (zeile.empty() || angenommen - i <= 2 || (zeile.back() != '0' && !EndetMit(zeile, Euro))) continue;
        angenommen = i;
        ErsetzeAlle(zeile, BlankEuro, "");
        if (zeile.find(' ') == std::string::npos) zeile.insert(zeile.begin(), ' ');
        --s;
        if (s > 0) ergebnis.felder[std::size_t(s)] = GeldTextBereinigen(zeile.substr(zeile.rfind(' ')));
    }
}

void TabulatorLesen(const std::vector<std::string>& zeilen, int spalte, Quotenuebertragung& ergebnis) {
    for (std::size_t i = 0; i < zeilen.size() && i < 8; ++i) {
        const auto felder = Felder(zeilen[i]);
        if (spalte < 1 || felder.size() < std::size_t(spalte)) {
            ergebnis.fehler = "Die Zeile " + std::to_string(i + 1) + " des Textes hat keine Spalte " +
                              std::to_string(spalte) + "; sie besteht aus " + std::to_string(felder.size()) +
                              (felder.size() == 1 ? " Spalte." : " Spalten.") + std::string(Absatz) +
                              "Ich breche erst einmal ab.";
            return;
        }
        ergebnis.felder[i + 1] = GeldTextBereinigen(felder[std::size_t(spalte - 1)]);
    }
}
}  // namespace

std::string GeldTextBereinigen(std::string_view eingabe) {
    std::string text(eingabe);
    for (auto fest : FesteLeerzeichen) ErsetzeAlle(text, fest, " ");
    const auto a = std::find_if(text.begin(), text.end(), [](unsigned char c) { return c > ' '; });
    const auto b = std::find_if(text.rbegin(), text.rend(), [](unsigned char c) { return c > ' '; }).base();
    text = a < b ? std::string(a, b) : std::string();
    EntferneOhneGrossKlein(text, "euro");
    EntferneOhneGrossKlein(text, "eur");
    ErsetzeAlle(text, Euro, "");
    std::erase(text, ' ');
    if (text.find(',') != std::string::npos)
        std::erase(text, '.');
    else
        std::replace(text.begin(), text.end(), '.', ',');
    // A sign may only lead: ",+5" is no amount, although its digits alone would be.
    if (text.find_first_of("+-", 1) != std::string::npos) return {};
    std::string ziffern = text;
    std::erase(ziffern, ',');
    return IstGanzeZahl(ziffern) ? text : std::string();
}

Quotenuebertragung QuotenUebertragen(std::string_view text, int spalte, Uebertragungsart art) {
    Quotenuebertragung ergebnis;
    std::string rein(text);
    for (auto fest : FesteLeerzeichen) ErsetzeAlle(rein, fest, " ");
    std::vector<std::string> zeilen;
    for (std::string& z : Zeilen(rein)) {
        // A line of blanks only is as empty as an empty one.
        if (z.find_first_not_of(' ') == std::string::npos) continue;
        std::string einfach;
        for (char c : z)
            if (c != ' ' || einfach.empty() || einfach.back() != ' ') einfach += c;
        zeilen.push_back(std::move(einfach));
    }
    if (zeilen.empty()) {
        ergebnis.fehler = "Das Textfeld ist leer. Es gibt nichts zu übertragen." + std::string(Absatz) +
                          "Ich breche erst einmal ab.";
        return ergebnis;
    }
    for (std::size_t i = 0; i < zeilen.size(); ++i) ergebnis.text += (i ? "\n" : "") + zeilen[i];
    const bool mitTab = ergebnis.text.find('\t') != std::string::npos;
    ergebnis.freitext = art == Uebertragungsart::Freitext ||
                        (art == Uebertragungsart::Automatisch && zeilen.size() > 12 && !mitTab);
    if (ergebnis.freitext)
        FreitextLesen(zeilen, ergebnis);
    else
        TabulatorLesen(zeilen, spalte, ergebnis);
    return ergebnis;
}

}  // namespace quintaro
