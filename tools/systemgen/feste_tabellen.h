#pragma once
// Tables whose rows are prescribed exactly, in their order.
#include <optional>

#include "reihen.h"

namespace systemgen {

std::optional<Reihen> FesteTabelle(int index);

}  // namespace systemgen
