#pragma once
// The download routine for callers without an event loop (the command line):
// runs one download to its end. Creates the Qt application object when the
// caller has none.
#include "online/download.h"

namespace quintaro {

Downloadergebnis HerunterladenUndWarten(const Downloadauftrag& auftrag);

}  // namespace quintaro
