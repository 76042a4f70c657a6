#pragma once
// The built-in row tables as source text. reihentabellen_daten.cpp is written by
// tools/systemgen; every table is one string of TR * RG letters, one per value.
#include "systems/katalog.h"

namespace quintaro {

extern const char* const ReihentabellenText[AnzahlEingebauteSysteme];

// Values 1..26 are written as 'A'..'Z', 27..52 as 'a'..'z'; 0 marks a letter that stands for no value.
constexpr char ReihentabellenZeichen(int wert) {
    return char(wert <= 26 ? 'A' + wert - 1 : 'a' + wert - 27);
}
constexpr int ReihentabellenWert(char zeichen) {
    if (zeichen >= 'A' && zeichen <= 'Z') return zeichen - 'A' + 1;
    if (zeichen >= 'a' && zeichen <= 'z') return zeichen - 'a' + 27;
    return 0;
}

}  // namespace quintaro
