#pragma once
// One draw record built from its numbers, as the tests write them.
#include <array>
#include <cstdint>

#include "core/datensaetze.h"

inline quintaro::TGewZahlen Ziehung(quintaro::TDatum d, std::array<int, 6> gz, int zz, int fueller = 0) {
    quintaro::TGewZahlen z;
    z.datum = d;
    for (int i = 0; i < 6; ++i) z.GZ[std::size_t(i + 1)] = std::uint8_t(gz[std::size_t(i)]);
    z.ZZ = std::uint8_t(zz);
    z.fueller = std::uint8_t(fueller);
    return z;
}
