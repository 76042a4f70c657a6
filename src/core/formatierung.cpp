#include "core/formatierung.h"

#include <charconv>
#include <cmath>
#include <cstdlib>
#include <ctime>
#include <vector>

#include "core/fehler.h"
#include "core/textzeilen.h"

namespace quintaro {

namespace {
Regionaleinstellungen& AktuelleRegion() {
    static Regionaleinstellungen region;
    return region;
}

std::string Gruppiert(unsigned long long wert) {
    std::string ziffern = std::to_string(wert);
    std::string text;
    const std::size_t n = ziffern.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (i > 0 && (n - i) % 3 == 0) text += Region().tausenderzeichen;
        text += ziffern[i];
    }
    return text;
}

unsigned long long Betrag(Currency wert) {
    return wert < 0 ? 0ULL - static_cast<unsigned long long>(wert) : static_cast<unsigned long long>(wert);
}

// Two decimals of an amount of 1/10000 euro given by sign and size (unsigned,
// so that rounding at the limit of Currency cannot wrap), half away from zero.
std::string ZweiStellen(bool negativ, unsigned long long betragAbs) {
    const unsigned long long cent = betragAbs / 100 + (betragAbs % 100 >= 50 ? 1 : 0);
    std::string text = negativ && cent != 0 ? "-" : "";
    text += Gruppiert(cent / 100) + Region().dezimalzeichen;
    const unsigned rest = unsigned(cent % 100);
    text += char('0' + rest / 10);
    text += char('0' + rest % 10);
    return text;
}
std::string ZweiStellen(Currency betrag) { return ZweiStellen(betrag < 0, Betrag(betrag)); }

bool NurZiffern(std::string_view s) {
    if (s.empty()) return false;
    for (char c : s)
        if (c < '0' || c > '9') return false;
    return true;
}

std::vector<std::string_view> Teile(std::string_view text, std::string_view trenner) {
    std::vector<std::string_view> teile;
    std::size_t start = 0;
    while (true) {
        const std::size_t pos = trenner.empty() ? std::string_view::npos : text.find(trenner, start);
        teile.push_back(text.substr(start, pos == std::string_view::npos ? std::string_view::npos : pos - start));
        if (pos == std::string_view::npos) break;
        start = pos + trenner.size();
    }
    return teile;
}

std::string MitNullen(int v, std::size_t stellen) {
    std::string s = std::to_string(v);
    if (s.size() < stellen) s.insert(0, stellen - s.size(), '0');
    return s;
}
std::string Zweistellig(int v) { return MitNullen(v, 2); }
std::string Vierstellig(int v) { return MitNullen(v, 4); }

int JahrAusText(std::string_view text) {
    const int wert = std::atoi(std::string(text).c_str());
    if (text.size() > 2) return wert;
    // Two digits: the year within 80 years back and 20 years ahead of today.
    const int heute = KalenderTagVon(Heute()).jahr;
    int jahr = heute / 100 * 100 + wert;
    if (jahr > heute + 20) jahr -= 100;
    return jahr;
}
}  // namespace

const Regionaleinstellungen& Region() { return AktuelleRegion(); }
void SetzeRegion(const Regionaleinstellungen& region) { AktuelleRegion() = region; }

std::string ZahlMitTausendern(long long wert) {
    if (wert < 0) return Gruppiert(0ULL - static_cast<unsigned long long>(wert)).insert(0, 1, '-');
    return Gruppiert(static_cast<unsigned long long>(wert));
}

std::string BetragText(Currency betrag) { return ZweiStellen(betrag); }

std::string WaehrungText(Currency betrag) {
    return Region().vorWaehrung + ZweiStellen(betrag) + Region().nachWaehrung;
}

std::string QuotenText(Currency quote) {
    // At most 10 significant digits: amounts of 100 million euro and more lose their cents.
    const unsigned long long betrag = Betrag(quote);
    int stellen = 1;
    for (unsigned long long e = betrag / kCurrencyEinheit; e >= 10; e /= 10) ++stellen;
    if (stellen <= 8) return ZweiStellen(quote);
    unsigned long long einheit = 100;  // one cent in 1/10000 euro
    for (int i = 8; i < stellen; ++i) einheit *= 10;
    return ZweiStellen(quote < 0, (betrag / einheit + (betrag % einheit >= einheit / 2 ? 1 : 0)) * einheit);
}

Currency QuoteLesen(std::string_view text) {
    std::string rein;
    const std::string& tausender = Region().tausenderzeichen;
    for (std::size_t i = 0; i < text.size();) {
        if (!tausender.empty() && text.substr(i, tausender.size()) == tausender) {
            i += tausender.size();
            continue;
        }
        rein += text[i++];
    }
    // Trim blanks.
    const auto a = rein.find_first_not_of(' ');
    const auto b = rein.find_last_not_of(' ');
    rein = a == std::string::npos ? std::string() : rein.substr(a, b - a + 1);
    const auto fehler = [&] {
        return KonvertierungsFehler(std::string("\"").append(Auszug(text)).append("\" ist kein gültiger Betrag."));
    };
    bool negativ = false;
    std::string_view rest = rein;
    if (!rest.empty() && (rest[0] == '-' || rest[0] == '+')) {
        negativ = rest[0] == '-';
        rest.remove_prefix(1);
    }
    const auto teile = Teile(rest, Region().dezimalzeichen);
    if (teile.size() > 2) throw fehler();
    const std::string_view ganz = teile[0];
    const std::string_view bruch = teile.size() == 2 ? teile[1] : std::string_view();
    if ((ganz.empty() && bruch.empty()) || (!ganz.empty() && !NurZiffern(ganz)) ||
        (teile.size() == 2 && !NurZiffern(bruch)) || ganz.size() > 14)
        throw fehler();
    long long wert = ganz.empty() ? 0 : std::atoll(std::string(ganz).c_str()) * kCurrencyEinheit;
    long long faktor = 1000;
    for (std::size_t i = 0; i < bruch.size() && i < 4; ++i, faktor /= 10) wert += (bruch[i] - '0') * faktor;
    if (bruch.size() > 4 && bruch[4] >= '5') wert += 1;  // round to 1/10000
    return negativ ? -wert : wert;
}

std::optional<double> ZahlLesen(std::string_view text) {
    const auto a = text.find_first_not_of(' ');
    if (a == std::string_view::npos) return std::nullopt;
    text = text.substr(a, text.find_last_not_of(' ') - a + 1);
    // Rewrite into the form from_chars reads, checking the shape on the way.
    std::string form;
    std::size_t i = 0;
    const auto ziffern = [&] {
        std::size_t n = 0;
        for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i, ++n) form += text[i];
        return n;
    };
    if (text[0] == '+' || text[0] == '-') {
        if (text[0] == '-') form += '-';
        ++i;
    }
    std::size_t stellen = ziffern();
    const std::string& komma = Region().dezimalzeichen;
    if (!komma.empty() && text.substr(i, komma.size()) == komma) {
        form += '.';
        i += komma.size();
        stellen += ziffern();
    }
    if (stellen == 0) return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        form += 'e';
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) form += text[i++];
        if (ziffern() == 0) return std::nullopt;
    }
    if (i != text.size()) return std::nullopt;
    double wert = 0;
    const auto [ende, fehler] = std::from_chars(form.data(), form.data() + form.size(), wert);
    if (fehler != std::errc{} || ende != form.data() + form.size()) return std::nullopt;
    return wert;
}

std::string DezimalText(double wert, int stellen) {
    char puffer[400];
    const auto [ende, fehler] = std::to_chars(puffer, puffer + sizeof puffer, wert, std::chars_format::fixed, stellen);
    if (fehler != std::errc{}) return "?";
    std::string text;
    for (const char* c = puffer; c != ende; ++c) {
        if (*c == '.')
            text += Region().dezimalzeichen;
        else
            text += *c;
    }
    return text;
}

bool IstDarstellbar(TDatum d) { return std::isfinite(d) && d >= -693593 && d <= 2958465; }

std::string DatumText(TDatum d) {
    if (!IstDarstellbar(d)) return "?";
    const KalenderTag k = KalenderTagVon(d);
    const std::string& t = Region().datumstrenner;
    switch (Region().datumsfolge) {
        case Regionaleinstellungen::Datumsfolge::MonatTagJahr:
            return Zweistellig(k.monat) + t + Zweistellig(k.tag) + t + Vierstellig(k.jahr);
        case Regionaleinstellungen::Datumsfolge::JahrMonatTag:
            return Vierstellig(k.jahr) + t + Zweistellig(k.monat) + t + Zweistellig(k.tag);
        case Regionaleinstellungen::Datumsfolge::TagMonatJahr:
            break;
    }
    return Zweistellig(k.tag) + t + Zweistellig(k.monat) + t + Vierstellig(k.jahr);
}

std::optional<TDatum> DatumLesen(std::string_view text) {
    const auto a = text.find_first_not_of(' ');
    if (a == std::string_view::npos) return std::nullopt;
    text = text.substr(a, text.find_last_not_of(' ') - a + 1);
    const auto teile = Teile(text, Region().datumstrenner);
    if (teile.size() != 3) return std::nullopt;
    for (auto t : teile)
        if (!NurZiffern(t) || t.size() > 4) return std::nullopt;
    int tag = 0, monat = 0, jahr = 0;
    switch (Region().datumsfolge) {
        case Regionaleinstellungen::Datumsfolge::TagMonatJahr:
            tag = std::atoi(std::string(teile[0]).c_str());
            monat = std::atoi(std::string(teile[1]).c_str());
            jahr = JahrAusText(teile[2]);
            break;
        case Regionaleinstellungen::Datumsfolge::MonatTagJahr:
            monat = std::atoi(std::string(teile[0]).c_str());
            tag = std::atoi(std::string(teile[1]).c_str());
            jahr = JahrAusText(teile[2]);
            break;
        case Regionaleinstellungen::Datumsfolge::JahrMonatTag:
            jahr = JahrAusText(teile[0]);
            monat = std::atoi(std::string(teile[1]).c_str());
            tag = std::atoi(std::string(teile[2]).c_str());
            break;
    }
    if (!IstGueltigesDatum(jahr, monat, tag)) return std::nullopt;
    return DatumAus(jahr, monat, tag);
}

std::optional<TDatum> DatumZeitLesen(std::string_view text) {
    const auto a = text.find_first_not_of(' ');
    if (a == std::string_view::npos) return std::nullopt;
    text = text.substr(a, text.find_last_not_of(' ') - a + 1);
    const std::size_t blank = text.find(' ');
    const auto datum = DatumLesen(text.substr(0, blank));
    if (!datum || blank == std::string_view::npos) return datum;
    std::string_view zeit = text.substr(blank);
    zeit.remove_prefix(zeit.find_first_not_of(' '));
    const auto teile = Teile(zeit, ":");
    if (teile.size() < 2 || teile.size() > 3) return std::nullopt;
    int werte[3] = {0, 0, 0};
    for (std::size_t i = 0; i < teile.size(); ++i) {
        if (!NurZiffern(teile[i]) || teile[i].size() > 2) return std::nullopt;
        werte[i] = std::atoi(std::string(teile[i]).c_str());
    }
    if (werte[0] > 23 || werte[1] > 59 || werte[2] > 59) return std::nullopt;
    return *datum + (werte[0] * 3600 + werte[1] * 60 + werte[2]) / 86400.0;
}

std::string DatumISO(TDatum d) {
    if (!IstDarstellbar(d)) return "?";
    const KalenderTag k = KalenderTagVon(d);
    return Vierstellig(k.jahr) + "-" + Zweistellig(k.monat) + "-" + Zweistellig(k.tag);
}

std::optional<TDatum> DatumAusISO(std::string_view text) {
    const auto teile = Teile(text, "-");
    if (teile.size() != 3 || teile[0].size() != 4 || teile[1].size() != 2 || teile[2].size() != 2) return std::nullopt;
    for (auto t : teile)
        if (!NurZiffern(t)) return std::nullopt;
    const int jahr = std::atoi(std::string(teile[0]).c_str());
    const int monat = std::atoi(std::string(teile[1]).c_str());
    const int tag = std::atoi(std::string(teile[2]).c_str());
    if (!IstGueltigesDatum(jahr, monat, tag)) return std::nullopt;
    return DatumAus(jahr, monat, tag);
}

}  // namespace quintaro
