#pragma once
// Shared by the systems tests: finding catalogue entries by their figures.
#include "systems/katalog.h"

namespace quintaro::testhilfen {

// Index of the first catalogue entry with these figures, -1 when there is none.
inline int IndexVon(int RG, int WZ, int GA) {
    const auto& k = SystemKatalog();
    for (std::size_t i = 0; i < k.size(); ++i)
        if (k[i].RG == RG && k[i].WZ == WZ && k[i].GA == GA) return int(i);
    return -1;
}

}  // namespace quintaro::testhilfen
