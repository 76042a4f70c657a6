#include "core/ziehungstext.h"

#include <algorithm>
#include <charconv>
#include <utility>

#include "core/fehler.h"
#include "core/formatierung.h"
#include "core/textzeilen.h"
#include "core/ziehungsdatei.h"

namespace quintaro {

namespace {
// A draw line has eight fields; more than that are not split further, so that a
// line of millions of separators costs no memory.
constexpr std::size_t kFelder = 8;

std::vector<std::string_view> Felder(std::string_view zeile) {
    std::vector<std::string_view> felder;
    std::size_t start = 0;
    for (std::size_t i = 0; i <= zeile.size() && felder.size() <= kFelder; ++i) {
        if (i == zeile.size() || zeile[i] == ',' || zeile[i] == ';' || zeile[i] == '\t') {
            std::string_view f = zeile.substr(start, i - start);
            while (!f.empty() && f.front() == ' ') f.remove_prefix(1);
            while (!f.empty() && f.back() == ' ') f.remove_suffix(1);
            felder.push_back(f);
            start = i + 1;
        }
    }
    return felder;
}

std::optional<TDatum> DatumFeld(std::string_view f) {
    if (auto iso = DatumAusISO(f)) return iso;
    // DD.MM.YYYY whatever the regional settings say.
    if (f.size() == 10 && f[2] == '.' && f[5] == '.') {
        int tag = 0, monat = 0, jahr = 0;
        const auto zahl = [](std::string_view s, int& wert) {
            return std::from_chars(s.data(), s.data() + s.size(), wert).ptr == s.data() + s.size();
        };
        if (zahl(f.substr(0, 2), tag) && zahl(f.substr(3, 2), monat) && zahl(f.substr(6, 4), jahr) &&
            IstGueltigesDatum(jahr, monat, tag))
            return DatumAus(jahr, monat, tag);
    }
    return std::nullopt;
}

// A header names its columns: none of its words is a number or looks like a
// date ("Z1" may stand in it, "7", "Ziehung 1" or "2019-02-30" may not).
// Anything else is meant as a draw.
bool IstKopfzeile(std::string_view zeile) {
    std::size_t start = 0;
    while (start < zeile.size()) {
        std::size_t ende = zeile.find_first_of(" ,;\t", start);
        if (ende == std::string_view::npos) ende = zeile.size();
        const std::string_view wort = zeile.substr(start, ende - start);
        if (wort.find_first_of("0123456789") != std::string_view::npos &&
            wort.find_first_not_of("0123456789.-/+") == std::string_view::npos)
            return false;
        start = ende + 1;
    }
    return true;
}

std::string ZeilenFehler(std::size_t nr, const std::string& was) {
    return "Zeile " + std::to_string(nr) + ": " + was;
}

std::string Zitat(std::string_view feld) { return "\"" + Auszug(feld) + "\""; }

TGewZahlen ZiehungAusZeile(std::size_t nr, std::string_view zeile) {
    const auto felder = Felder(zeile);
    const auto datum = DatumFeld(felder[0]);
    if (!datum) throw KonvertierungsFehler(ZeilenFehler(nr, Zitat(felder[0]) + " ist kein Datum."));
    if (!IstGueltigesZiehungsdatum(*datum))
        throw KonvertierungsFehler(
            ZeilenFehler(nr, "das Datum " + Zitat(felder[0]) + " liegt nicht in den Jahren 1900 bis 9999."));
    if (felder.size() != kFelder)
        throw KonvertierungsFehler(ZeilenFehler(nr, "erwartet werden ein Datum, sechs Gewinnzahlen und die Zusatzzahl."));
    TGewZahlen z;
    z.datum = *datum;
    for (int i = 1; i <= 7; ++i) {
        int wert = 0;
        const std::string_view f = felder[std::size_t(i)];
        if (std::from_chars(f.data(), f.data() + f.size(), wert).ptr != f.data() + f.size() || f.empty() || wert < 1 ||
            wert > MaxZahl)
            throw KonvertierungsFehler(ZeilenFehler(nr, Zitat(f) + " ist keine Zahl von 1 bis 45."));
        if (i <= 6)
            z.GZ[std::size_t(i)] = std::uint8_t(wert);
        else
            z.ZZ = std::uint8_t(wert);
    }
    std::sort(z.GZ.begin() + 1, z.GZ.end());
    if (!IstGueltigeZiehung(z))
        throw KonvertierungsFehler(ZeilenFehler(nr, "die sieben Zahlen einer Ziehung müssen verschieden sein."));
    return z;
}
}  // namespace

std::vector<TGewZahlen> ZiehungenAusText(std::string_view text) {
    std::vector<TGewZahlen> ziehungen;
    std::vector<std::size_t> zeilenNr;
    bool ersteInhaltszeile = true;
    FuerAlleZeilen(OhneBOM(text), [&](std::size_t nr, std::string_view zeile) {
        if (zeile.find_first_not_of(" \t") == std::string_view::npos) return;
        if (std::exchange(ersteInhaltszeile, false) && IstKopfzeile(zeile)) return;
        ziehungen.push_back(ZiehungAusZeile(nr, zeile));
        zeilenNr.push_back(nr);
    });
    if (ziehungen.empty()) throw KonvertierungsFehler("Der Text enthält keine einzige Ziehung.");
    std::vector<std::size_t> reihenfolge(ziehungen.size());
    for (std::size_t i = 0; i < reihenfolge.size(); ++i) reihenfolge[i] = i;
    std::stable_sort(reihenfolge.begin(), reihenfolge.end(),
                     [&](std::size_t a, std::size_t b) { return ziehungen[a].datum < ziehungen[b].datum; });
    std::vector<TGewZahlen> sortiert;
    sortiert.reserve(ziehungen.size());
    for (std::size_t i = 0; i < reihenfolge.size(); ++i) {
        const auto& z = ziehungen[reihenfolge[i]];
        if (i > 0 && z.datum == sortiert.back().datum)
            throw KonvertierungsFehler(ZeilenFehler(
                zeilenNr[reihenfolge[i]], "das Datum " + DatumISO(z.datum) + " kommt schon in Zeile " +
                                              std::to_string(zeilenNr[reihenfolge[i - 1]]) + " vor."));
        sortiert.push_back(z);
    }
    return sortiert;
}

std::string ZiehungenAlsText(const std::vector<TGewZahlen>& ziehungen) {
    std::string text;
    for (const auto& z : ziehungen) {
        text += DatumISO(z.datum);
        for (int i = 1; i <= 6; ++i) text.append(1, ',').append(std::to_string(z.GZ[std::size_t(i)]));
        text.append(1, ',').append(std::to_string(z.ZZ)).append(1, '\n');
    }
    return text;
}

}  // namespace quintaro
