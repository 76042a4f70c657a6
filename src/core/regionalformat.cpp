#include "core/regionalformat.h"

#include <charconv>
#include <string>

namespace quintaro {

namespace {
std::string_view OhneRand(std::string_view t) {
    while (!t.empty() && (t.front() == ' ' || t.front() == '\t')) t.remove_prefix(1);
    while (!t.empty() && (t.back() == ' ' || t.back() == '\t')) t.remove_suffix(1);
    return t;
}

bool IstZiffer(char c) { return c >= '0' && c <= '9'; }

// Reads 1..maxStellen digits at pos; advances pos.
std::optional<int> Ziffern(std::string_view t, std::size_t& pos, std::size_t maxStellen) {
    const std::size_t start = pos;
    int wert = 0;
    while (pos < t.size() && IstZiffer(t[pos]) && pos - start < maxStellen) wert = wert * 10 + (t[pos++] - '0');
    if (pos == start) return std::nullopt;
    return wert;
}

bool Zeichen(std::string_view t, std::size_t& pos, char c) {
    if (pos < t.size() && t[pos] == c) {
        ++pos;
        return true;
    }
    return false;
}
}  // namespace

std::optional<double> ZahlAusText(std::string_view text) {
    text = OhneRand(text);
    // Check the shape first: sign, digits, comma, digits, exponent.
    std::string c;
    std::size_t i = 0;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        if (text[i] == '-') c += '-';
        ++i;
    }
    std::size_t ziffern = 0;
    while (i < text.size() && IstZiffer(text[i])) c += text[i++], ++ziffern;
    if (i < text.size() && text[i] == ',') {
        c += '.';
        ++i;
        while (i < text.size() && IstZiffer(text[i])) c += text[i++], ++ziffern;
    }
    if (ziffern == 0) return std::nullopt;
    if (i < text.size() && (text[i] == 'e' || text[i] == 'E')) {
        c += 'e';
        ++i;
        if (i < text.size() && (text[i] == '+' || text[i] == '-')) c += text[i++];
        std::size_t exponent = 0;
        while (i < text.size() && IstZiffer(text[i])) c += text[i++], ++exponent;
        if (exponent == 0) return std::nullopt;
    }
    if (i != text.size()) return std::nullopt;
    double wert = 0;
    const auto [ende, fehler] = std::from_chars(c.data(), c.data() + c.size(), wert);
    if (fehler != std::errc{} || ende != c.data() + c.size()) return std::nullopt;
    return wert;
}

std::optional<TDatum> DatumZeitAusText(std::string_view text) {
    text = OhneRand(text);
    std::size_t pos = 0;
    const auto tag = Ziffern(text, pos, 2);
    if (!tag || !Zeichen(text, pos, '.')) return std::nullopt;
    const auto monat = Ziffern(text, pos, 2);
    if (!monat || !Zeichen(text, pos, '.')) return std::nullopt;
    const auto jahr = Ziffern(text, pos, 4);
    if (!jahr || !IstGueltigesDatum(*jahr, *monat, *tag)) return std::nullopt;
    TDatum datum = DatumAus(*jahr, *monat, *tag);
    if (pos == text.size()) return datum;
    if (!Zeichen(text, pos, ' ')) return std::nullopt;
    while (Zeichen(text, pos, ' ')) {
    }
    const auto stunde = Ziffern(text, pos, 2);
    if (!stunde || !Zeichen(text, pos, ':')) return std::nullopt;
    const auto minute = Ziffern(text, pos, 2);
    if (!minute) return std::nullopt;
    int sekunde = 0;
    if (Zeichen(text, pos, ':')) {
        const auto s = Ziffern(text, pos, 2);
        if (!s) return std::nullopt;
        sekunde = *s;
    }
    if (pos != text.size() || *stunde > 23 || *minute > 59 || sekunde > 59) return std::nullopt;
    return datum + (*stunde * 3600 + *minute * 60 + sekunde) / 86400.0;
}

std::string TausenderText(std::int64_t zahl) {
    const std::string ziffern = std::to_string(zahl < 0 ? -(zahl + 1) + 1ULL : std::uint64_t(zahl));
    std::string text = zahl < 0 ? "-" : "";
    for (std::size_t i = 0; i < ziffern.size(); ++i) {
        if (i > 0 && (ziffern.size() - i) % 3 == 0) text += '.';
        text += ziffern[i];
    }
    return text;
}

std::string DezimalText(double zahl, int stellen) {
    char puffer[64];
    const auto [ende, fehler] = std::to_chars(puffer, puffer + sizeof puffer, zahl, std::chars_format::fixed, stellen);
    std::string text = fehler == std::errc{} ? std::string(puffer, ende) : std::string();
    for (char& c : text)
        if (c == '.') c = ',';
    return text;
}

}  // namespace quintaro
