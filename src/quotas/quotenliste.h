#pragma once
// The prize quota store "Quo.645": 72-byte records in the order of the quota
// editor, and the quota that prices a win (the stored real quota of the draw
// from 2019 on, the fixed mean quotas otherwise, the old table before the class
// change of 2010-09-08).
#include <filesystem>
#include <span>
#include <string>
#include <vector>

#include "core/datensaetze.h"

namespace quintaro {

struct QuotenDatei {
    std::vector<TQuoten> quoten;
    // Set when the file ends in a piece that is no whole record, or holds
    // records with a date that is no whole day or amounts that are negative or
    // beyond any real prize: those are left out and this German text tells the user.
    std::string schaden;
};

// Whether a record can be real: a draw date and amounts from 0 to HoechsteQuote
// (the game rules).
bool IstGueltigeQuote(const TQuoten& q);

// A missing file gives an empty list and no message; a read error, or a folder,
// device or pipe in place of the file, throws DateiFehler.
QuotenDatei QuotenLaden(const std::filesystem::path& datei);
// Replaces the file atomically with the records; a write error throws DateiFehler.
void QuotenSpeichern(const std::filesystem::path& datei, std::span<const TQuoten> quoten);

// The first record with exactly this date, nullptr when there is none.
const TQuoten* QuotenDerZiehung(std::span<const TQuoten> liste, TDatum datum);
// The record whose real quotas price the draw (only from 2019 on), or nullptr.
const TQuoten* RealquotenDerZiehung(std::span<const TQuoten> liste, TDatum datum);

// The amount of one win of class `klasse` on `datum`; `real` is the draw's
// record from RealquotenDerZiehung. 0 for a class the draw's scheme lacks.
Currency QuoteHolen(const TQuoten* real, int klasse, TDatum datum);
Currency QuoteHolen(std::span<const TQuoten> liste, int klasse, TDatum datum);

}  // namespace quintaro
