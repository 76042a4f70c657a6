#pragma once
// The quota killers: numbers the random tips keep out of every row. They are
// program-wide and outlive the random tips window, so that the number choice
// of a system can leave them out as well.
#include "core/zahlenmenge.h"

namespace quintaro {

TZahlenMenge& KillerMenge();
// The size of KillerMenge.
inline int KillerAnzahl() { return KillerMenge().anzahl(); }

}  // namespace quintaro
