#pragma once
// Sorting a range of rows of a string grid by key columns, as the row grids of
// the windows show them. The grid is a table of rows of cell texts.
#include <string>
#include <vector>

namespace quintaro {

using Tabelle = std::vector<std::vector<std::string>>;

enum class Sortiertyp { Zahl = 0, DatumZeit = 1, Text = 2 };
// Where empty key cells end up.
enum class LeereZellen { Zuerst, Zuletzt };

struct Sortierauftrag {
    std::vector<int> spalten;        // key columns, most significant first
    std::vector<Sortiertyp> typen;   // one per key column
    int ersteZeile = 1;
    int letzteZeile = 0;
    bool aufsteigend = true;
    int festeSpalten = 1;                  // leading fixed columns of the grid
    bool festeSpaltenMitbewegen = false;   // false: the fixed columns keep their place
    bool spaltenBegrenzen = false;         // clamp key columns instead of refusing them
    LeereZellen leere = LeereZellen::Zuerst;
    bool leereZahlExtrem = true;           // false: an empty number cell counts as 0
};

// Sorts rows ersteZeile..letzteZeile; numbers and dates are read with the
// regional settings (thousands separators dropped). Wrong arguments throw std::invalid_argument
// ("Falsche Zeilenangabe", "Falsche Anzahl bei Sortiertyp", "Falsche Spaltenangabe");
// a key cell that does not read as its type throws KonvertierungsFehler ("Werte
// entsprechen nicht dem Typ Zahl" / "... Datum/Zeit"). Every key is read before
// a row moves, so an error leaves the grid as it was.
void ZeilenSortieren(Tabelle& tabelle, const Sortierauftrag& auftrag);

// Shell sort of the positions 0..n-1 with the gaps n/2, n/4, ..., 1: elements at
// distance gap are swapped while the first is greater than the second. Not stable.
template <typename Groesser, typename Tausche>
void ShellSortieren(int n, Groesser istGroesser, Tausche tausche) {
    for (int abstand = n / 2; abstand > 0; abstand /= 2)
        for (int i = abstand; i < n; ++i)
            for (int j = i - abstand; j >= 0 && istGroesser(j, j + abstand); j -= abstand) tausche(j, j + abstand);
}

// Three-way comparison of texts ignoring case, with umlauts and ß placed beside
// their base letters as the German collation does (ä after a, before b).
int TextVergleich(const std::string& a, const std::string& b);

}  // namespace quintaro
