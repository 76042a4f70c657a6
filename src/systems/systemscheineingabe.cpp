#include "systems/systemscheineingabe.h"

#include "core/scheindateien.h"
#include "systems/katalog.h"

namespace quintaro {

std::string SystemscheinEingabe::TrefferVerwerten(int z, Kreuzart was) {
    if (was == Kreuzart::System) {
        if (z >= 1 && z <= 48) SystemKreuzen(z);
        return {};
    }
    if (sysGewaehlt_ == 0) return kErstSystemWaehlen;
    ZahlKreuzen(z, was);
    return {};
}

void SystemscheinEingabe::ZahlKreuzen(int z, Kreuzart was) {
    const bool bank = was == Kreuzart::Bank;
    TZahlenMenge& hier = bank ? bzGewaehlt_ : wzGewaehlt_;
    TZahlenMenge& dort = bank ? wzGewaehlt_ : bzGewaehlt_;
    if (hier.enthaelt(z)) {
        hier.entferne(z);
    } else if (hier.anzahl() < (bank ? bzMuss_ : wzMuss_)) {
        hier.hinzu(z);
        dort.entferne(z);  // a number stands in one field only
    }
    if (bank && automatikErlaubt_ && BZAnz() == MaxBankzahlen && WZAnz() == 0) automatik_ = true;
}

void SystemscheinEingabe::SystemKreuzen(int z) {
    const bool nurLoeschen = z == sysGewaehlt_;
    sysGewaehlt_ = nurLoeschen ? 0 : z;
    const auto& eintrag = ScheinSystemTabelle()[std::size_t(sysGewaehlt_)];
    bzMuss_ = eintrag.BZ;
    wzMuss_ = eintrag.WZ;
}

bool SystemscheinEingabe::AutomatikSchritt() {
    if (!automatik_) return false;
    for (int n = 1; n <= MaxZahl && WZAnz() < wzMuss_; ++n) {
        if (bzGewaehlt_.enthaelt(n) || wzGewaehlt_.enthaelt(n)) continue;
        wzGewaehlt_.hinzu(n);
        return true;
    }
    automatik_ = false;
    return false;
}

void SystemscheinEingabe::NeuerSchein() { *this = SystemscheinEingabe(); }

void SystemscheinEingabe::Laden(const TSystemscheinSatz& satz) {
    NeuerSchein();
    automatikErlaubt_ = false;
    TrefferVerwerten(satz.system, Kreuzart::System);
    for (int z : Bankzahlen(satz).zahlen()) TrefferVerwerten(z, Kreuzart::Bank);
    for (int z : Wahlzahlen(satz).zahlen()) TrefferVerwerten(z, Kreuzart::Wahl);
    automatikErlaubt_ = true;
}

bool SystemscheinEingabe::Vollstaendig() const {
    return sysGewaehlt_ != 0 && BZAnz() == bzMuss_ && WZAnz() == wzMuss_;
}

TSystemscheinSatz SystemscheinEingabe::Satz() const { return SystemscheinBauen(sysGewaehlt_, bzGewaehlt_, wzGewaehlt_); }

SystemscheinEingabe::Stand SystemscheinEingabe::StandVon(int anzahl, int muss) {
    if (anzahl == muss) return Stand::Passend;
    return anzahl > muss ? Stand::Zuviel : Stand::Offen;
}

}  // namespace quintaro
