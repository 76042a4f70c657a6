#pragma once
// The draw history file "GZ.645": 16-byte records, oldest first, no header.
#include <cstddef>
#include <filesystem>
#include <string>
#include <vector>

#include "core/datensaetze.h"

namespace quintaro {

// What looked wrong in a loaded history. Draws are loaded as they stand.
struct Ziehungsbefund {
    std::size_t fehlerhaft = 0;     // records with numbers outside 1..45, repeated numbers or a bad date
    std::size_t ersterFehler = 0;   // index of the first of them
    std::size_t restBytes = 0;      // trailing bytes that make no whole record
    bool inOrdnung() const { return fehlerhaft == 0 && restBytes == 0; }
    // The German text the user is told once; empty when all is well.
    std::string meldung(const std::filesystem::path& datei, const std::vector<TGewZahlen>& ziehungen) const;
};

struct GeladeneZiehungen {
    std::vector<TGewZahlen> ziehungen;
    Ziehungsbefund befund;
};

// A missing file gives an empty history. Throws DateiFehler when it cannot be read.
GeladeneZiehungen ZiehungenLaden(const std::filesystem::path& datei);
// Rewrites the whole file atomically. Throws DateiFehler.
void ZiehungenSpeichern(const std::filesystem::path& datei, const std::vector<TGewZahlen>& ziehungen);
// Whether a date can be that of a draw: a whole day from 1900-01-01 to 9999-12-31.
bool IstGueltigesZiehungsdatum(TDatum d);
// Whether a record keeps the game rules (numbers 1..45, seven distinct numbers, a draw date).
bool IstGueltigeZiehung(const TGewZahlen& z);

}  // namespace quintaro
