#pragma once
// The win evaluation of a ticket's rows against one draw or the draws of a
// period: one result row per draw without a win ("---") and one per win, the
// total and the highest single win.
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "core/datensaetze.h"
#include "core/scheindateien.h"

namespace quintaro {

enum class Ziehungstage { Alle = 0, Sonntag = 1, Mittwoch = 2 };

// One line of the result grid. Class 0 is a draw without a win ("---" in
// columns 1..3); the date label stands only in the first line of a draw.
struct ErgebnisZeile {
    TDatum datum = 0;
    Currency betrag = 0;
    std::int32_t reihe = 0;  // ticket row, 1-based
    std::uint8_t klasse = 0;
    bool mitDatum = false;
};

struct Auswertung {
    // Set when the evaluation was refused: the information the user is given.
    // Everything else is empty then.
    std::string ablehnung;
    std::vector<ErgebnisZeile> zeilen;
    Currency gesamt = 0;
    Currency hoechstgewinn = 0;
    TDatum hoechstgewinnDatum = 0;
    int hoechstgewinnZeile = 0;  // 1-based line of `zeilen`, 0 = no win

    bool abgelehnt() const { return !ablehnung.empty(); }
};

// The row sets of the grid's rows 1..last from their cells 1..6. Numbers
// outside 0..255 are left out (they never hit); a cell that is not a whole
// number throws KonvertierungsFehler.
std::vector<TZahlenMenge> ReihenMengen(const TippTabelle& reihen);
int ZelleAlsGanzzahl(const std::string& zelle);

// Evaluates the rows against the draws `von`..`bis` (indices into `ziehungen`;
// without a period only `bis`) that pass the day filter. A refusal is returned
// in `ablehnung`; a non-integer row cell throws KonvertierungsFehler.
Auswertung GewinnAuswertung(const TippTabelle& reihen, std::span<const TGewZahlen> ziehungen,
                            std::span<const TQuoten> quoten, int bis, int von, bool zeitraum, Ziehungstage tage);

// "05.09.2010 (So)": the short date and the weekday suffix, at most 18 characters.
std::string DatumsLabel(TDatum datum);
// The texts of the result grid's columns 0..3 for one line.
std::string ErgebnisZelle(const ErgebnisZeile& zeile, int spalte);
// The header of the result grid.
extern const std::array<std::string_view, 4> ErgebnisKopf;

// Fills `reihen` with the rows of the official system ticket: every choice of
// 6 - BZ Wahlzahlen (lexicographic by position) joined with the banker numbers,
// ascending. Appends the ticket's banker set to `bankMengen` and returns its index.
int SystemscheinAufloesen(const TSystemscheinSatz& satz, TippTabelle& reihen, std::vector<TZahlenMenge>& bankMengen);

}  // namespace quintaro
