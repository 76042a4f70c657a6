#include "core/scheindateien.h"

#include <algorithm>
#include <cctype>

#include "core/datei.h"
#include "core/fehler.h"
#include "core/kombinatorik.h"
#include "core/scheinsysteme.h"
#include "core/textzeilen.h"

namespace quintaro {

namespace {
const std::string kLeer;

bool MussInAnfuehrung(const std::string& zelle) {
    return std::any_of(zelle.begin(), zelle.end(),
                       [](char c) { return static_cast<unsigned char>(c) <= ' ' || c == ',' || c == '"'; });
}

std::string InAnfuehrung(const std::string& zelle) {
    std::string r = "\"";
    for (char c : zelle) {
        if (c == '"') r += '"';
        r += c;
    }
    return r + '"';
}

std::string KleinGeschrieben(std::string s) {
    for (char& c : s) c = char(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

[[noreturn]] void KeinSystemschein(const std::filesystem::path& datei, const std::string& grund) {
    throw DateiFehler("Die Datei \"" + DateiName(datei) + "\" ist kein gültiger Systemschein: " + grund);
}
}  // namespace

void ReihenKopf(TippTabelle& tabelle) {
    std::vector<std::string> kopf{"Reihe"};
    for (int i = 1; i < TippSpalten; ++i) kopf.push_back({'Z', char('0' + i)});
    if (tabelle.empty())
        tabelle.push_back(std::move(kopf));
    else
        tabelle[0] = std::move(kopf);
}

const std::string& Zelle(const TippTabelle& tabelle, std::size_t zeile, std::size_t spalte) {
    if (zeile >= tabelle.size() || spalte >= tabelle[zeile].size()) return kLeer;
    return tabelle[zeile][spalte];
}

std::vector<std::string> TextTrennen(std::string_view trenner, std::string_view text, int grenze) {
    std::vector<std::string> teile;
    if (text.empty() || grenze < 0) return teile;
    if (trenner.empty()) return {std::string(text)};
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t pos = text.find(trenner, start);
        if (pos == std::string_view::npos || (grenze > 0 && int(teile.size()) == grenze - 1)) {
            teile.emplace_back(text.substr(start));
            return teile;
        }
        teile.emplace_back(text.substr(start, pos - start));
        start = pos + trenner.size();
    }
    return teile;
}

std::string KommaText(const std::vector<std::string>& zellen) {
    if (zellen.size() == 1 && zellen[0].empty()) return "\"\"";
    std::string zeile;
    for (std::size_t i = 0; i < zellen.size(); ++i) {
        if (i > 0) zeile += ',';
        zeile += MussInAnfuehrung(zellen[i]) ? InAnfuehrung(zellen[i]) : zellen[i];
    }
    return zeile;
}

std::string ReihenAlsText(const TippTabelle& tabelle) {
    const std::size_t spalten = tabelle.empty() ? 0 : tabelle[0].size();
    std::size_t k = 0;
    while (k + 1 < spalten && !Zelle(tabelle, 1, k + 1).empty()) ++k;
    std::string text;
    std::vector<std::string> zellen(k);
    for (std::size_t z = 1; z < tabelle.size(); ++z) {
        for (std::size_t c = 0; c < k; ++c) zellen[c] = Zelle(tabelle, z, c + 1);
        text += KommaText(zellen);
        text += "\r\n";
    }
    return text;
}

void ReihenSpeichern(const TippTabelle& tabelle, const std::filesystem::path& datei) {
    SchreibeDateiAtomar(datei, ReihenAlsText(tabelle));
}

int ReihenAusText(TippTabelle& tabelle, std::string_view text) {
    if (tabelle.empty()) ReihenKopf(tabelle);
    tabelle.resize(1);
    const std::size_t spalten = tabelle[0].size();
    int n = 0;
    FuerAlleZeilen(OhneBOM(text), [&](std::size_t nr, std::string_view zeile) {
        if (zeile.empty() || zeile == "\"\"") return;
        const std::size_t teile = std::size_t(std::count(zeile.begin(), zeile.end(), ',')) + 1;
        if (teile > HoechsteZellenProReihe)
            throw KonvertierungsFehler("Zeile " + std::to_string(nr) + " hat " + std::to_string(teile) +
                                       " Felder; eine Tippreihe hat sechs Zahlen, mehr als " +
                                       std::to_string(HoechsteZellenProReihe) + " Felder sind keine Tippreihe.");
        std::vector<std::string> reihe;
        reihe.reserve(std::max(teile + 1, spalten));
        reihe.push_back(std::to_string(++n));
        for (auto& teil : TextTrennen(",", zeile, 0)) reihe.push_back(std::move(teil));
        if (reihe.size() < spalten) reihe.resize(spalten);
        tabelle.push_back(std::move(reihe));
    });
    return n;
}

int ReihenLesen(TippTabelle& tabelle, const std::filesystem::path& datei) {
    const Bytes inhalt = LiesDatei(datei);
    try {
        return ReihenAusText(tabelle, std::string_view(reinterpret_cast<const char*>(inhalt.data()), inhalt.size()));
    } catch (const KonvertierungsFehler& e) {
        ReihenKopf(tabelle);
        tabelle.resize(1);
        throw DateiFehler("Die Datei \"" + DateiName(datei) + "\" ist kein Normalschein: " + e.what());
    }
}

ScheinArt ScheinArtVon(const std::filesystem::path& datei) {
    const std::string endung = KleinGeschrieben(datei.extension().string());
    if (endung == ".sqtr" || DateiGroesse(datei) == std::int64_t(SystemscheinGroesse)) return ScheinArt::System;
    if (endung == ".nqtr") return ScheinArt::Normal;
    return ScheinArt::Unbekannt;
}

TSystemscheinSatz SystemscheinLesen(const std::filesystem::path& datei) {
    const Bytes inhalt = LiesDatei(datei);
    const std::size_t saetze = inhalt.size() / SystemscheinGroesse;
    if (saetze == 0)
        KeinSystemschein(datei, "Sie enthält keinen vollständigen Datensatz (" + std::to_string(inhalt.size()) +
                                    " von 46 Bytes).");
    const TSystemscheinSatz satz = SystemscheinAus(inhalt.data() + (saetze - 1) * SystemscheinGroesse);
    if (satz.system < 1 || satz.system > 48)
        KeinSystemschein(datei, "Die Systemnummer " + std::to_string(satz.system) + " liegt nicht zwischen 1 und 48.");
    const auto& system = ScheinSystemTabelle()[satz.system];
    TZahlenMenge gesehen;
    const auto pruefe = [&](std::uint8_t z) {
        if (z < 1 || z > MaxZahl)
            KeinSystemschein(datei, "Die Zahl " + std::to_string(z) + " liegt nicht zwischen 1 und 45.");
        if (gesehen.enthaelt(z)) KeinSystemschein(datei, "Die Zahl " + std::to_string(z) + " ist doppelt angekreuzt.");
        gesehen.hinzu(z);
    };
    for (int i = 0; i < system.BZ; ++i) pruefe(satz.bank[std::size_t(i)]);
    for (int i = 0; i < system.WZ; ++i) pruefe(satz.wahl[std::size_t(i)]);
    return satz;
}

void SystemscheinSpeichern(const TSystemscheinSatz& satz, const std::filesystem::path& datei) {
    Bytes daten(SystemscheinGroesse);
    SystemscheinNach(satz, daten.data());
    SchreibeDateiAtomar(datei, daten);
}

TSystemscheinSatz SystemscheinBauen(int system, const TZahlenMenge& bankzahlen, const TZahlenMenge& wahlzahlen) {
    TSystemscheinSatz satz;
    satz.system = std::uint8_t(system);
    const auto bank = MengeZuFeld(bankzahlen, int(satz.bank.size()), MaxZahl);
    const auto wahl = MengeZuFeld(wahlzahlen, int(satz.wahl.size()), MaxZahl);
    std::copy(bank.begin(), bank.end(), satz.bank.begin());
    std::copy(wahl.begin(), wahl.end(), satz.wahl.begin());
    return satz;
}

namespace {
TZahlenMenge ErsteZahlen(const std::uint8_t* zahlen, int anzahl) {
    TZahlenMenge m;
    for (int i = 0; i < anzahl; ++i) m.hinzu(zahlen[i]);
    return m;
}
bool GueltigesSystem(const TSystemscheinSatz& satz) { return satz.system >= 1 && satz.system <= 48; }
}  // namespace

TZahlenMenge Bankzahlen(const TSystemscheinSatz& satz) {
    if (!GueltigesSystem(satz)) return {};
    return ErsteZahlen(satz.bank.data(), ScheinSystemTabelle()[satz.system].BZ);
}

TZahlenMenge Wahlzahlen(const TSystemscheinSatz& satz) {
    if (!GueltigesSystem(satz)) return {};
    return ErsteZahlen(satz.wahl.data(), ScheinSystemTabelle()[satz.system].WZ);
}

}  // namespace quintaro
