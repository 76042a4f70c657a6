#pragma once
// The fixed-layout records that files hold byte for byte (little-endian,
// whatever the host): one draw (16 bytes), the quotas of one draw (72 bytes)
// and the system ticket (46 bytes).
#include <array>
#include <cstdint>

#include "core/datum.h"
#include "core/spielregeln.h"
#include "core/zahlenmenge.h"

namespace quintaro {

struct TGewZahlen {
    TDatum datum = 0;
    std::array<std::uint8_t, 7> GZ{};  // [1..6]; [0] unused
    std::uint8_t ZZ = 0;
    std::uint8_t fueller = 0;  // kept as read, 0 in new records

    TZahlenMenge menge() const {
        TZahlenMenge m;
        for (int i = 1; i <= 6; ++i) m.hinzu(GZ[i]);
        return m;
    }
    friend bool operator==(const TGewZahlen&, const TGewZahlen&) = default;
};

struct TQuoten {
    TDatum datum = 0;
    std::array<Currency, 9> q{};  // [1..8]; [0] unused
    friend bool operator==(const TQuoten&, const TQuoten&) = default;
};

// The 46-byte record of a system ticket file.
struct TSystemscheinSatz {
    std::uint8_t system = 0;                 // 1..48, index into ScheinSystemTabelle
    std::array<std::uint8_t, 5> bank{};      // ascending, rest 0
    std::array<std::uint8_t, 40> wahl{};     // ascending, rest 0
    friend bool operator==(const TSystemscheinSatz&, const TSystemscheinSatz&) = default;
};

constexpr std::size_t GewZahlenGroesse = 16;
constexpr std::size_t QuotenGroesse = 72;
constexpr std::size_t SystemscheinGroesse = 46;

TGewZahlen GewZahlenAus(const std::uint8_t* p);
void GewZahlenNach(const TGewZahlen& z, std::uint8_t* p);
TQuoten QuotenAus(const std::uint8_t* p);
void QuotenNach(const TQuoten& q, std::uint8_t* p);
TSystemscheinSatz SystemscheinAus(const std::uint8_t* p);
void SystemscheinNach(const TSystemscheinSatz& s, std::uint8_t* p);

}  // namespace quintaro
