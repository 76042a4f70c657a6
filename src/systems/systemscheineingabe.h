#pragma once
// The state of a system ticket being filled in: the crossed system, banker
// numbers and Wahlzahlen, with the rules the paper form imposes (a system
// first, no more numbers than it needs, a number in one field only).
#include <string>

#include "core/datensaetze.h"
#include "core/zahlenmenge.h"
#include "systems/scheingeometrie.h"

namespace quintaro {

class SystemscheinEingabe {
public:
    enum class Stand { Offen, Passend, Zuviel };
    static constexpr int KeinBedarf = 100;  // BZMuss / WZMuss without a system

    // A click on a box. Returns the information the user is to be given, or
    // an empty text. Numbers beyond the system's need are ignored silently.
    std::string TrefferVerwerten(int z, Kreuzart was);
    // Removes every cross and stops a running Automatik.
    void NeuerSchein();
    // Rebuilds a saved ticket through the same steps as clicks, without Automatik.
    void Laden(const TSystemscheinSatz& satz);

    // After the fifth banker number of the five-banker system the Wahlzahlen are
    // crossed one by one: the window calls this step by step while it returns true.
    bool automatikLaeuft() const { return automatik_; }
    bool AutomatikSchritt();

    int SysGewaehlt() const { return sysGewaehlt_; }
    int BZMuss() const { return bzMuss_; }
    int WZMuss() const { return wzMuss_; }
    int BZAnz() const { return bzGewaehlt_.anzahl(); }
    int WZAnz() const { return wzGewaehlt_.anzahl(); }
    const TZahlenMenge& BZGewaehlt() const { return bzGewaehlt_; }
    const TZahlenMenge& WZGewaehlt() const { return wzGewaehlt_; }
    Stand BankStand() const { return StandVon(BZAnz(), bzMuss_); }
    Stand WahlStand() const { return StandVon(WZAnz(), wzMuss_); }
    // Both counts match the crossed system: the ticket can be saved.
    bool Vollstaendig() const;
    TSystemscheinSatz Satz() const;

private:
    static Stand StandVon(int anzahl, int muss);
    void SystemKreuzen(int z);
    void ZahlKreuzen(int z, Kreuzart was);

    int sysGewaehlt_ = 0;
    int bzMuss_ = KeinBedarf;
    int wzMuss_ = KeinBedarf;
    TZahlenMenge bzGewaehlt_;
    TZahlenMenge wzGewaehlt_;
    bool automatik_ = false;
    bool automatikErlaubt_ = true;
};

inline const std::string kErstSystemWaehlen = "Bitte wählen Sie zuächst das System aus.";

}  // namespace quintaro
