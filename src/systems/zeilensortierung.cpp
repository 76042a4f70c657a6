#include "systems/zeilensortierung.h"

#include <algorithm>
#include <limits>
#include <stdexcept>
#include <variant>

#include "core/datum.h"
#include "core/fehler.h"
#include "core/formatierung.h"

namespace quintaro {

namespace {
using Schluessel = std::variant<double, std::string>;

bool IstLeer(const std::string& zelle) {
    return zelle.find_first_not_of(" \t") == std::string::npos;
}

// Folded form for comparing: lower case, umlauts as base letter, ß as "ss".
// The second string keeps the umlauts apart so that ties between "a" and "ä"
// still have an order.
std::pair<std::string, std::string> Faltung(const std::string& s) {
    std::string basis, fein;
    for (std::size_t i = 0; i < s.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        if (c == 0xC3 && i + 1 < s.size()) {
            const unsigned char d = static_cast<unsigned char>(s[i + 1]);
            const char* ersatz = nullptr;
            char feinZeichen = 0;
            switch (d) {
                case 0xA4: case 0x84: ersatz = "a"; feinZeichen = '\x7b'; break;  // ä Ä
                case 0xB6: case 0x96: ersatz = "o"; feinZeichen = '\x7c'; break;  // ö Ö
                case 0xBC: case 0x9C: ersatz = "u"; feinZeichen = '\x7d'; break;  // ü Ü
                case 0x9F: ersatz = "ss"; feinZeichen = '\x7e'; break;              // ß
                default: break;
            }
            if (ersatz) {
                basis += ersatz;
                fein += feinZeichen;
                ++i;
                continue;
            }
        }
        const char klein = (c >= 'A' && c <= 'Z') ? char(c - 'A' + 'a') : char(c);
        basis += klein;
        fein += klein;
    }
    return {basis, fein};
}

Schluessel LeererSchluessel(Sortiertyp typ, bool niedrig, bool zahlExtrem) {
    switch (typ) {
        case Sortiertyp::Zahl:
            if (!zahlExtrem) return 0.0;
            return niedrig ? std::numeric_limits<double>::lowest() : std::numeric_limits<double>::max();
        case Sortiertyp::DatumZeit:
            return niedrig ? DatumAus(1, 1, 1) : DatumAus(9999, 12, 31) + (23 * 60 + 59) / 1440.0;
        case Sortiertyp::Text:
            return niedrig ? std::string() : std::string(255, 'Z');
    }
    return 0.0;
}

Schluessel SchluesselAus(const std::string& zelle, Sortiertyp typ) {
    switch (typ) {
        case Sortiertyp::Zahl: {
            // Thousands separators are dropped before reading.
            std::string ohneTausender = zelle;
            const std::string& tausender = Region().tausenderzeichen;
            for (std::size_t p; !tausender.empty() && (p = ohneTausender.find(tausender)) != std::string::npos;)
                ohneTausender.erase(p, tausender.size());
            const auto wert = ZahlLesen(ohneTausender);
            if (!wert) throw KonvertierungsFehler("Werte entsprechen nicht dem Typ Zahl");
            return *wert;
        }
        case Sortiertyp::DatumZeit: {
            const auto wert = DatumZeitLesen(zelle);
            if (!wert) throw KonvertierungsFehler("Werte entsprechen nicht dem Typ Datum/Zeit");
            return *wert;
        }
        case Sortiertyp::Text:
            return zelle;
    }
    return 0.0;
}

int Vergleich(const Schluessel& a, const Schluessel& b) {
    if (const double* x = std::get_if<double>(&a)) {
        const double y = std::get<double>(b);
        return *x < y ? -1 : (*x > y ? 1 : 0);
    }
    return TextVergleich(std::get<std::string>(a), std::get<std::string>(b));
}
}  // namespace

int TextVergleich(const std::string& a, const std::string& b) {
    const auto fa = Faltung(a), fb = Faltung(b);
    if (const int c = fa.first.compare(fb.first)) return c < 0 ? -1 : 1;
    const int c = fa.second.compare(fb.second);
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

void ZeilenSortieren(Tabelle& tabelle, const Sortierauftrag& a) {
    const int zeilen = int(tabelle.size());
    if (a.letzteZeile >= zeilen || a.letzteZeile < a.ersteZeile || a.ersteZeile < 0)
        throw std::invalid_argument("Falsche Zeilenangabe");
    if (a.typen.size() != a.spalten.size()) throw std::invalid_argument("Falsche Anzahl bei Sortiertyp");

    std::size_t spaltenAnzahl = 0;
    for (const auto& zeile : tabelle) spaltenAnzahl = std::max(spaltenAnzahl, zeile.size());
    const int ersteBewegliche = a.festeSpaltenMitbewegen ? 0 : std::max(a.festeSpalten, 0);
    const int letzteBewegliche = int(spaltenAnzahl) - 1;
    std::vector<int> spalten = a.spalten;
    for (int& s : spalten) {
        if (s >= ersteBewegliche && s <= letzteBewegliche) continue;
        if (!a.spaltenBegrenzen || ersteBewegliche > letzteBewegliche)
            throw std::invalid_argument("Falsche Spaltenangabe");
        s = std::clamp(s, ersteBewegliche, letzteBewegliche);
    }

    // Read every key first: a cell of the wrong type stops the sort before
    // anything has moved.
    const bool leerNiedrig = a.aufsteigend == (a.leere == LeereZellen::Zuerst);
    const int n = a.letzteZeile - a.ersteZeile + 1;
    std::vector<std::vector<Schluessel>> schluessel(static_cast<std::size_t>(n));
    for (int r = 0; r < n; ++r) {
        const auto& zeile = tabelle[std::size_t(a.ersteZeile + r)];
        for (std::size_t k = 0; k < spalten.size(); ++k) {
            const std::size_t s = std::size_t(spalten[k]);
            const std::string leer;
            const std::string& zelle = s < zeile.size() ? zeile[s] : leer;
            schluessel[std::size_t(r)].push_back(IstLeer(zelle) ? LeererSchluessel(a.typen[k], leerNiedrig, a.leereZahlExtrem)
                                                                : SchluesselAus(zelle, a.typen[k]));
        }
    }

    std::vector<int> reihenfolge(static_cast<std::size_t>(n));
    for (int r = 0; r < n; ++r) reihenfolge[std::size_t(r)] = r;
    const auto groesser = [&](int i, int j) {
        const auto& x = schluessel[std::size_t(reihenfolge[std::size_t(i)])];
        const auto& y = schluessel[std::size_t(reihenfolge[std::size_t(j)])];
        for (std::size_t k = 0; k < x.size(); ++k)
            if (const int c = Vergleich(x[k], y[k])) return a.aufsteigend ? c > 0 : c < 0;
        return false;
    };
    ShellSortieren(n, groesser, [&](int i, int j) { std::swap(reihenfolge[std::size_t(i)], reihenfolge[std::size_t(j)]); });

    // Move the movable cells into the new order; fixed cells stay.
    const Tabelle alt(tabelle.begin() + a.ersteZeile, tabelle.begin() + a.letzteZeile + 1);
    for (int r = 0; r < n; ++r) {
        const auto& quelle = alt[std::size_t(reihenfolge[std::size_t(r)])];
        auto& ziel = tabelle[std::size_t(a.ersteZeile + r)];
        ziel.resize(std::max(ziel.size(), quelle.size()));
        for (std::size_t s = std::size_t(ersteBewegliche); s < ziel.size(); ++s)
            ziel[s] = s < quelle.size() ? quelle[s] : std::string();
    }
}

}  // namespace quintaro
