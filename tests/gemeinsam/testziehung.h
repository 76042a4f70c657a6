#pragma once
// A draw record for tests.
#include <array>

#include "core/datensaetze.h"

inline quintaro::TGewZahlen TestZiehung(quintaro::TDatum datum, std::array<int, 6> gz, int zz, int fueller = 0) {
    quintaro::TGewZahlen z;
    z.datum = datum;
    for (std::size_t i = 0; i < 6; ++i) z.GZ[i + 1] = std::uint8_t(gz[i]);
    z.ZZ = std::uint8_t(zz);
    z.fueller = std::uint8_t(fueller);
    return z;
}
