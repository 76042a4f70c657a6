#pragma once
// The three roles a number can take in the random tips: banker number (in
// every row, at most five), quota killer (in no row; the program-wide
// KillerMenge) and favourite (drawn with double weight). A number takes at
// most one role.
#include <optional>
#include <string>
#include <string_view>

#include "core/zahlenmenge.h"

namespace quintaro {

enum class Rolle { Bank = 1, Killer = 2, Favorit = 3 };

extern const std::string MeldungBankGrenze;
extern const std::string MeldungKillerGrenze;

// What a toggle did. Abgelehnt carries the limit's message for the user;
// Unzulaessig (a number outside 1..45 or one that has another role, which the
// window never offers) carries a text for the command line.
struct TRollenwechsel {
    enum class Art { Gesetzt, Entfernt, Abgelehnt, Unzulaessig };
    Art art;
    std::string meldung;
};

// The roles as one value, for a generation run.
struct TRollenstand {
    TZahlenMenge bank, killer, favoriten;
};

class TZufallsrollen {
public:
    // Starts with no number in any role; the program-wide KillerMenge is emptied too.
    TZufallsrollen();

    // Toggles number n = code mod 100 in role a = code div 100, within the limits.
    TRollenwechsel BLotAuswerten(int code);
    TRollenwechsel Umschalten(Rolle a, int n) { return BLotAuswerten(n + 100 * int(a)); }
    // Removes every number of the role.
    void Leeren(Rolle a);
    // Restores a stored list ("7,21,33") through the same limits as clicks;
    // entries that are no number 1..45 or that are refused are skipped.
    void Einlesen(Rolle a, std::string_view liste);
    // The role's numbers ascending, joined by ",".
    std::string AlsText(Rolle a) const;

    const TZahlenMenge& Menge(Rolle a) const;
    int Anzahl(Rolle a) const { return Menge(a).anzahl(); }
    int ZufBankAnzahl() const { return Anzahl(Rolle::Bank); }
    int ZufFavAnzahl() const { return Anzahl(Rolle::Favorit); }
    std::optional<Rolle> RolleVon(int n) const;
    TRollenstand Stand() const;

private:
    TZahlenMenge& Veraenderbar(Rolle a);

    TZahlenMenge BZGewaehlt_, FavGewaehlt_;
};

}  // namespace quintaro
