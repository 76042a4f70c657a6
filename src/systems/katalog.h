#pragma once
// The system catalogue: 348 built-in systems (with row tables) followed by the
// generated full systems, and the fixed table of the official system tickets.
#include <array>
#include <cstdint>
#include <span>
#include <string_view>
#include <vector>

#include "core/scheinsysteme.h"

namespace quintaro {

struct TSysteme {
    std::uint8_t RG = 0;   // numbers each row takes from the Wahlzahlen
    std::uint8_t WZ = 0;   // number of Wahlzahlen
    std::uint8_t GA = 0;   // guarantee; 0 none; GA == RG full system
    std::uint16_t TR = 0;  // rows
    friend bool operator==(const TSysteme&, const TSysteme&) = default;

    int bankzahlen() const { return 6 - RG; }
    int poolgroesse() const { return WZ + 6 - RG; }
    bool istVollsystem() const { return RG == GA; }
};

constexpr int AnzahlEingebauteSysteme = 348;
constexpr int VollsystemGrenze = 924;
// The catalogue size the start window announces (a fixed figure, not counted).
constexpr int AngezeigteSystemanzahl = 390;

// The 348 built-in entries in index order.
const std::array<TSysteme, AnzahlEingebauteSysteme>& EingebauteSysteme();

// Built-in entries followed by the full systems with at most `grenze` rows.
std::vector<TSysteme> KatalogBauen(int grenze = VollsystemGrenze);
// The catalogue built once at start (425 entries).
const std::vector<TSysteme>& SystemKatalog();

bool IstScheinSystem(const std::vector<TSysteme>& katalog, int index);
bool IstScheinSystem(int index);
// The official ticket number (1..48) of a catalogue entry, 0 when it has none.
int ScheinSystemNummer(const TSysteme& system);

}  // namespace quintaro
