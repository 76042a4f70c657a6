#pragma once
// The state of the system selection window: the filter, the filtered list
// with the catalogue index of each line, the selected system and the number
// choice that follows the selection.
#include <string>
#include <vector>

#include "systems/systemfilter.h"
#include "systems/zahlenwahl.h"

namespace quintaro {

struct Systemauswahl {
    enum class Folge {
        Meldung,        // nothing listed: `meldung` explains it
        Nichts,         // no line selected
        Img1Verbergen,  // a line without a system
        Gewaehlt,       // AktSystem is the selected system
    };
    Folge folge = Folge::Nichts;
    std::string meldung;
};

class TSystemwahl {
public:
    TSystemfilter filter;
    TZahlenwahl zahlen;

    // Filters the catalogue; the banker limit of the number choice becomes the
    // filter's maximum. A filter that finds nothing leaves ListenIndex as it was.
    Systemliste BFilternClick();
    // A click on line `zeile` of the list (-1: none).
    Systemauswahl l1ListBoxClick(int zeile);

    const std::vector<int>& ListenIndex() const { return ListenIndex_; }
    int AktSystem() const { return AktSystem_; }

private:
    std::vector<int> ListenIndex_;
    int AktSystem_ = -1;
};

// The outcome of a system with one Wahlzahl per row (five banker numbers) by
// the banker numbers hit, when all six drawn numbers are in the pool.
struct Bankzahlausgang {
    int bankTreffer;     // banker numbers among the drawn ones
    int wahlTreffer;     // Wahlzahlen among the drawn ones: 6 - bankTreffer
    int reihenHoeher;    // rows with bankTreffer + 1 hits
    int reihenNiedriger; // rows with bankTreffer hits
};
// From five banker numbers hit down to none.
std::vector<Bankzahlausgang> FuenfBankAusgang(int index);

}  // namespace quintaro
