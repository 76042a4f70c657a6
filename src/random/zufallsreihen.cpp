#include "random/zufallsreihen.h"

#include <algorithm>
#include <bit>
#include <charconv>
#include <numeric>

#include "core/datei.h"
#include "core/kombinatorik.h"

namespace quintaro {

namespace {

constexpr int Berichtsabstand = 4096;  // accepted rows between two progress reports
constexpr std::size_t Blockzeilen = 65536;  // rows turned into grid text at a time when saving

// C(n, k) for n = 0..45 and k = 0..6, for the rank of a row.
constexpr auto BinomialTafel = [] {
    std::array<std::array<std::uint32_t, ZahlenProReihe + 1>, MaxZahl + 1> c{};
    for (int n = 0; n <= MaxZahl; ++n) {
        c[std::size_t(n)][0] = 1;
        for (int k = 1; k <= ZahlenProReihe && k <= n; ++k)
            c[std::size_t(n)][std::size_t(k)] = c[std::size_t(n - 1)][std::size_t(k - 1)] + c[std::size_t(n - 1)][std::size_t(k)];
    }
    return c;
}();
constexpr std::uint32_t AlleReihen = BinomialTafel[MaxZahl][ZahlenProReihe];

std::string_view OhneRaender(std::string_view text) {
    const auto anfang = text.find_first_not_of(' ');
    if (anfang == std::string_view::npos) return {};
    return text.substr(anfang, text.find_last_not_of(' ') - anfang + 1);
}

}  // namespace

std::int64_t MoeglicheReihen(const TRollenstand& stand) {
    const int frei = MaxZahl - stand.bank.anzahl() - stand.killer.anzahl();
    const int offen = ZahlenProReihe - stand.bank.anzahl();
    return Binomial(frei, offen);
}

TAnforderung AnzahlPruefen(std::string_view text, const TRollenstand& stand) {
    const std::string_view zahl = OhneRaender(text);
    std::string_view ziffern = zahl;
    if (ziffern.starts_with('+')) ziffern.remove_prefix(1);
    int anzahl = 0;
    const auto [ende, fehler] = std::from_chars(ziffern.data(), ziffern.data() + ziffern.size(), anzahl);
    const bool zweiVorzeichen = ziffern.size() < zahl.size() && ziffern.starts_with('-');
    if (ziffern.empty() || zweiVorzeichen || fehler != std::errc{} || ende != ziffern.data() + ziffern.size()) {
        std::string meldung = "'";
        meldung.append(text).append("' ist kein gültiger Integerwert");
        return {0, meldung};
    }
    if (anzahl < 1)
        return {0, "Bitte geben Sie mindestens eine Tippreihe an." + std::string(Absatz) + "Ich breche erst einmal ab."};
    if (anzahl > MoeglicheReihen(stand))
        return {0, "Ihre \"Manipulationen\" lassen dem Zufall keine Chance, " + std::to_string(anzahl) +
                       " Tippreihen zu bilden." + std::string(Absatz) + "ich muss abbrechen."};
    return {anzahl, {}};
}

std::vector<std::uint8_t> Topf(const TRollenstand& stand) {
    std::vector<std::uint8_t> topf;
    for (int n = 1; n <= MaxZahl; ++n) {
        if (stand.bank.enthaelt(n) || stand.killer.enthaelt(n)) continue;
        topf.push_back(std::uint8_t(n));
        if (stand.favoriten.enthaelt(n)) topf.push_back(std::uint8_t(n));
    }
    return topf;
}

TReihenmenge::TReihenmenge() : bits_((AlleReihen + 63) / 64) {}

std::uint32_t TReihenmenge::Rang(const TZufallsreihe& reihe) {
    std::uint32_t rang = 0;
    for (std::size_t i = 0; i < reihe.size(); ++i) rang += BinomialTafel[reihe[i] - 1u][i + 1];
    return rang;
}

bool TReihenmenge::ReiheNeu(const TZufallsreihe& reihe) const {
    const std::uint32_t rang = Rang(reihe);
    return (bits_[rang >> 6] & (std::uint64_t{1} << (rang & 63))) == 0;
}

void TReihenmenge::Aufnehmen(const TZufallsreihe& reihe) {
    const std::uint32_t rang = Rang(reihe);
    bits_[rang >> 6] |= std::uint64_t{1} << (rang & 63);
}

TZufallsergebnis ZufallszahlenErmitteln(const TRollenstand& stand, int ZufReihenAnz, TZufallsgenerator& generator,
                                        std::optional<std::uint32_t> festerZustand, const std::atomic<bool>* stopp,
                                        const TZufallsfortschritt& fortschritt) {
    TZufallsergebnis ergebnis;
    // More rows than exist could never be found.
    ergebnis.ZufReihenAnz = int(std::clamp<std::int64_t>(ZufReihenAnz, 0, MoeglicheReihen(stand)));
    const std::vector<std::uint8_t> topf = Topf(stand);
    const auto P = std::uint32_t(topf.size());
    // The lottery numbers live in the first word of a number set.
    const std::uint64_t bankzahlen = stand.bank.wort(0);
    const int bankAnzahl = stand.bank.anzahl();

    if (festerZustand)
        generator.SetzeZustand(*festerZustand);
    else
        generator.Neusaat();
    auto& reihen = ergebnis.Zufreihen;
    reihen.reserve(std::size_t(ergebnis.ZufReihenAnz));
    TReihenmenge angenommen;
    while (int(reihen.size()) < ergebnis.ZufReihenAnz) {
        if (stopp && stopp->load(std::memory_order_relaxed)) break;
        std::uint64_t reihe = bankzahlen;
        for (int gezogen = bankAnzahl; gezogen < ZahlenProReihe;) {
            const std::uint64_t bit = std::uint64_t{1} << topf[generator.random(P)];
            if (reihe & bit) continue;  // already in the row: draw again
            reihe |= bit;
            ++gezogen;
        }
        TZufallsreihe zahlen;
        for (auto& z : zahlen) {
            z = std::uint8_t(std::countr_zero(reihe));
            reihe &= reihe - 1;
        }
        if (!angenommen.ReiheNeu(zahlen)) continue;  // equal to an accepted row: dropped
        angenommen.Aufnehmen(zahlen);
        reihen.push_back(zahlen);
        if (fortschritt && reihen.size() % Berichtsabstand == 0) fortschritt(int(reihen.size()));
    }
    if (fortschritt) fortschritt(int(reihen.size()));
    for (const TZufallsreihe& r : reihen)
        for (std::uint8_t z : r) ++ergebnis.NrCount[z];
    return ergebnis;
}

std::array<int, MaxZahl> Verteilungsfolge(const std::array<int, MaxZahl + 1>& NrCount, bool sortiert) {
    std::array<int, MaxZahl> folge{};
    std::iota(folge.begin(), folge.end(), 1);
    if (sortiert)
        std::stable_sort(folge.begin(), folge.end(),
                         [&](int x, int y) { return NrCount[std::size_t(x)] < NrCount[std::size_t(y)]; });
    return folge;
}

std::string ReiheAlsText(const TZufallsreihe& reihe) {
    std::string text;
    for (std::uint8_t z : reihe) {
        if (!text.empty()) text += ',';
        text += std::to_string(z);
    }
    return text;
}

namespace {
void ZeilenAnhaengen(TippTabelle& tabelle, const std::vector<TZufallsreihe>& reihen, std::size_t von, std::size_t bis) {
    for (std::size_t i = von; i < bis; ++i) {
        std::vector<std::string> zeile{std::to_string(i + 1)};
        for (std::uint8_t z : reihen[i]) zeile.push_back(std::to_string(z));
        tabelle.push_back(std::move(zeile));
    }
}
}  // namespace

TippTabelle AlsTippTabelle(const std::vector<TZufallsreihe>& reihen) {
    TippTabelle tabelle;
    ReihenKopf(tabelle);
    tabelle.reserve(reihen.size() + 1);
    ZeilenAnhaengen(tabelle, reihen, 0, reihen.size());
    return tabelle;
}

void ZufallsreihenSpeichern(const std::vector<TZufallsreihe>& reihen, const std::filesystem::path& datei) {
    // Block by block: millions of rows as one grid of texts would take gigabytes.
    std::string text;
    for (std::size_t von = 0; von < reihen.size(); von += Blockzeilen) {
        TippTabelle block;
        ReihenKopf(block);
        ZeilenAnhaengen(block, reihen, von, std::min(reihen.size(), von + Blockzeilen));
        text += ReihenAlsText(block);
    }
    SchreibeDateiAtomar(datei, text);
}

}  // namespace quintaro
