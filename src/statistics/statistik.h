#pragma once
// Number statistics over the draw history, in three views: all draws (0),
// the Sunday draws (1) and the Wednesday draws (2). Positions are 0-based
// indexes into a view's list (oldest first); a period von..bis includes both
// ends and is empty when bis < von. Only the six winning numbers count.
#include <array>
#include <cstdint>
#include <optional>
#include <string_view>
#include <vector>

#include "core/datenbestand.h"
#include "core/datensaetze.h"
#include "core/zahlenmenge.h"
#include "statistics/kombizaehlung.h"

namespace quintaro {

constexpr int AnzahlAnsichten = 3;
constexpr int AnzahlVorgaben = 5;

// The rebuild after every load or change of the history (the program passes
// Daten()): derives the Sunday and the Wednesday list from GZListe. Everything
// else a statistics window shows is computed when the window is built, so an
// open window keeps what it showed.
void StatistikStart(Datenbestand& daten);

// The heading of a view's column in the statistics window.
std::string_view AnsichtTitel(int v);

constexpr std::string_view MeldungHoechstensSechs = "Sie können maximal sechs Zahlen für die Suche angeben.";

struct TZeitraum {
    int von = 0;
    int bis = -1;
    int laenge() const { return bis < von ? 0 : bis - von + 1; }
    friend bool operator==(const TZeitraum&, const TZeitraum&) = default;
};

// A number and how many of the newest draws of a period went by without it.
struct TAusbleiben {
    int zahl = 0;
    int anzahl = 0;
    friend bool operator==(const TAusbleiben&, const TAusbleiben&) = default;
};

// A draw found by the combination search; its row number is its position + 1.
struct TFundstelle {
    TDatum datum = 0;
    TZahlenMenge mit;  // the draw's other numbers
    friend bool operator==(const TFundstelle&, const TFundstelle&) = default;
};

enum class TUmschaltung { Gewaehlt, Abgewaehlt, Abgelehnt };

// The state of one statistics window: its own copy of the three lists (a
// rebuild of the history does not change an open window), the counts of the
// chosen periods, the frequency order and the search selections.
//
// The combination counts only read the lists, so they may run on another
// thread while the window changes the selections or the frequency counts.
class TStatistik {
public:
    TStatistik(const std::vector<TGewZahlen>& GZListe, const std::vector<TGewZahlen>& GZListeSo,
               const std::vector<TGewZahlen>& GZListeMi);

    const std::vector<TGewZahlen>& Liste(int v) const { return ansicht(v).liste; }
    int ZiehungsAnzahl(int v) const { return int(ansicht(v).liste.size()); }
    TZeitraum GanzeListe(int v) const { return {0, ZiehungsAnzahl(v) - 1}; }

    // Per number 1..45 ([0] unused): the draws of the last counted period that
    // contain it; the whole list until TeilStatistik runs.
    const std::array<int, MaxZahl + 1>& StatAnzahl(int v) const { return ansicht(v).statAnzahl; }
    void TeilStatistik(TZeitraum z, int v);

    // Slot k (0-based) of the plates shows number Anordnung(v)[k]: natural
    // order, or after StatistikAbsteigend the numbers by ascending count (ties
    // by number). The order is taken when toggled, later counts leave it.
    bool Sortiert(int v) const { return ansicht(v).sortiert; }
    const std::array<int, MaxZahl>& Anordnung(int v) const { return ansicht(v).anordnung; }
    void StatistikAbsteigend(int v);

    // The 45 numbers by descending absence, ties by number. A number missing
    // from the whole period has the period's length.
    std::vector<TAusbleiben> Ausgeblieben(TZeitraum z, int v) const;

    // The rankings of the combinations of k = 2..4 numbers over a period, with
    // progress (nothing when stopped). The window ranks the pairs over the
    // whole list and the triples and quadruples over the chosen period.
    std::optional<TRangliste> Kombinationsrangliste(int k, TZeitraum z, int v, const TFortschritt& f = {}) const;
    TRangliste KombinationenFavoriten(int v) const;
    std::optional<TRangliste> KombinationenFavoritenNur3(TZeitraum z, int v, const TFortschritt& f = {}) const;
    std::optional<TRangliste> KombinationenFavoritenNur4(TZeitraum z, int v, const TFortschritt& f = {}) const;

    // The draws of the period that contain the search selection, oldest first.
    std::vector<TFundstelle> KombisSuchen(TZeitraum z, int v) const;

    // Search selection. With `gleichklang` a change in view 0 is copied to
    // views 1 and 2.
    const TZahlenMenge& SuchMenge(int v) const { return ansicht(v).suchMenge; }
    int SuchAnzahl(int v) const { return ansicht(v).suchMenge.anzahl(); }
    bool SucheErlaubt(int v) const { return SuchAnzahl(v) >= 2; }
    TUmschaltung ZahlUmschalten(int n, int v, bool gleichklang);
    void Gleichklang();
    void KombiAufNull(int v, bool gleichklang);

    // Period presets "the last X draws" (k = 1..5); the fifth is the whole list.
    int LetzteX(int v, int k) const;
    TZeitraum LetzteXZeitraum(int v, int k) const;

    // The period clipped to the list (an empty list gives an empty period).
    TZeitraum Begrenzt(TZeitraum z, int v) const;

private:
    struct Ansicht {
        std::vector<TGewZahlen> liste;
        std::vector<TZahlenBits> mengen;  // the winning numbers of each draw
        std::array<int, MaxZahl + 1> statAnzahl{};
        std::array<int, MaxZahl> anordnung{};
        bool sortiert = false;
        TZahlenMenge suchMenge;
    };
    const Ansicht& ansicht(int v) const;
    Ansicht& ansicht(int v);

    std::array<Ansicht, AnzahlAnsichten> ansichten_;
};

}  // namespace quintaro
