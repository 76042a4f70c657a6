#include "core/spielregeln.h"

namespace quintaro {

const std::array<std::string_view, 9> KlassenText = {"---", "6", "5 + ZZ", "5", "4 + ZZ", "4", "3 + ZZ", "3", "0 + ZZ"};
const std::array<std::string_view, 9> KlassenTitel = {"",          "   6 Richtige", "  5 Ri. + ZZ",
                                                      " 5 Richtige", "4 Ri. + ZZ",   "   4 Ri.",
                                                      "3 Ri. + ZZ",  "   3 Ri.",     "0 + ZZ"};
const std::array<std::string_view, 6> KlassenTextAlt = {"---", "6", "5 + ZZ", "5", "4", "3"};
const std::array<Currency, 9> StandardQuoten = {0,      17489072800, 400791300, 11506000, 1610800,
                                                410500, 149300,      45600,     12000};
const std::array<Currency, 6> AltQuoten = {0, 14146043800, 701940300, 14355500, 479700, 44700};
const std::array<std::string_view, 8> WochentagName = {"",         "Sonntag", "Montag",  "Dienstag",
                                                       "Mittwoch", "Donnerstag", "Freitag", "Samstag"};

int GewinnKlasse(const TZahlenMenge& reihe, const TZahlenMenge& gewinnzahlen, int zusatzzahl, TDatum datum) {
    const int treffer = Treffer(reihe, gewinnzahlen);
    const bool zz = reihe.enthaelt(zusatzzahl);
    if (datum >= NeueKlassenAb) {
        switch (treffer) {
            case 6: return 1;
            case 5: return zz ? 2 : 3;
            case 4: return zz ? 4 : 5;
            case 3: return zz ? 6 : 7;
            case 0: return zz ? 8 : 0;
            default: return 0;
        }
    }
    switch (treffer) {
        case 6: return 1;
        case 5: return zz ? 2 : 3;
        case 4: return 4;
        case 3: return 5;
        default: return 0;
    }
}

std::string_view KlassenLabel(int klasse, TDatum datum) {
    if (datum >= NeueKlassenAb) return klasse >= 0 && klasse <= 8 ? KlassenText[klasse] : "---";
    return klasse >= 0 && klasse <= 5 ? KlassenTextAlt[klasse] : "---";
}

bool IstSonntagsZiehung(TDatum d) {
    const int w = Wochentag(d);
    return w == 1 || w == 2 || w == 7 || d == 31778;
}

bool IstMittwochsZiehung(TDatum d) { return Wochentag(d) == 4 || d == 37980; }

TDatum NaechsteZiehung(TDatum neueste) { return Wochentag(neueste) == 1 ? neueste + 3 : neueste + 4; }

TDatum LetzteZiehungVor(TDatum heute) {
    TDatum d = heute - 1;
    while (Wochentag(d) != 1 && Wochentag(d) != 4) d -= 1;
    return d;
}

std::string_view WochentagKurz(TDatum d) {
    switch (Wochentag(d)) {
        case 1: return " (So)";
        case 4: return " (Mi)";
        default: return "";
    }
}

}  // namespace quintaro
