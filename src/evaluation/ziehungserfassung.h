#pragma once
// Entering and correcting draws by hand: the number picker's click rule and
// the adding mode of the main window, without any window.
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "core/datensaetze.h"

namespace quintaro {

enum class ZahlAussehen { Normal, Gewinnzahl, Zusatzzahl };

// Up to six chosen winning numbers and one Zusatzzahl.
class Zahlenwahl {
public:
    using Aenderungen = std::vector<std::pair<int, ZahlAussehen>>;

    // The click on number a; returns the numbers whose look changed.
    Aenderungen waehle(int a);
    // Shows a stored draw: its six numbers in stored order, then its Zusatzzahl.
    Aenderungen zeige(const TGewZahlen& z);
    void leeren();

    const TZahlenMenge& gewinnzahlen() const { return gewaehlt_; }
    int anzahl() const { return anzahl_; }
    int zusatzzahl() const { return zusatzzahl_; }
    ZahlAussehen aussehen(int n) const;

private:
    TZahlenMenge gewaehlt_;
    int anzahl_ = 0;
    int zusatzzahl_ = 0;
};

// The adding mode and the save rules over the draw history.
class Ziehungserfassung {
public:
    bool hinzufuegen() const { return hinzufuegen_; }
    TDatum vorgeschlagenesDatum() const { return vorschlag_; }

    // Starts adding: the proposed date is the draw day after the newest stored
    // draw, or with no draws the latest Sunday or Wednesday before today.
    TDatum starteHinzufuegen(const std::vector<TGewZahlen>& liste, TDatum heute);
    void beendeHinzufuegen() { hinzufuegen_ = false; }

    // What saving the picker would make of the history: the new list, or the
    // German refusal. `index` is the chooser's selected draw (-1 none), used
    // outside adding mode. The caller writes the file and, when that worked,
    // takes the list and calls beendeHinzufuegen().
    struct Ergebnis {
        std::vector<TGewZahlen> liste;
        std::size_t index = 0;  // position of the saved draw
        std::string fehler;     // non-empty: refused, nothing to write
    };
    Ergebnis speichern(const std::vector<TGewZahlen>& liste, const Zahlenwahl& wahl, int index) const;

private:
    bool hinzufuegen_ = false;
    TDatum vorschlag_ = 0;
};

}  // namespace quintaro
