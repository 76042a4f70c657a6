#pragma once
// Expanding a catalogue entry with the chosen Wahlzahlen and banker numbers into
// tip rows, and the distribution of the numbers over those rows.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "core/scheindateien.h"
#include "core/spielregeln.h"
#include "core/zahlenmenge.h"
#include "systems/zahlenwahl.h"

namespace quintaro {

struct TSystemAnwendung {
    std::string ablehnung;  // information shown instead of building; empty on success
    // Rows as the row grid shows them: sorted ascending by the six numbers,
    // each row ascending. Empty when only the distribution was asked for.
    std::vector<std::array<std::uint8_t, 6>> reihen;
    std::array<int, MaxZahl + 1> ENr{};                 // [1..45]: rows holding the number
    std::array<Zahlaussehen, MaxZahl + 1> aussehen{};   // [1..45]: look of its distribution plate
    bool gelungen() const { return ablehnung.empty(); }
};

// Expands catalogue entry `index` (-1: none selected). With `reihenBilden`
// false only the distribution is computed.
TSystemAnwendung SystemAnwenden(int index, const TZahlenMenge& wahl, const TZahlenMenge& bank,
                                bool reihenBilden = true);

// The rows as a tip grid (header, row numbers 1.. in column 0, the numbers in
// columns 1..6), as ticket files and spreadsheets take them.
TippTabelle AlsTipptabelle(const std::vector<std::array<std::uint8_t, 6>>& reihen);

}  // namespace quintaro
