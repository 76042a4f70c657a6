#include "random/zufallsrollen.h"

#include <charconv>

#include "core/kombinatorik.h"
#include "core/spielregeln.h"
#include "random/quotenkiller.h"

namespace quintaro {

const std::string MeldungBankGrenze = "Mehr als fünf Bankzahlen lässt dem Zufall keinen Raum.";
const std::string MeldungKillerGrenze = "Noch einen Quotenkiller mehr und der Zufall hat gar keine Chance mehr." +
                                        std::string(Absatz) + "Ich breche ab.";

namespace {
const char* RollenName(Rolle a) {
    switch (a) {
        case Rolle::Bank: return "Bankzahl";
        case Rolle::Killer: return "Quotenkiller";
        case Rolle::Favorit: return "Favorit";
    }
    return "";
}
}  // namespace

TZufallsrollen::TZufallsrollen() { KillerMenge().leeren(); }

const TZahlenMenge& TZufallsrollen::Menge(Rolle a) const {
    return a == Rolle::Bank ? BZGewaehlt_ : a == Rolle::Killer ? KillerMenge() : FavGewaehlt_;
}

TZahlenMenge& TZufallsrollen::Veraenderbar(Rolle a) {
    return a == Rolle::Bank ? BZGewaehlt_ : a == Rolle::Killer ? KillerMenge() : FavGewaehlt_;
}

std::optional<Rolle> TZufallsrollen::RolleVon(int n) const {
    for (Rolle a : {Rolle::Bank, Rolle::Killer, Rolle::Favorit})
        if (Menge(a).enthaelt(n)) return a;
    return std::nullopt;
}

TRollenwechsel TZufallsrollen::BLotAuswerten(int code) {
    const int n = code % 100;
    const int rolle = code / 100;
    if (n < 1 || n > MaxZahl || rolle < 1 || rolle > 3)
        return {TRollenwechsel::Art::Unzulaessig, "Die Zahl " + std::to_string(n) + " liegt nicht zwischen 1 und 45."};
    const Rolle a = Rolle(rolle);
    TZahlenMenge& menge = Veraenderbar(a);
    if (menge.enthaelt(n)) {
        menge.entferne(n);
        return {TRollenwechsel::Art::Entfernt, {}};
    }
    if (const auto andere = RolleVon(n))
        return {TRollenwechsel::Art::Unzulaessig,
                "Die Zahl " + std::to_string(n) + " ist schon als " + RollenName(*andere) + " gewählt."};
    if (a == Rolle::Bank && ZufBankAnzahl() == MaxBankzahlen) return {TRollenwechsel::Art::Abgelehnt, MeldungBankGrenze};
    if (a == Rolle::Killer && ZufBankAnzahl() + KillerAnzahl() == MaxZahl - 1)
        return {TRollenwechsel::Art::Abgelehnt, MeldungKillerGrenze};
    menge.hinzu(n);
    return {TRollenwechsel::Art::Gesetzt, {}};
}

void TZufallsrollen::Leeren(Rolle a) {
    for (int n = 1; n <= MaxZahl; ++n)
        if (Menge(a).enthaelt(n)) Umschalten(a, n);
}

void TZufallsrollen::Einlesen(Rolle a, std::string_view liste) {
    while (!liste.empty()) {
        const std::size_t komma = liste.find(',');
        const std::string_view eintrag = liste.substr(0, komma);
        int n = 0;
        const auto [ende, fehler] = std::from_chars(eintrag.data(), eintrag.data() + eintrag.size(), n);
        // A number already in this role would be toggled off: skipped like a refusal.
        if (fehler == std::errc{} && ende == eintrag.data() + eintrag.size() && n >= 1 && n <= MaxZahl &&
            !Menge(a).enthaelt(n))
            Umschalten(a, n);
        if (komma == std::string_view::npos) break;
        liste.remove_prefix(komma + 1);
    }
}

std::string TZufallsrollen::AlsText(Rolle a) const { return MengeAlsText(Menge(a), MaxZahl, ","); }

TRollenstand TZufallsrollen::Stand() const { return {BZGewaehlt_, KillerMenge(), FavGewaehlt_}; }

}  // namespace quintaro
