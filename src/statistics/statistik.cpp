#include "statistics/statistik.h"

#include <algorithm>
#include <numeric>
#include <span>
#include <stdexcept>
#include <utility>

#include "core/spielregeln.h"

namespace quintaro {

namespace {

constexpr std::array<std::array<int, AnzahlVorgaben - 1>, AnzahlAnsichten> FesteVorgaben = {{
    {8, 26, 52, 104},
    {4, 13, 26, 52},
    {4, 13, 26, 52},
}};

constexpr std::array<std::string_view, AnzahlAnsichten> Titel = {
    "Statistiken für Ziehungen am Sonntag und Mittwoch",
    "Statistiken für Ziehungen am Sonntag",
    "Statistiken für Ziehungen am Mittwoch",
};

bool EnthaeltZahl(TZahlenBits menge, int n) { return (menge >> n) & 1; }

}  // namespace

void StatistikStart(Datenbestand& daten) { ListenTeilen(daten.GZListe, daten.GZListeSo, daten.GZListeMi); }

std::string_view AnsichtTitel(int v) { return Titel.at(std::size_t(v)); }

TStatistik::TStatistik(const std::vector<TGewZahlen>& GZListe, const std::vector<TGewZahlen>& GZListeSo,
                       const std::vector<TGewZahlen>& GZListeMi) {
    const std::array<const std::vector<TGewZahlen>*, AnzahlAnsichten> listen = {&GZListe, &GZListeSo, &GZListeMi};
    for (int v = 0; v < AnzahlAnsichten; ++v) {
        Ansicht& a = ansichten_[std::size_t(v)];
        a.liste = *listen[std::size_t(v)];
        a.mengen.reserve(a.liste.size());
        for (const TGewZahlen& z : a.liste) a.mengen.push_back(z.menge().wort(0));
        std::iota(a.anordnung.begin(), a.anordnung.end(), 1);
        TeilStatistik(GanzeListe(v), v);
    }
}

const TStatistik::Ansicht& TStatistik::ansicht(int v) const {
    if (v < 0 || v >= AnzahlAnsichten) throw std::out_of_range("Es gibt nur die Ansichten 0, 1 und 2.");
    return ansichten_[std::size_t(v)];
}

TStatistik::Ansicht& TStatistik::ansicht(int v) {
    return const_cast<Ansicht&>(std::as_const(*this).ansicht(v));
}

TZeitraum TStatistik::Begrenzt(TZeitraum z, int v) const {
    return {std::max(z.von, 0), std::min(z.bis, ZiehungsAnzahl(v) - 1)};
}

void TStatistik::TeilStatistik(TZeitraum z, int v) {
    Ansicht& a = ansicht(v);
    z = Begrenzt(z, v);
    a.statAnzahl.fill(0);
    for (int d = z.von; d <= z.bis; ++d)
        for (int n = 1; n <= MaxZahl; ++n) a.statAnzahl[std::size_t(n)] += EnthaeltZahl(a.mengen[std::size_t(d)], n);
}

void TStatistik::StatistikAbsteigend(int v) {
    Ansicht& a = ansicht(v);
    std::iota(a.anordnung.begin(), a.anordnung.end(), 1);
    a.sortiert = !a.sortiert;
    if (a.sortiert)
        std::stable_sort(a.anordnung.begin(), a.anordnung.end(), [&](int x, int y) {
            return a.statAnzahl[std::size_t(x)] < a.statAnzahl[std::size_t(y)];
        });
}

std::vector<TAusbleiben> TStatistik::Ausgeblieben(TZeitraum z, int v) const {
    const Ansicht& a = ansicht(v);
    z = Begrenzt(z, v);
    std::vector<TAusbleiben> liste;
    for (int n = 1; n <= MaxZahl; ++n) {
        int d = z.bis;
        while (d >= z.von && !EnthaeltZahl(a.mengen[std::size_t(d)], n)) --d;
        liste.push_back({n, z.bis - d});
    }
    std::stable_sort(liste.begin(), liste.end(), [](const TAusbleiben& x, const TAusbleiben& y) { return x.anzahl > y.anzahl; });
    return liste;
}

std::optional<TRangliste> TStatistik::Kombinationsrangliste(int k, TZeitraum z, int v, const TFortschritt& f) const {
    const Ansicht& a = ansicht(v);
    z = Begrenzt(z, v);
    const std::span<const TZahlenBits> ziehungen =
        z.laenge() == 0 ? std::span<const TZahlenBits>{} : std::span(a.mengen).subspan(std::size_t(z.von), std::size_t(z.laenge()));
    const auto anz = KombisZaehlen(ziehungen, k, f);
    if (!anz) return std::nullopt;
    TRangliste liste = RanglisteBilden(*anz, k);
    if (f && !f(2 * KombiAnzahl(k))) return std::nullopt;
    return liste;
}

TRangliste TStatistik::KombinationenFavoriten(int v) const { return *Kombinationsrangliste(2, GanzeListe(v), v); }

std::optional<TRangliste> TStatistik::KombinationenFavoritenNur3(TZeitraum z, int v, const TFortschritt& f) const {
    return Kombinationsrangliste(3, z, v, f);
}

std::optional<TRangliste> TStatistik::KombinationenFavoritenNur4(TZeitraum z, int v, const TFortschritt& f) const {
    return Kombinationsrangliste(4, z, v, f);
}

std::vector<TFundstelle> TStatistik::KombisSuchen(TZeitraum z, int v) const {
    const Ansicht& a = ansicht(v);
    z = Begrenzt(z, v);
    std::vector<TFundstelle> funde;
    for (int d = z.von; d <= z.bis; ++d) {
        const TGewZahlen& ziehung = a.liste[std::size_t(d)];
        const TZahlenMenge menge = ziehung.menge();
        if ((a.suchMenge & menge) == a.suchMenge) funde.push_back({ziehung.datum, menge - a.suchMenge});
    }
    return funde;
}

TUmschaltung TStatistik::ZahlUmschalten(int n, int v, bool gleichklang) {
    if (n < 1 || n > MaxZahl) throw std::out_of_range("Gesucht werden nur die Zahlen 1 bis 45.");
    Ansicht& a = ansicht(v);
    TUmschaltung ergebnis = TUmschaltung::Gewaehlt;
    if (a.suchMenge.enthaelt(n)) {
        a.suchMenge.entferne(n);
        ergebnis = TUmschaltung::Abgewaehlt;
    } else if (a.suchMenge.anzahl() >= ZahlenProReihe) {
        return TUmschaltung::Abgelehnt;
    } else {
        a.suchMenge.hinzu(n);
    }
    if (gleichklang && v == 0) Gleichklang();
    return ergebnis;
}

void TStatistik::Gleichklang() {
    for (int v = 1; v < AnzahlAnsichten; ++v) ansicht(v).suchMenge = ansicht(0).suchMenge;
}

void TStatistik::KombiAufNull(int v, bool gleichklang) {
    ansicht(v).suchMenge.leeren();
    if (gleichklang && v == 0) Gleichklang();
}

int TStatistik::LetzteX(int v, int k) const {
    if (k < 1 || k > AnzahlVorgaben) throw std::out_of_range("Es gibt nur die Vorgaben 1 bis 5.");
    const int laenge = ZiehungsAnzahl(v);  // also checks the view
    return k == AnzahlVorgaben ? laenge : FesteVorgaben[std::size_t(v)][std::size_t(k - 1)];
}

TZeitraum TStatistik::LetzteXZeitraum(int v, int k) const {
    const int laenge = ZiehungsAnzahl(v);
    // A list shorter than the preset starts at its oldest draw.
    return {std::max(laenge - LetzteX(v, k), 0), laenge - 1};
}

}  // namespace quintaro
