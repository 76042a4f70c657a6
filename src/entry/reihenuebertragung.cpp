#include "entry/reihenuebertragung.h"

#include <algorithm>
#include <charconv>

#include "core/spielregeln.h"
#include "entry/textfeld.h"

namespace quintaro {

const std::string LeerzeichenFrageText =
    "Dienen die Leerzeichen der Trennung der Zahlen?" + std::string(Absatz) +
    "Wenn Sie mit \"Nein\" antworten, sind sie überflüssig und werden gelöscht." + std::string(Absatz) +
    "Wenn Sie mit \"Ja\" antworten, werden die Leerzeichen in Kommata umgewandelt.";

namespace {
constexpr std::string_view kGeschuetztesLeerzeichen = "\xC2\xA0";  // U+00A0 in UTF-8
const std::string kAbbruch = std::string(Absatz) + "Ich breche erst einmal ab.";

// Blanks, tabs and the other control characters at both ends; the no-break
// space is no control character and stays.
std::string Getrimmt(const std::string& zeile) {
    const auto weg = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    const auto anfang = std::find_if_not(zeile.begin(), zeile.end(), weg);
    const auto ende = std::find_if_not(zeile.rbegin(), zeile.rend(), weg).base();
    return anfang < ende ? std::string(anfang, ende) : std::string();
}

void TrimmenUndLeereLoeschen(std::vector<std::string>& zeilen) {
    for (auto& z : zeilen) z = Getrimmt(z);
    std::erase_if(zeilen, [](const std::string& z) { return z.empty(); });
}

// One pass from left to right; a replacement is not looked at again, so ",,,"
// with ",," → "," gives ",,".
void ErsetzeAlle(std::string& text, std::string_view alt, std::string_view neu) {
    if (alt.empty()) return;
    std::string ergebnis;
    std::size_t start = 0;
    for (std::size_t pos; (pos = text.find(alt, start)) != std::string::npos; start = pos + alt.size()) {
        ergebnis.append(text, start, pos - start);
        ergebnis += neu;
    }
    ergebnis.append(text, start);
    text = std::move(ergebnis);
}

bool Enthaelt(const std::string& text, std::string_view teil) { return text.find(teil) != std::string::npos; }

// Pasted e-mails label their lines "Feld 1:", "Feld 2:" ...; the tail after the
// number (colon, tab, both or nothing) is taken from the first line.
void FeldbezeichnungenEntfernen(std::vector<std::string>& zeilen) {
    if (zeilen.empty() || !Enthaelt(zeilen[0], "Feld")) return;
    const std::string& erste = zeilen[0];
    const std::string schwanz = Enthaelt(erste, "Feld 1:\t") ? ":\t"
                                : Enthaelt(erste, "Feld 1:")  ? ":"
                                : Enthaelt(erste, "Feld 1\t") ? "\t"
                                                              : "";
    int feld = 0;
    for (auto& z : zeilen)
        if (Enthaelt(z, "Feld")) ErsetzeAlle(z, "Feld " + std::to_string(++feld) + schwanz, "");
    TrimmenUndLeereLoeschen(zeilen);
    for (auto& z : zeilen) ErsetzeAlle(z, "\t", ",");
}

void LeerzeichenketteZusammenfassen(std::string& zeile) {
    zeile.erase(std::unique(zeile.begin(), zeile.end(), [](char a, char b) { return a == ' ' && b == ' '; }),
                zeile.end());
}

void TrennerVereinheitlichen(std::string& zeile) {
    const std::string nbsp(kGeschuetztesLeerzeichen);
    ErsetzeAlle(zeile, ";", ",");
    ErsetzeAlle(zeile, " ,", ",");
    ErsetzeAlle(zeile, ", ", ",");
    ErsetzeAlle(zeile, nbsp + ",", ",");
    ErsetzeAlle(zeile, "," + nbsp, ",");
    ErsetzeAlle(zeile, ",,", ",");
}

// A whole decimal number with an optional sign, as the conversion accepts it.
bool GanzzahlLesen(const std::string& feld, int& wert) {
    const char* anfang = feld.data();
    const char* ende = anfang + feld.size();
    if (anfang != ende && *anfang == '+' && ++anfang != ende && *anfang == '-') return false;
    if (anfang == ende) return false;
    const auto [rest, fehler] = std::from_chars(anfang, ende, wert);
    return fehler == std::errc() && rest == ende;
}

std::string ZeilenFehler(std::size_t zeile) {
    return "In Zeile " + std::to_string(zeile) + " kann ich keine sechs Zahlen ausmachen." + std::string(Absatz) +
           "Bitte geben Sie Ihre Tippzahlen, 6 aus 45 zeilenweise, " + "jeweils durch Kommata getrennt ein." +
           kAbbruch;
}

std::string BereichsFehler(std::size_t zeile, int position, int zahl) {
    return "In Zeile " + std::to_string(zeile) + " ist die " + std::to_string(position) + ". Zahl, die " +
           std::to_string(zahl) + ", keine gültige Tippzahl." + std::string(Absatz) +
           "Die sechs Tippzahlen sind aus der Zahlenreihe 1 bis 45 zu wählen." + kAbbruch;
}

std::string WiederholungsFehler(std::size_t zeile, int p, int q) {
    return "In Zeile " + std::to_string(zeile) + " ist die " + std::to_string(p) + ". und die " + std::to_string(q) +
           ". Zahl gleich." + std::string(Absatz) +
           "Bitte wählen Sie sechs verschiedene Tippzahlen aus der Zahlenreihe 1 bis 45." + kAbbruch;
}

const std::string kLeerFehler = "Das Textfeld ist leer. Es gibt nichts zu übertragen." + kAbbruch;

// The numbers of the normalised lines, or the first error in the order the
// user is told about them: the count of every line, then the conversion of
// every line, then the ranges, then the repeats.
std::string ZeilenPruefen(const std::vector<std::string>& zeilen, std::vector<Tippreihe>& reihen) {
    if (zeilen.empty()) return kLeerFehler;
    for (std::size_t i = 0; i < zeilen.size(); ++i)
        if (std::count(zeilen[i].begin(), zeilen[i].end(), ',') != 5) return ZeilenFehler(i + 1);
    std::vector<Tippreihe> gelesen;
    for (const auto& zeile : zeilen) {
        Tippreihe reihe{};
        std::size_t start = 0;
        for (int& zahl : reihe) {
            const std::size_t komma = std::min(zeile.find(',', start), zeile.size());
            const std::string feld = zeile.substr(start, komma - start);
            if (!GanzzahlLesen(feld, zahl)) return "'" + feld + "' ist kein gültiger Integerwert";
            start = komma + 1;
        }
        gelesen.push_back(reihe);
    }
    for (std::size_t i = 0; i < gelesen.size(); ++i)
        for (int p = 0; p < 6; ++p)
            if (gelesen[i][p] < 1 || gelesen[i][p] > MaxZahl) return BereichsFehler(i + 1, p + 1, gelesen[i][p]);
    for (std::size_t i = 0; i < gelesen.size(); ++i)
        for (int p = 0; p < 5; ++p)
            for (int q = p + 1; q < 6; ++q)
                if (gelesen[i][p] == gelesen[i][q]) return WiederholungsFehler(i + 1, p + 1, q + 1);
    reihen = std::move(gelesen);
    return {};
}
}  // namespace

Uebertragung ReihenPruefen(std::string_view text, const Leerzeichenfrage& frage) {
    Uebertragung u;
    if (text.empty()) {
        u.fehler = kLeerFehler;
        return u;
    }
    std::vector<std::string> zeilen = TextZeilen(text);
    TrimmenUndLeereLoeschen(zeilen);
    FeldbezeichnungenEntfernen(zeilen);
    for (auto& z : zeilen) LeerzeichenketteZusammenfassen(z);
    for (auto& z : zeilen) TrennerVereinheitlichen(z);
    if (std::any_of(zeilen.begin(), zeilen.end(), [](const std::string& z) { return Enthaelt(z, " "); })) {
        switch (frage(LeerzeichenFrageText, ZeilenText(zeilen))) {
            case Leerzeichenantwort::Ja:
                for (auto& z : zeilen) std::replace(z.begin(), z.end(), ' ', ',');
                break;
            case Leerzeichenantwort::Nein:
                for (auto& z : zeilen) std::erase(z, ' ');
                break;
            case Leerzeichenantwort::Abbrechen:
                u.text = ZeilenText(zeilen);
                u.abgebrochen = true;
                return u;
        }
    }
    for (auto& z : zeilen)
        if (z.starts_with(kGeschuetztesLeerzeichen)) ErsetzeAlle(z, kGeschuetztesLeerzeichen, "");
    for (auto& z : zeilen)
        if (z.ends_with(',')) z.pop_back();
    u.text = ZeilenText(zeilen);
    u.fehler = ZeilenPruefen(zeilen, u.reihen);
    return u;
}

std::size_t LetzteGefuellteZeile(const TippTabelle& tabelle) {
    for (std::size_t r = 1; r < tabelle.size(); ++r)
        if (Zelle(tabelle, r, 1).empty()) return r - 1;
    return tabelle.empty() ? 0 : tabelle.size() - 1;
}

void ReihenEintragen(TippTabelle& tabelle, const std::vector<Tippreihe>& reihen, bool ueberschreiben) {
    if (tabelle.empty()) ReihenKopf(tabelle);
    const std::size_t start = ueberschreiben ? 0 : LetzteGefuellteZeile(tabelle);
    const std::size_t spalten = std::max<std::size_t>(tabelle[0].size(), TippSpalten);
    tabelle.resize(start + reihen.size() + 1);
    for (std::size_t m = 0; m < reihen.size(); ++m) {
        const std::size_t r = start + m + 1;
        Tippreihe sortiert = reihen[m];
        std::sort(sortiert.begin(), sortiert.end());
        std::vector<std::string> zeile(spalten);
        zeile[0] = std::to_string(r);
        for (std::size_t i = 0; i < sortiert.size(); ++i) zeile[i + 1] = std::to_string(sortiert[i]);
        tabelle[r] = std::move(zeile);
    }
}

Uebertragung TextInTabelle(std::string_view text, TippTabelle& tabelle, bool ueberschreiben,
                           const Leerzeichenfrage& frage) {
    Uebertragung u = ReihenPruefen(text, frage);
    if (u.gelungen()) ReihenEintragen(tabelle, u.reihen, ueberschreiben);
    return u;
}

}  // namespace quintaro
