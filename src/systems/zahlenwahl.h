#pragma once
// The choice of the numbers a system is played with: Wahlzahlen first, then
// banker numbers, by clicking the 45 balls or at random. A window shows the
// state (looks of the balls, the two counters) and the returned messages.
#include <random>
#include <string>

#include "core/zahlenmenge.h"

namespace quintaro {

// A message for the user; Keine when the action passed silently.
struct Meldung {
    enum class Art { Keine, Information, Fehler };
    Art art = Art::Keine;
    std::string text;
    bool vorhanden() const { return art != Art::Keine; }
};

// Look of a number ball or distribution plate; Normal is the blank look of a plate.
enum class Zahlaussehen { Normal, Wahlzahl, Bankzahl };
enum class Zaehlerfarbe { Knopfflaeche, Gruen, Hellrot };

class TZahlenwahl {
public:
    // Set by the selection window: the selected system's WZ (0 = none) and the
    // banker numbers allowed (6 - RG on selection, the filter's maximum after filtering).
    void setzeWahlMuss(int wahlMuss) { WahlMuss_ = wahlMuss; }
    void setzeBankMuss(int bankMuss) { BankMuss_ = bankMuss; }

    // A click on the ball of number x (1..45).
    Meldung Klick(int x);
    // Chooses WahlMuss + BankMuss numbers at random, without the Quotenkiller
    // numbers when `killerAusschliessen`.
    Meldung Zufall(bool killerAusschliessen, const TZahlenMenge& killerMenge, std::mt19937_64& zufall);
    // Clears every choice.
    void Loeschen();

    const TZahlenMenge& WahlSet() const { return WahlSet_; }
    const TZahlenMenge& BankSet() const { return BankSet_; }
    int WahlAnz() const { return WahlAnz_; }
    int BankAnz() const { return BankAnz_; }
    int WahlMuss() const { return WahlMuss_; }
    int BankMuss() const { return BankMuss_; }
    bool BankModus() const { return BankModus_; }

    Zahlaussehen Aussehen(int x) const;
    // Counter colours: green when the count is as needed. Right after a system
    // was selected, too many numbers show light red (`nachSystemwahl`).
    Zaehlerfarbe WahlFarbe(bool nachSystemwahl = false) const;
    Zaehlerfarbe BankFarbe(bool nachSystemwahl = false) const;

private:
    TZahlenMenge WahlSet_, BankSet_;
    int WahlAnz_ = 0, BankAnz_ = 0;
    int WahlMuss_ = 0, BankMuss_ = 0;
    bool BankModus_ = false;
};

// The information shown while no system is selected.
extern const std::string KeinSystemGewaehlt;

}  // namespace quintaro
