#include "core/einstellungen.h"

#include <algorithm>
#include <cctype>
#include <sstream>

#include "core/datei.h"
#include "core/datenpfad.h"
#include "core/fehler.h"
#include "core/spielregeln.h"
#include "core/textzeilen.h"

namespace quintaro {

namespace {
// Section and key names compare without regard to case, as INI files always have.
bool GleichOhneGross(const std::string& a, const std::string& b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
           });
}

std::string Getrimmt(const std::string& s) {
    const auto a = s.find_first_not_of(" \t\r");
    if (a == std::string::npos) return {};
    return s.substr(a, s.find_last_not_of(" \t\r") - a + 1);
}
}  // namespace

Einstellungen::Einstellungen() : Einstellungen(DatenDatei(EinstellungsDateiName)) {}

namespace {
struct Sperren {
    std::vector<std::filesystem::path> pfade;  // files found unreadable in this run
    std::function<void(const std::string&)> melder;
};
Sperren& LeseSperren() {
    static Sperren sperren;
    return sperren;
}
}  // namespace

void Einstellungen::SetzeMelder(std::function<void(const std::string&)> melder) {
    LeseSperren().melder = std::move(melder);
}

Einstellungen::Einstellungen(std::filesystem::path pfad) : pfad_(std::move(pfad)) {
    auto& sperren = LeseSperren();
    if (std::find(sperren.pfade.begin(), sperren.pfade.end(), pfad_) != sperren.pfade.end()) {
        gesperrt_ = true;
        return;
    }
    std::optional<Bytes> inhalt;
    try {
        inhalt = LiesDateiFallsVorhanden(pfad_);
    } catch (const DateiFehler& e) {
        gesperrt_ = true;
        sperren.pfade.push_back(pfad_);
        if (sperren.melder)
            sperren.melder(std::string(e.what()) + std::string(Absatz) +
                           "Die Einstellungen werden bis zum Programmende nicht gespeichert, damit die Datei "
                           "unverändert erhalten bleibt.");
        return;
    }
    if (!inhalt) return;
    const std::string_view text(reinterpret_cast<const char*>(inhalt->data()), inhalt->size());
    FuerAlleZeilen(OhneBOM(text), [&](std::size_t, std::string_view z) {
        const std::string zeile(z);
        const std::string t = Getrimmt(zeile);
        if (t.size() >= 2 && t.front() == '[' && t.back() == ']') {
            sektionen_.push_back({Getrimmt(t.substr(1, t.size() - 2)), {}});
            return;
        }
        if (sektionen_.empty()) {
            vorspann_.push_back(zeile);
            return;
        }
        const auto gleich = zeile.find('=');
        if (gleich == std::string::npos) {
            if (!t.empty()) sektionen_.back().eintraege.push_back({zeile, std::string(), true});
            return;
        }
        sektionen_.back().eintraege.push_back({Getrimmt(zeile.substr(0, gleich)), zeile.substr(gleich + 1), false});
    });
}

bool Einstellungen::DateiVorhanden() { return Vorhanden(DatenDatei(EinstellungsDateiName)); }

const std::string* Einstellungen::finde(const std::string& sektion, const std::string& schluessel) const {
    for (const auto& s : sektionen_) {
        if (!GleichOhneGross(s.name, sektion)) continue;
        for (const auto& e : s.eintraege)
            if (!e.roh && GleichOhneGross(e.schluessel, schluessel)) return &e.wert;
    }
    return nullptr;
}

std::string Einstellungen::leseText(const std::string& sektion, const std::string& schluessel,
                                    const std::string& vorgabe) const {
    const std::string* wert = finde(sektion, schluessel);
    return wert ? *wert : vorgabe;
}

int Einstellungen::leseZahl(const std::string& sektion, const std::string& schluessel, int vorgabe) const {
    const std::string* wert = finde(sektion, schluessel);
    if (!wert) return vorgabe;
    const std::string t = Getrimmt(*wert);
    try {
        std::size_t pos = 0;
        const long long v = std::stoll(t, &pos, 10);
        if (pos != t.size() || v < INT32_MIN || v > INT32_MAX) return vorgabe;
        return int(v);
    } catch (const std::exception&) {
        return vorgabe;
    }
}

bool Einstellungen::leseSchalter(const std::string& sektion, const std::string& schluessel, bool vorgabe) const {
    const int kein = vorgabe ? 1 : 0;
    // Any integer other than 0 is true; a value that is no integer reads as the default.
    const int a = leseZahl(sektion, schluessel, kein);
    const int b = leseZahl(sektion, schluessel, kein + 1);
    if (a != b) return vorgabe;
    return a != 0;
}

void Einstellungen::schreibeText(const std::string& sektion, const std::string& schluessel, const std::string& wert) {
    const std::vector<Sektion> vorher = sektionen_;
    Sektion* ziel = nullptr;
    for (auto& s : sektionen_)
        if (GleichOhneGross(s.name, sektion)) {
            ziel = &s;
            break;
        }
    if (!ziel) {
        sektionen_.push_back({sektion, {}});
        ziel = &sektionen_.back();
    }
    // Line breaks would split the entry; a value is one line.
    std::string einzeilig = wert;
    std::replace(einzeilig.begin(), einzeilig.end(), '\n', ' ');
    std::replace(einzeilig.begin(), einzeilig.end(), '\r', ' ');
    auto it = std::find_if(ziel->eintraege.begin(), ziel->eintraege.end(),
                           [&](const Eintrag& e) { return !e.roh && GleichOhneGross(e.schluessel, schluessel); });
    if (it != ziel->eintraege.end())
        it->wert = einzeilig;
    else
        ziel->eintraege.push_back({schluessel, einzeilig, false});
    speichernOderZurueck(vorher);
}

void Einstellungen::schreibeZahl(const std::string& sektion, const std::string& schluessel, int wert) {
    schreibeText(sektion, schluessel, std::to_string(wert));
}

void Einstellungen::schreibeSchalter(const std::string& sektion, const std::string& schluessel, bool wert) {
    schreibeText(sektion, schluessel, wert ? "1" : "0");
}

void Einstellungen::loescheSektion(const std::string& sektion) {
    const std::vector<Sektion> vorher = sektionen_;
    std::erase_if(sektionen_, [&](const Sektion& s) { return GleichOhneGross(s.name, sektion); });
    speichernOderZurueck(vorher);
}

void Einstellungen::speichernOderZurueck(const std::vector<Sektion>& vorher) {
    try {
        speichern();
    } catch (...) {
        sektionen_ = vorher;
        throw;
    }
}

void Einstellungen::speichern() const {
    if (gesperrt_) return;
    std::ostringstream out;
    for (const auto& z : vorspann_) out << z << "\r\n";
    for (const auto& s : sektionen_) {
        out << '[' << s.name << "]\r\n";
        for (const auto& e : s.eintraege) out << (e.roh ? e.schluessel : e.schluessel + '=' + e.wert) << "\r\n";
    }
    SchreibeDateiAtomar(pfad_, out.str());
}

}  // namespace quintaro
