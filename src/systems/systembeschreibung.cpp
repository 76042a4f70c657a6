#include "systems/systembeschreibung.h"

#include "core/kombinatorik.h"
#include "systems/katalog.h"
#include "systems/tabellenpruefung.h"

namespace quintaro {

namespace {
const TSysteme& Eintrag(int index) { return SystemKatalog().at(std::size_t(index)); }
std::string Zahl(int n) { return std::to_string(n); }
}  // namespace

std::string SystemText(int index) {
    const TSysteme& e = Eintrag(index);
    const int b = e.bankzahlen();
    std::string text = Zahl(e.WZ) + " Wahlzahlen ";
    text += b == 0 ? "ohne BZ in " : b == 1 ? "plus eine BZ in " : "plus " + Zahl(b) + " BZ in ";
    text += Zahl(e.TR) + " Reihen ";
    if (e.GA == 0) return text + "ohne Garantie";
    if (Garantieluecken(index) > 0) return text + "mit lückenhafter " + Zahl(e.GA) + "er Garantie";
    return text + "mit " + Zahl(e.GA) + "er Garantie";
}

std::string SystemBeschreibung(int index) {
    const TSysteme& e = Eintrag(index);
    const int b = e.bankzahlen();
    std::string text = "Gewählt wurde ein System für " + Zahl(e.WZ) + " Wahlzahlen ";
    text += b == 0 ? "ohne Bankzahl in " : b == 1 ? "plus eine Bankzahl in " : "plus " + Zahl(b) + " Bankzahlen in ";
    text += Zahl(e.TR) + " Tippreihen ";
    const std::int64_t luecken = Garantieluecken(index);
    if (e.GA == 0) {
        text += "ohne Garantie.";
    } else if (luecken > 0) {
        const std::string art = Zahl(e.GA) + "er";
        text += "ohne volle " + art + " Garantie.\rVon den " + std::to_string(Binomial(e.WZ, e.GA)) + " " + art +
                "-Kombinationen der Wahlzahlen " + (luecken == 1 ? "steht eine" : "stehen " + std::to_string(luecken)) +
                " in keiner Tippreihe; für " + (luecken == 1 ? "sie" : "diese") + " gilt die Garantie nicht.";
    } else {
        text += "mit " + Zahl(e.GA) + "er Garantie.";
    }
    if (e.istVollsystem()) {
        text += '\r';
        text += b == 0 ? "Ein klassisches Vollsystem."
                       : "Ein \"Vollsystem\" auf " + (b == 1 ? std::string("einer Bankzahl.") : Zahl(b) + " Bankzahlen.");
    }
    return text;
}

}  // namespace quintaro
