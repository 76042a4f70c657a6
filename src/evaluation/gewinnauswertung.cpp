#include "evaluation/gewinnauswertung.h"

#include <cctype>
#include <charconv>

#include "core/fehler.h"
#include "core/formatierung.h"
#include "core/kombinatorik.h"
#include "core/textzeilen.h"
#include "quotas/quotenliste.h"
#include "systems/katalog.h"

namespace quintaro {

namespace {
const std::string kAbbruch = std::string(Absatz) + "Ich breche erst einmal ab.";

bool PasstZumTag(TDatum d, Ziehungstage tage) {
    switch (tage) {
        case Ziehungstage::Sonntag: return IstSonntagsZiehung(d);
        case Ziehungstage::Mittwoch: return IstMittwochsZiehung(d);
        default: return true;
    }
}

Auswertung Abgelehnt(std::string text) {
    Auswertung a;
    a.ablehnung = std::move(text);
    return a;
}

// Step 1-3: the draws to evaluate, or the refusal.
std::string ZiehungenWaehlen(std::span<const TGewZahlen> ziehungen, int bis, int von, Ziehungstage tage,
                             bool zeitraum, std::vector<int>& gewaehlt) {
    if (zeitraum && bis < von) return "Bitte kontrollieren Sie die Angaben für den Zeitraum der Gewinnauswertung" + kAbbruch;
    const int anzahl = int(ziehungen.size());
    if (von < 0 || bis < 0 || von >= anzahl || bis >= anzahl)
        return "Für den gewählten Tag sind noch keine Gewinnzahlen gespeichert. Bitte speichern Sie zuerst die "
               "Ziehung oder wählen Sie einen anderen Tag." + kAbbruch;
    for (int i = von; i <= bis; ++i)
        if (PasstZumTag(ziehungen[std::size_t(i)].datum, tage)) gewaehlt.push_back(i);
    if (!gewaehlt.empty()) return {};
    const std::string tag = tage == Ziehungstage::Sonntag ? "Sonntag" : "Mittwoch";
    if (zeitraum) return "In dem für die Gewinnauswertung gewählten Zeitraum gibt es keine " + tag + "sziehung." + kAbbruch;
    return "An einem " + std::string(WochentagName[std::size_t(Wochentag(ziehungen[std::size_t(bis)].datum))]) +
           " gibt es keine " + tag + "sziehung. ;-)" + kAbbruch;
}
}  // namespace

const std::array<std::string_view, 4> ErgebnisKopf = {"Datum (Wo.-Tag)", "Richtige", "in Reihe", "Gewinn in €"};

int ZelleAlsGanzzahl(const std::string& zelle) {
    std::size_t anfang = 0;
    while (anfang < zelle.size() && zelle[anfang] == ' ') ++anfang;
    const char* erstes = zelle.data() + anfang;
    const char* ende = zelle.data() + zelle.size();
    if (erstes != ende && *erstes == '+') ++erstes;
    int wert = 0;
    const auto [stelle, fehler] = std::from_chars(erstes, ende, wert);
    if (fehler != std::errc() || stelle != ende || erstes == ende)
        throw KonvertierungsFehler("'" + Auszug(zelle) + "' ist kein gültiger ganzzahliger Wert.");
    return wert;
}

std::vector<TZahlenMenge> ReihenMengen(const TippTabelle& reihen) {
    std::vector<TZahlenMenge> mengen;
    mengen.reserve(reihen.size());
    for (std::size_t z = 1; z < reihen.size(); ++z) {
        TZahlenMenge m;
        for (std::size_t s = 1; s <= ZahlenProReihe; ++s) {
            int zahl = 0;
            try {
                zahl = ZelleAlsGanzzahl(Zelle(reihen, z, s));
            } catch (const KonvertierungsFehler& e) {
                throw KonvertierungsFehler(std::string(e.what()) + " (Reihe " + std::to_string(z) + ", Zahl " +
                                           std::to_string(s) + ")");
            }
            if (zahl >= 0 && zahl <= 255) m.hinzu(zahl);
        }
        mengen.push_back(m);
    }
    return mengen;
}

namespace {
// The distinct members of a row among 0..255, padded with an index whose mark is
// always 0. Hits are then counted with six table look-ups instead of set
// operations (no population count instruction is needed).
constexpr std::uint16_t kLeerePlatz = 256;
using Reihenzahlen = std::array<std::uint16_t, ZahlenProReihe>;

std::vector<Reihenzahlen> AlsZahlen(const std::vector<TZahlenMenge>& mengen) {
    std::vector<Reihenzahlen> reihen;
    reihen.reserve(mengen.size());
    for (const auto& m : mengen) {
        Reihenzahlen r;
        r.fill(kLeerePlatz);
        std::size_t i = 0;
        for (int z : m.zahlen())
            if (i < r.size()) r[i++] = std::uint16_t(z);
        reihen.push_back(r);
    }
    return reihen;
}

// Mark of a number in a draw: 1 for a winning number plus 8 for the Zusatzzahl,
// so that the sum over a row is hits + 8 * (Zusatzzahl in the row).
constexpr int kZusatzMarke = 8;

// The prize class for every sum of marks, taken from the game rules for that date.
std::array<std::uint8_t, 16> KlassenTafel(TDatum datum) {
    std::array<std::uint8_t, 16> tafel{};
    const TZahlenMenge gezogen{1, 2, 3, 4, 5, 6};
    constexpr int zusatz = 7;
    for (int treffer = 0; treffer <= ZahlenProReihe; ++treffer) {
        for (int mitZusatz = 0; mitZusatz <= 1; ++mitZusatz) {
            TZahlenMenge reihe;
            for (int z = 1; z <= treffer; ++z) reihe.hinzu(z);
            if (mitZusatz) reihe.hinzu(zusatz);
            tafel[std::size_t(treffer + kZusatzMarke * mitZusatz)] =
                std::uint8_t(GewinnKlasse(reihe, gezogen, zusatz, datum));
        }
    }
    return tafel;
}
}  // namespace

Auswertung GewinnAuswertung(const TippTabelle& reihen, std::span<const TGewZahlen> ziehungen,
                            std::span<const TQuoten> quoten, int bis, int von, bool zeitraum, Ziehungstage tage) {
    if (!zeitraum) von = bis;
    std::vector<int> gewaehlt;
    if (auto ablehnung = ZiehungenWaehlen(ziehungen, bis, von, tage, zeitraum, gewaehlt); !ablehnung.empty())
        return Abgelehnt(std::move(ablehnung));

    const std::vector<Reihenzahlen> zahlen = AlsZahlen(ReihenMengen(reihen));
    const auto tafelAlt = KlassenTafel(NeueKlassenAb - 1);
    const auto tafelNeu = KlassenTafel(NeueKlassenAb);
    std::array<std::uint8_t, kLeerePlatz + 1> marke{};
    Auswertung a;
    a.zeilen.reserve(gewaehlt.size());
    for (int index : gewaehlt) {
        const TGewZahlen& z = ziehungen[std::size_t(index)];
        for (int i = 1; i <= ZahlenProReihe; ++i) marke[z.GZ[std::size_t(i)]] = 1;
        marke[z.ZZ] |= kZusatzMarke;
        const auto& tafel = z.datum >= NeueKlassenAb ? tafelNeu : tafelAlt;
        const TQuoten* real = RealquotenDerZiehung(quoten, z.datum);
        const std::size_t erste = a.zeilen.size();
        for (std::size_t j = 0; j < zahlen.size(); ++j) {
            const Reihenzahlen& r = zahlen[j];
            const int summe = marke[r[0]] + marke[r[1]] + marke[r[2]] + marke[r[3]] + marke[r[4]] + marke[r[5]];
            const int klasse = tafel[std::size_t(summe)];
            if (klasse == 0) continue;
            const Currency betrag = QuoteHolen(real, klasse, z.datum);
            a.zeilen.push_back({z.datum, betrag, std::int32_t(j + 1), std::uint8_t(klasse), false});
            a.gesamt = BetragSumme(a.gesamt, betrag);
            if (betrag > a.hoechstgewinn) {
                a.hoechstgewinn = betrag;
                a.hoechstgewinnDatum = z.datum;
                a.hoechstgewinnZeile = int(a.zeilen.size());
            }
        }
        for (int i = 1; i <= ZahlenProReihe; ++i) marke[z.GZ[std::size_t(i)]] = 0;
        marke[z.ZZ] = 0;
        if (a.zeilen.size() == erste) a.zeilen.push_back({z.datum, 0, 0, 0, false});
        a.zeilen[erste].mitDatum = true;
    }
    return a;
}

std::string DatumsLabel(TDatum datum) {
    std::string label = DatumText(datum) + std::string(WochentagKurz(datum));
    if (label.size() > 18) label.resize(18);
    return label;
}

std::string ErgebnisZelle(const ErgebnisZeile& zeile, int spalte) {
    if (spalte == 0) return zeile.mitDatum ? DatumsLabel(zeile.datum) : std::string();
    if (zeile.klasse == 0) return "---";
    switch (spalte) {
        case 1: return std::string(KlassenLabel(zeile.klasse, zeile.datum));
        case 2: return std::to_string(zeile.reihe);
        default: return QuotenText(zeile.betrag);
    }
}

int SystemscheinAufloesen(const TSystemscheinSatz& satz, TippTabelle& reihen, std::vector<TZahlenMenge>& bankMengen) {
    if (satz.system < 1 || satz.system > 48)
        throw DateiFehler("Der Systemschein nennt kein gültiges System (" + std::to_string(satz.system) + ").");
    const TZahlenMenge bank = Bankzahlen(satz);
    bankMengen.push_back(bank);
    const auto& system = ScheinSystemTabelle()[satz.system];
    const int wz = system.WZ;
    const int k = ZahlenProReihe - system.BZ;
    ReihenKopf(reihen);
    reihen.resize(1);
    reihen.reserve(std::size_t(Binomial(wz, k)) + 1);
    FuerAlleKombinationen(wz, k, [&](const std::vector<int>& positionen) {
        TZahlenMenge reihe = bank;
        for (int p : positionen) reihe.hinzu(satz.wahl[std::size_t(p - 1)]);
        std::vector<std::string> zellen{std::to_string(reihen.size())};
        for (int zahl : reihe.zahlen()) zellen.push_back(std::to_string(zahl));
        zellen.resize(TippSpalten);
        reihen.push_back(std::move(zellen));
        return true;
    });
    return int(bankMengen.size()) - 1;
}

}  // namespace quintaro
